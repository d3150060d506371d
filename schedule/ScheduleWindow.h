#pragma once
// The amortization schedule of one offer in a window of its own: the yearly rows with their
// months beneath (collapsible) and the totals, each with the mortgage insurance paid and the
// whole payment, and a summary of when the insurance ends; export, PDF and printing in its File
// menu.

#include "LoanEstimateMath.h"
#include "OutputCommands.h"
#include "PictureMask.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
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
    ~ScheduleWindow() override;

    ScheduleModel* Model() const { return model_; }
    QTreeView* View() const { return view_; }
    const output::OutputActions& Output() const { return output_; }
    QAction* ShowMonthsAction() const { return showMonths_; }
    QAction* YearsOnlyAction() const { return yearsOnly_; }
    QString SummaryText() const;

    // The schedule as CSV and as a printable document.
    std::string Csv() const;
    output::OutputDocument Document() const;

private:
    QString offerName_;
    QString subtitle_;
    ScheduleModel* model_ = nullptr;
    QTreeView* view_ = nullptr;
    QLabel* summary_ = nullptr;
    output::OutputActions output_;
    QAction* showMonths_ = nullptr;
    QAction* yearsOnly_ = nullptr;
};

// The schedule for paper: each year's months, then the year's subtotal; the totals, then a note
// of when the mortgage insurance ends.
output::PrintTable SchedulePrintTable(const ScheduleModel& model);

// Heading text of a schedule: loan, rate, months and payment in the calculator's masks.
QString ScheduleSubtitle(const AmortizationSchedule& schedule, double annualRatePercent,
                         const LocaleSeparators& separators);

// One sentence on the mortgage insurance: how much a month, with which payments, and after which
// payment the buyer may ask to cancel it.
QString InsuranceSummary(const InsurancePlan& insurance, std::int32_t scheduleMonths,
                         const LocaleSeparators& separators);

} // namespace plumcrest::schedule
