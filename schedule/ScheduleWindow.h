#pragma once
// The amortization schedule of one offer in a window of its own: the yearly rows with their
// months beneath (collapsible) and the totals, with export, PDF and printing in its File menu.

#include "OutputCommands.h"
#include "PictureMask.h"

#include <QMainWindow>
#include <QString>
#include <string>

class QLabel;
class QTreeView;

namespace plumcrest {
struct AmortizationSchedule;
} // namespace plumcrest

namespace plumcrest::schedule {

class ScheduleModel;

class ScheduleWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(ScheduleWindow)

public:
    // The window takes a copy of the schedule; `parent` is the window it belongs to.
    ScheduleWindow(const QString& offerName, double annualRatePercent,
                   const AmortizationSchedule& schedule, const LocaleSeparators& separators,
                   QWidget* parent = nullptr);
    ~ScheduleWindow() override;

    ScheduleModel* Model() const { return model_; }
    QTreeView* View() const { return view_; }
    const output::OutputActions& Output() const { return output_; }
    QAction* ShowMonthsAction() const { return showMonths_; }
    QAction* YearsOnlyAction() const { return yearsOnly_; }

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

// The schedule for paper: each year's months, then the year's subtotal; the totals last.
output::PrintTable SchedulePrintTable(const ScheduleModel& model);

// Heading text of a schedule: loan, rate, months and payment in the calculator's masks.
QString ScheduleSubtitle(const AmortizationSchedule& schedule, double annualRatePercent,
                         const LocaleSeparators& separators);

} // namespace plumcrest::schedule
