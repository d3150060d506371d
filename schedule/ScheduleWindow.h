#pragma once
// The amortization schedule of one offer in a window of its own: the yearly rows with their
// months beneath (collapsible) and the totals, each with the mortgage insurance paid and the
// whole payment, and a summary of when the insurance ends; export, PDF and printing in its File
// menu.

#include "LoanEstimateMath.h"
#include "LoanTerms.h"
#include "OutputCommands.h"
#include "PictureMask.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QTreeView;

namespace plumcrest::schedule {

class ScheduleModel;

class ScheduleWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleWindow)

public:
    // The window takes a copy of the schedule and its insurance, both figured from the same
    // terms; `parent` is the window it belongs to.
    ScheduleWindow(const QString& offerName, double annualRatePercent,
                   const AmortizationSchedule& schedule, const InsurancePlan& insurance,
                   const LocaleSeparators& separators, QWidget* parent = nullptr);
    // The schedule of the terms, with a What If menu: extra payments and, for an adjustable
    // rate, the rate as the index stands today or the worst case.
    ScheduleWindow(const QString& offerName, const LoanTerms& terms,
                   const LocaleSeparators& separators, QWidget* parent = nullptr);
    ~ScheduleWindow() override;

    // Lays the schedule out again with these extras (the terms' own when the window opened).
    void SetPlan(const ExtraPayments& plan);
    void SetRatePath(RatePath path);
    const ExtraPayments& Plan() const { return plan_; }
    QAction* ExtraPaymentsAction() const { return extraPayments_; }
    QAction* WorstCaseAction() const { return worstCase_; }
    // What the plan and the rate make of the loan, in words; empty without either.
    QString WhatIfText() const;
    // Asks for a plan (the Extra Payments dialog); tests answer it without one.
    std::function<std::optional<ExtraPayments>(const ExtraPayments& current, std::int32_t months)>
        AskForPlan;

    ScheduleModel* Model() const { return model_; }
    QTreeView* View() const { return view_; }
    const output::OutputActions& Output() const { return output_; }
    QAction* ShowMonthsAction() const { return showMonths_; }
    QAction* YearsOnlyAction() const { return yearsOnly_; }
    QString SummaryText() const;

    // The schedule as CSV and as a printable document.
    std::string Csv() const;
    output::OutputDocument Document() const;

signals:
    void PlanChanged(const plumcrest::ExtraPayments& plan);

private:
    void AddHelpMenu();
    void Build(const AmortizationSchedule& schedule, const InsurancePlan& insurance);
    void ShowSchedule(const AmortizationSchedule& schedule, const InsurancePlan& insurance);
    // The lines above the table, from the schedule shown and its insurance.
    void ShowSummary();
    void Relayout();
    void AskAndApplyPlan();

    QString offerName_;
    double ratePercent_ = 0;
    LocaleSeparators separators_;
    std::optional<LoanTerms> terms_; // without extras; unset for a bare schedule
    ExtraPayments plan_;
    QAction* extraPayments_ = nullptr;
    QAction* worstCase_ = nullptr;
    QString subtitle_;
    std::optional<InsurancePlan> insurance_;
    ScheduleModel* model_ = nullptr;
    QTreeView* view_ = nullptr;
    QLabel* summary_ = nullptr;
    output::OutputActions output_;
    QAction* showMonths_ = nullptr;
    QAction* yearsOnly_ = nullptr;
};

// The schedule for paper: each year's months, then the year's subtotal; the totals, then a note
// of when the mortgage insurance ends and the notes given.
output::PrintTable SchedulePrintTable(const ScheduleModel& model, const QStringList& notes = {});

// What extra payments change against the schedule without them: the payoff, the months and the
// interest saved, in one sentence.
QString SavingsSummary(const ExtraSavings& savings, const LocaleSeparators& separators);

// Heading text of a schedule: loan, rate, months and payment in the calculator's masks.
QString ScheduleSubtitle(const AmortizationSchedule& schedule, double annualRatePercent,
                         const LocaleSeparators& separators);

// One sentence on the mortgage insurance: how much a month, with which payments, and after which
// payment the buyer may ask to cancel it.
QString InsuranceSummary(const InsurancePlan& insurance, std::int32_t scheduleMonths,
                         const LocaleSeparators& separators);

} // namespace plumcrest::schedule
