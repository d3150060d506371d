#include "CostLines.h"

#include "FigureText.h"
#include "Translations.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace plumcrest::compare {

namespace {

// Small enough for six in a row at 1366 pixels, tall enough to see which line is lowest.
constexpr int kLineWidth = 150;
constexpr int kLineHeight = 96;

} // namespace

CostLines::CostLines(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rowCostLines"));
    translations::Live(this, [this] {
        setAccessibleName(tr("Cost over the years kept, one small chart per offer"));
    });
    row_ = new QHBoxLayout(this);
    row_->setContentsMargins(0, 0, 0, 0);
    row_->setSpacing(4);
}

void CostLines::SetLines(const std::vector<Line>& lines, std::int32_t horizonMonths) {
    while (QLayoutItem* item = row_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    count_ = 0;
    double low = 0;
    double high = 0;
    std::size_t months = 0;
    bool first = true;
    for (const Line& line : lines) {
        if (line.cost.empty())
            continue;
        months = std::max(months, line.cost.size() - 1);
        const auto [least, most] = std::minmax_element(line.cost.begin(), line.cost.end());
        low = first ? Dollars(*least) : std::min(low, Dollars(*least));
        high = first ? Dollars(*most) : std::max(high, Dollars(*most));
        first = false;
    }
    if (first)
        return;
    if (high <= low)
        high = low + 1;
    const double years = std::max<double>(1.0, static_cast<double>(months) / 12.0);
    for (const Line& line : lines) {
        if (line.cost.empty())
            continue;
        auto* chart = new QChart;
        chart->legend()->hide();
        chart->setMargins(QMargins(2, 2, 2, 2));
        chart->setBackgroundRoundness(0);
        chart->setTitle(line.name);
        QFont title = chart->titleFont();
        title.setPointSizeF(std::max(7.0, title.pointSizeF() * 0.8));
        title.setBold(line.best);
        chart->setTitleFont(title);
        auto* cost = new QLineSeries;
        // A point a year is enough for a line this small; the horizon's own month is kept.
        for (std::size_t m = 0; m < line.cost.size(); m += 12)
            cost->append(static_cast<double>(m) / 12.0, Dollars(line.cost[m]));
        cost->append(static_cast<double>(line.cost.size() - 1) / 12.0, Dollars(line.cost.back()));
        QPen pen = cost->pen();
        pen.setWidthF(line.best ? 2.5 : 1.5);
        cost->setPen(pen);
        auto* horizon = new QLineSeries;
        horizon->append(horizonMonths / 12.0, low);
        horizon->append(horizonMonths / 12.0, high);
        QPen mark(palette().color(QPalette::WindowText));
        mark.setStyle(Qt::DashLine);
        horizon->setPen(mark);
        chart->addSeries(cost);
        chart->addSeries(horizon);
        auto* x = new QValueAxis;
        x->setRange(0, years);
        x->setLabelsVisible(false);
        x->setGridLineVisible(false);
        auto* y = new QValueAxis;
        y->setRange(low, high);
        y->setLabelsVisible(false);
        y->setGridLineVisible(false);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (QLineSeries* series : {cost, horizon}) {
            series->attachAxis(x);
            series->attachAxis(y);
        }
        auto* view = new QChartView(chart, this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFixedSize(kLineWidth, kLineHeight);
        view->setFocusPolicy(Qt::NoFocus);
        view->setAccessibleName(line.summary);
        view->setToolTip(PlainToolTip(line.summary));
        row_->addWidget(view);
        ++count_;
    }
    row_->addStretch();
}

} // namespace plumcrest::compare
