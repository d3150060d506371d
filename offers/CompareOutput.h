#pragma once
// What the Compare window offers beyond its table: a chart tab (cost so far and balance of each
// offer, following the horizon), the schedule of the selected offer in a window of its own, and
// the comparison as CSV, PDF and on paper. Every command sits in the window's menu bar with a
// shortcut, the offer buttons' commands too.

#include "OutputCommands.h"

#include <QObject>
#include <QPointer>
#include <string>

class QAction;
class QMenuBar;

namespace plumcrest {
class CostChart;
class ScheduleWindow;
} // namespace plumcrest

namespace plumcrest::offers {

class CompareModel;
class CompareWindow;

class CompareOutput : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(CompareOutput)

public:
    // Adds the chart tab and the menu bar to the window; lives as the window's child.
    explicit CompareOutput(CompareWindow& window);

    CostChart* Chart() const { return chart_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QAction* ScheduleAction() const { return schedule_; }
    const OutputActions& Output() const { return output_; }

    // Opens the schedule of the selected offer (nullptr when none is selected).
    ScheduleWindow* OpenSchedule();

    std::string Csv() const;
    OutputDocument Document() const;

private:
    void RefreshChart();

    CompareWindow& window_;
    CompareModel& model_;
    CostChart* chart_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QAction* schedule_ = nullptr;
    OutputActions output_;
};

// One record per offer under a header of the comparison's row labels; figures with "." and no
// grouping, money to the cent and rates to four places, as the window rounds them.
std::string ComparisonCsv(const CompareModel& model);

// The comparison as on screen: a column of labels, one column per offer, then the break-even
// lines.
PrintTable ComparisonPrintTable(const CompareModel& model);

} // namespace plumcrest::offers
