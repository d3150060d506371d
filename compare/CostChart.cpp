#include "CostChart.h"

#include "FigureText.h"
#include "Guarded.h"
#include "MoneyText.h"
#include "Translations.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace plumcrest::compare {

namespace {

// Okabe-Ito first, then darker or lighter kin of its hues, so every line keeps at least 3:1
// contrast against its background; black and white stay for the break-even marks alone.
constexpr QRgb kLightLines[] = {0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7,
                                0x9E6A00, 0x6A3D9A, 0x7A7300, 0x882255};
constexpr QRgb kDarkLines[] = {0x56B4E9, 0xE69F00, 0x009E73, 0xCC79A7,
                               0xD55E00, 0xF0E442, 0xC3A6F0, 0x9ED98E};
constexpr int kColours = 8;
static_assert(kColours == CostChart::kMostLines);
// One colour for every line, on either background: a colour missing would be read past the end.
static_assert(std::size(kLightLines) == kColours && std::size(kDarkLines) == kColours);
// How near the pointer must come to a line, in pixels, to be told its figure.
constexpr double kNearPixels = 6.0;

QPen LinePen(int index, bool dark) {
    return QPen(CostChart::LineColour(index, dark), 2.0);
}

// A chart reads as a chart to a screen reader, not as an unnamed filler.
QAccessibleInterface* ChartViewFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<QChartView*>(object))
        return new QAccessibleWidget(view, QAccessible::Chart);
    return nullptr;
}

QString YearsText(int years) {
    return CostChart::tr("%n year(s)", nullptr, years);
}

QString HorizonName(int years) {
    return CostChart::tr("Horizon: %n year(s)", nullptr, years);
}

QList<QPointF> Points(const std::vector<Cents>& values) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t m = 0; m < values.size(); ++m) {
        points.append(QPointF(static_cast<double>(m) / 12.0, Dollars(values[m])));
    }
    return points;
}

// The dollar axis from 0 to `top` on round ticks, labelled in whole dollars with the program's
// group separator ("150,000"); a value axis's printf-style labels have no grouping.
QCategoryAxis* DollarAxis(double top, const LocaleSeparators& separators) {
    QValueAxis nice;
    nice.setRange(0, top);
    nice.applyNiceNumbers();
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(nice.min(), nice.max());
    // Starts just below the range, since a category cannot end where it starts and "0" is one.
    axis->setStartValue(nice.min() - 1.0);
    const int ticks = std::max(2, nice.tickCount());
    for (int i = 0; i < ticks; ++i) {
        const double value = nice.min() + (nice.max() - nice.min()) * i / (ticks - 1);
        QString text = output::MoneyText(static_cast<Cents>(std::llround(value)) * 100, separators);
        text.chop(3); // the decimal separator and the cents
        axis->append(text, value);
    }
    return axis;
}

Cents Highest(const std::vector<std::vector<Cents>>& series,
              std::size_t months = static_cast<std::size_t>(-1)) {
    Cents top = 0;
    for (const auto& values : series) {
        for (std::size_t m = 0; m < values.size() && m <= months; ++m) {
            top = std::max(top, values[m]);
        }
    }
    return top;
}

} // namespace

QColor CostChart::LineColour(int index, bool darkBackground) {
    const QRgb* set = darkBackground ? kDarkLines : kLightLines;
    return QColor(set[index % kColours]);
}

CostChart::CostChart(QWidget* parent) : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(&ChartViewFactory);
        return true;
    }();
    (void)accessible;
    range_ = new QComboBox(this);
    range_->setObjectName(QStringLiteral("cboChartYears"));
    range_->addItem(QString(), 0);
    range_->addItem(QString(), 5);
    range_->addItem(QString(), 10);
    auto* rangeLabel = new QLabel(this);
    rangeLabel->setBuddy(range_);
    drawn_ = new QLabel(this);
    drawn_->setObjectName(QStringLiteral("lblChartDrawn"));
    drawn_->setWordWrap(true);
    drawn_->setTextFormat(Qt::PlainText);
    drawn_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    markedLine_ = new QLabel(this);
    markedLine_->setObjectName(QStringLiteral("lblChartMarked"));
    markedLine_->setWordWrap(true);
    markedLine_->setTextFormat(Qt::PlainText);
    connect(range_, &QComboBox::activated, this,
            [this] { platform::RunGuarded([this] { ShowYears(range_->currentData().toInt()); }); });
    tabs_ = new QTabWidget(this);
    costView_ = new QChartView(new QChart, tabs_);
    balanceView_ = new QChartView(new QChart, tabs_);
    for (QChartView* view : {costView_, balanceView_}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::StrongFocus);
    }
    tabs_->addTab(costView_, QString());
    tabs_->addTab(balanceView_, QString());
    translations::Live(this, [this, rangeLabel] {
        range_->setAccessibleName(tr("Years shown"));
        range_->setItemText(0, tr("Whole term"));
        range_->setItemText(1, tr("First 5 years"));
        range_->setItemText(2, tr("First 10 years"));
        rangeLabel->setText(tr("Ran&ge:"));
        markedLine_->setText(tr("With the chart focused, the arrow keys step through the months "
                                "and show each offer's figures here."));
        costView_->setAccessibleName(tr("Cost of each offer over time"));
        balanceView_->setAccessibleName(tr("Balance of each offer over time"));
        // Alt letters of their own: O and L belong to the window's Offer menu and Help button.
        tabs_->setTabText(0, tr("Cost over Ti&me"));
        tabs_->setTabText(1, tr("&Balance"));
    });
    for (QChartView* view : {costView_, balanceView_}) {
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        // The keyboard's way to the figures a pointer finds by hovering.
        view->installEventFilter(this);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        platform::RunGuarded([this] {
            if (marked_ >= 0)
                MarkMonth(marked_);
        });
    });
    auto* top = new QHBoxLayout;
    top->addWidget(rangeLabel);
    top->addWidget(range_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
    layout->addWidget(drawn_);
    layout->addWidget(markedLine_);
    setMinimumSize(240, 160);
}

CostChart::~CostChart() = default;

void CostChart::SetOffers(std::vector<ChartOffer> offers, int horizonYears,
                          const LocaleSeparators& separators) {
    const std::size_t given = offers.size();
    if (offers.size() > static_cast<std::size_t>(kMostLines))
        offers.resize(static_cast<std::size_t>(kMostLines));
    offers_ = std::move(offers);
    horizonYears_ = horizonYears;
    separators_ = separators;
    months_ = 0;
    for (const ChartOffer& offer : offers_) {
        months_ = std::max(months_, static_cast<int>(offer.schedule.months.size()));
    }
    cost_.clear();
    balance_.clear();
    extrasCost_.clear();
    extrasBalance_.clear();
    for (const ChartOffer& offer : offers_) {
        cost_.push_back(CumulativeCost(offer.fees, offer.schedule, offer.insurance, months_));
        balance_.push_back(BalanceSeries(offer.schedule, months_));
        const auto& extras = offer.withExtras;
        extrasCost_.push_back(
            extras ? CumulativeCost(offer.fees, extras->schedule, extras->insurance, months_)
                   : std::vector<Cents>());
        extrasBalance_.push_back(extras ? BalanceSeries(extras->schedule, months_)
                                        : std::vector<Cents>());
    }
    crossings_ = CostCrossings(cost_);
    UpdateDrawnLine(given);
    Rebuild();
}

void CostChart::UpdateDrawnLine(std::size_t given) {
    QStringList names;
    for (const ChartOffer& offer : offers_)
        names << offer.name;
    if (names.isEmpty())
        drawn_->clear();
    else if (given > offers_.size())
        drawn_->setText(tr("Drawn: the first %1 of the %n offers compared, as many as their "
                           "colours tell apart: %2",
                           nullptr, static_cast<int>(given))
                            .arg(offers_.size())
                            .arg(names.join(QStringLiteral("; "))));
    else
        drawn_->setText(tr("Drawn: %1").arg(names.join(QStringLiteral("; "))));
}

void CostChart::ShowYears(int years) {
    rangeYears_ = std::max(0, years);
    const int at = range_->findData(rangeYears_);
    if (at >= 0)
        range_->setCurrentIndex(at);
    Rebuild();
}

QString CostChart::PairText(const CostCrossing& crossing) const {
    // Named in the order the offers are listed.
    const std::size_t a = std::min(crossing.first, crossing.second);
    const std::size_t b = std::max(crossing.first, crossing.second);
    return tr("%1 and %2").arg(offers_[a].name, offers_[b].name);
}

void CostChart::SetHorizon(int horizonYears) {
    horizonYears_ = horizonYears;
    const double top = Dollars(std::max(Highest(cost_), Cents{1}));
    const double topBalance = Dollars(std::max(Highest(balance_), Cents{1}));
    if (horizon_) {
        horizon_->replace({QPointF(horizonYears_, 0), QPointF(horizonYears_, top)});
        horizon_->setName(HorizonName(horizonYears_));
    }
    if (balanceHorizon_) {
        balanceHorizon_->replace({QPointF(horizonYears_, 0), QPointF(horizonYears_, topBalance)});
        balanceHorizon_->setName(HorizonName(horizonYears_));
    }
    UpdateDescription();
}

void CostChart::ShowView(View view) {
    tabs_->setCurrentIndex(view == View::Cost ? 0 : 1);
}

CostChart::View CostChart::CurrentView() const {
    return tabs_->currentIndex() == 0 ? View::Cost : View::Balance;
}

QLineSeries* CostChart::CostLine(int offer) const {
    return offer >= 0 && offer < static_cast<int>(costLines_.size()) ? costLines_[offer] : nullptr;
}

QLineSeries* CostChart::BalanceLine(int offer) const {
    return offer >= 0 && offer < static_cast<int>(balanceLines_.size()) ? balanceLines_[offer]
                                                                        : nullptr;
}

QLineSeries* CostChart::ExtrasCostLine(int offer) const {
    return offer >= 0 && offer < static_cast<int>(extrasCostLines_.size())
               ? extrasCostLines_[static_cast<std::size_t>(offer)]
               : nullptr;
}

QScatterSeries* CostChart::BreakEvenPoints() const {
    return breakEven_;
}
QLineSeries* CostChart::HorizonLine() const {
    return horizon_;
}

QLineSeries* CostChart::MarkLine(View view) const {
    return view == View::Cost ? costMark_ : balanceMark_;
}

QChart* CostChart::Chart(View view) const {
    return (view == View::Cost ? costView_ : balanceView_)->chart();
}

bool CostChart::DarkPalette() const {
    return palette().color(QPalette::Window).lightness() < 128;
}

void CostChart::FillChart(QChart& chart, View view, bool dark, std::vector<QLineSeries*>* lines,
                          QScatterSeries** breakEven, QLineSeries** horizon,
                          std::vector<QLineSeries*>* extrasLines, QLineSeries** mark) const {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    // The theme resets series colours, so it comes first.
    chart.setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart.setBackgroundRoundness(0);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setTitle(view == View::Cost
                       ? tr("Cost so far: loan costs plus interest and mortgage insurance paid")
                       : tr("Balance owed"));

    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(tr("Years"));
    xAxis->setLabelFormat(QStringLiteral("%.0f"));
    const double wholeYears = std::max(1.0, months_ / 12.0);
    const bool part = rangeYears_ > 0 && rangeYears_ < wholeYears;
    xAxis->setRange(0, part ? rangeYears_ : wholeYears);
    if (!part)
        xAxis->applyNiceNumbers();
    else
        xAxis->setTickCount(rangeYears_ + 1);
    const auto& data = view == View::Cost ? cost_ : balance_;
    const auto shownMonths = static_cast<std::size_t>(part ? rangeYears_ * 12 : months_);
    const double top = Dollars(std::max(Highest(data, shownMonths), Cents{1}));
    QCategoryAxis* yAxis = DollarAxis(top, separators_);
    yAxis->setTitleText(tr("Dollars"));
    chart.addAxis(xAxis, Qt::AlignBottom);
    chart.addAxis(yAxis, Qt::AlignLeft);

    for (std::size_t i = 0; i < offers_.size(); ++i) {
        auto* line = new QLineSeries;
        // The chart's key renders a series' name as markup: escaped, a name shows as written.
        line->setName(offers_[i].name.toHtmlEscaped());
        line->replace(Points(data[i]));
        line->setPen(LinePen(static_cast<int>(i), dark));
        chart.addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        if (lines) {
            lines->push_back(line);
        }
    }
    // Each offer's cost with extra payments beside it: its colour, a finer dashed pen.
    const auto& extras = view == View::Cost ? extrasCost_ : extrasBalance_;
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        QLineSeries* line = nullptr;
        if (!extras[i].empty()) {
            line = new QLineSeries;
            line->setName(tr("%1 with extra payments").arg(offers_[i].name).toHtmlEscaped());
            line->replace(Points(extras[i]));
            QPen pen = LinePen(static_cast<int>(i), dark);
            pen.setStyle(Qt::DashLine);
            pen.setWidthF(1.5);
            line->setPen(pen);
            chart.addSeries(line);
            line->attachAxis(xAxis);
            line->attachAxis(yAxis);
        }
        if (extrasLines) {
            extrasLines->push_back(line);
        }
    }

    auto* horizonLine = new QLineSeries;
    horizonLine->setName(HorizonName(horizonYears_));
    horizonLine->replace({QPointF(horizonYears_, 0), QPointF(horizonYears_, top)});
    QPen horizonPen(dark ? QColor(0xBBBBBB) : QColor(0x555555), 1.5, Qt::DashLine);
    horizonLine->setPen(horizonPen);
    chart.addSeries(horizonLine);
    horizonLine->attachAxis(xAxis);
    horizonLine->attachAxis(yAxis);
    if (horizon) {
        *horizon = horizonLine;
    }

    if (mark) {
        // The month the keys mark: a solid line from the foot of the chart to its top, black
        // on the light chart and white on the dark one; unlike the dashed grey horizon and the
        // break-even squares. Placed and shown by MarkMonth.
        auto* line = new QLineSeries;
        line->setName(tr("Marked month"));
        // The themes' backgrounds: white for the light one, a dark gradient for the dark.
        const QColor colour = dark ? QColor(Qt::white) : QColor(Qt::black);
        line->setPen(QPen(colour, 2.0, Qt::SolidLine));
        chart.addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
        line->setVisible(false);
        *mark = line;
    }

    if (view == View::Cost) {
        auto* points = new QScatterSeries;
        points->setName(tr("Break-even"));
        points->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        points->setMarkerSize(9);
        points->setColor(dark ? Qt::white : Qt::black);
        points->setBorderColor(dark ? Qt::black : Qt::white);
        for (const CostCrossing& c : crossings_) {
            points->append(c.month / 12.0, Dollars(c.cost));
        }
        chart.addSeries(points);
        // Each mark says its month beside it (a label of its own, as a point label can only
        // show the x value in years); pointing at the mark names the pair.
        for (const CostCrossing& c : crossings_) {
            auto* label = new QScatterSeries;
            label->append(c.month / 12.0, Dollars(c.cost));
            label->setMarkerSize(1);
            label->setColor(Qt::transparent);
            label->setBorderColor(Qt::transparent);
            label->setPointLabelsFormat(tr("month %1").arg(c.month));
            label->setPointLabelsVisible(true);
            label->setPointLabelsColor(dark ? Qt::white : Qt::black);
            chart.addSeries(label);
            label->attachAxis(xAxis);
            label->attachAxis(yAxis);
            for (QLegendMarker* marker : chart.legend()->markers(label))
                marker->setVisible(false);
        }
        points->attachAxis(xAxis);
        points->attachAxis(yAxis);
        // A key for marks that are not there would send the reader looking for them.
        for (QLegendMarker* marker : chart.legend()->markers(points)) {
            marker->setVisible(!crossings_.empty());
        }
        if (breakEven) {
            *breakEven = points;
        }
    }
}

void CostChart::Rebuild() {
    costLines_.clear();
    balanceLines_.clear();
    extrasCostLines_.clear();
    const bool dark = DarkPalette();
    FillChart(*costView_->chart(), View::Cost, dark, &costLines_, &breakEven_, &horizon_,
              &extrasCostLines_, &costMark_);
    FillChart(*balanceView_->chart(), View::Balance, dark, &balanceLines_, nullptr,
              &balanceHorizon_, nullptr, &balanceMark_);
    for (auto* lines : {&costLines_, &balanceLines_}) {
        for (QLineSeries* line : *lines) {
            connect(line, &QLineSeries::hovered, this,
                    [this, line](const QPointF& point, bool state) {
                        platform::RunGuarded([&] { Hovered(line, point, state); });
                    });
        }
    }
    connect(breakEven_, &QScatterSeries::hovered, this, [this](const QPointF& point, bool state) {
        platform::RunGuarded([&] { BreakEvenHovered(point, state); });
    });
    UpdateDescription();
    if (marked_ >= 0)
        MarkMonth(marked_);
}

void CostChart::BreakEvenHovered(const QPointF& point, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const int month = static_cast<int>(std::lround(point.x() * 12.0));
    for (const CostCrossing& c : crossings_) {
        if (c.month == month) {
            lastHover_ = tr("Break-even of %1 at month %2: %3")
                             .arg(PairText(c))
                             .arg(c.month)
                             .arg(output::MoneyText(c.cost, separators_));
            QToolTip::showText(QCursor::pos(), PlainToolTip(lastHover_), costView_);
            return;
        }
    }
}

void CostChart::ApplyLook() {
    if (!offers_.empty() || costView_->chart()->series().isEmpty()) {
        Rebuild();
    }
}

void CostChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ApplyLook();
    }
}

QString CostChart::HoverText(const QLineSeries* series, double xYears) const {
    const auto find = [series](const std::vector<QLineSeries*>& lines) {
        return std::find(lines.begin(), lines.end(), series) - lines.begin();
    };
    const bool isCost = find(costLines_) < static_cast<std::ptrdiff_t>(costLines_.size());
    const std::ptrdiff_t i = isCost ? find(costLines_) : find(balanceLines_);
    if (i >= static_cast<std::ptrdiff_t>(offers_.size())) {
        return {};
    }
    const int month = std::clamp(static_cast<int>(std::lround(xYears * 12.0)), 0, months_);
    const Cents value =
        (isCost ? cost_ : balance_)[static_cast<std::size_t>(i)][static_cast<std::size_t>(month)];
    const QString what = isCost ? tr("cost so far") : tr("balance");
    return tr("%1\nMonth %2 (year %3), %4: %5")
        .arg(offers_[static_cast<std::size_t>(i)].name)
        .arg(month)
        .arg(month == 0 ? 0 : YearOfMonth(month))
        .arg(what, output::MoneyText(value, separators_));
}

void CostChart::Hovered(QLineSeries* series, const QPointF& point, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    lastHover_ = HoverText(series, point.x());
    QToolTip::showText(QCursor::pos(), PlainToolTip(lastHover_), this);
}

void CostChart::UpdateDescription() {
    // A screen reader gets in words what the lines show.
    const auto horizonMonth = static_cast<std::size_t>(std::clamp(horizonYears_ * 12, 0, months_));
    QStringList parts;
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        parts.append(tr("%1: %2 after %3")
                         .arg(offers_[i].name,
                              output::MoneyText(cost_[i][horizonMonth], separators_),
                              YearsText(horizonYears_)));
    }
    QStringList balances;
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        balances.append(tr("%1: %2 owed after %3")
                            .arg(offers_[i].name,
                                 output::MoneyText(balance_[i][horizonMonth], separators_),
                                 YearsText(horizonYears_)));
        if (!extrasCost_[i].empty()) {
            parts.append(tr("%1 with extra payments: %2 after %3")
                             .arg(offers_[i].name,
                                  output::MoneyText(extrasCost_[i][horizonMonth], separators_),
                                  YearsText(horizonYears_)));
        }
    }
    for (const CostCrossing& c : crossings_) {
        parts.append(tr("%1 cross at month %2").arg(PairText(c)).arg(c.month));
    }
    costView_->setAccessibleDescription(parts.join(QStringLiteral("; ")));
    balanceView_->setAccessibleDescription(balances.join(QStringLiteral("; ")));
}

QString CostChart::NearestText(View view, const QPoint& viewportPos) const {
    const QChartView* chartView = view == View::Cost ? costView_ : balanceView_;
    const std::vector<QLineSeries*>& lines = view == View::Cost ? costLines_ : balanceLines_;
    QChart* chart = chartView->chart();
    const QPointF scenePos = chartView->mapToScene(viewportPos);
    const QPointF chartPos = chart->mapFromScene(scenePos);
    if (!chart->plotArea()
             .adjusted(-kNearPixels, -kNearPixels, kNearPixels, kNearPixels)
             .contains(chartPos))
        return {};
    const QLineSeries* nearest = nullptr;
    double best = kNearPixels;
    double bestYears = 0;
    for (const QLineSeries* line : lines) {
        if (line->count() == 0)
            continue;
        const double years = chart->mapToValue(chartPos, const_cast<QLineSeries*>(line)).x();
        // The points of the months around the pointer, measured on screen.
        const int month = std::clamp(static_cast<int>(std::lround(years * 12.0)), 0,
                                     static_cast<int>(line->count()) - 1);
        for (int m = std::max(0, month - 2);
             m <= std::min(static_cast<int>(line->count()) - 1, month + 2); ++m) {
            const QPointF at = chart->mapToPosition(line->at(m), const_cast<QLineSeries*>(line));
            const double distance = std::hypot(at.x() - chartPos.x(), at.y() - chartPos.y());
            if (distance <= best) {
                best = distance;
                nearest = line;
                bestYears = line->at(m).x();
            }
        }
    }
    return nearest ? HoverText(nearest, bestYears) : QString();
}

void CostChart::MarkMonth(int month) {
    marked_ = std::clamp(month, 0, std::max(0, months_));
    const bool cost = tabs_->currentWidget() != balanceView_;
    const std::vector<QLineSeries*>& lines = cost ? costLines_ : balanceLines_;
    QStringList figures;
    for (std::size_t i = 0; i < lines.size() && i < offers_.size(); ++i) {
        const auto& values = (cost ? cost_ : balance_)[i];
        if (static_cast<std::size_t>(marked_) < values.size())
            figures.append(tr("%1 %2").arg(
                offers_[i].name,
                output::MoneyText(values[static_cast<std::size_t>(marked_)], separators_)));
    }
    const QString text =
        tr("Month %1 (year %2), %3: %4")
            .arg(marked_)
            .arg(marked_ == 0 ? 0 : YearOfMonth(marked_))
            .arg(cost ? tr("cost so far") : tr("balance"), figures.join(QStringLiteral("; ")));
    markedLine_->setText(text);
    for (QLineSeries* mark : {costMark_, balanceMark_}) {
        if (!mark)
            continue;
        // From the foot of the dollar axis to its top, so the line crosses the whole chart.
        const QList<QAbstractAxis*> axes = mark->attachedAxes();
        const auto vertical = std::find_if(axes.begin(), axes.end(), [](QAbstractAxis* axis) {
            return axis->orientation() == Qt::Vertical;
        });
        const auto* dollars =
            vertical == axes.end() ? nullptr : qobject_cast<QValueAxis*>(*vertical);
        const double years = marked_ / 12.0;
        mark->replace({QPointF(years, dollars ? dollars->min() : 0.0),
                       QPointF(years, dollars ? dollars->max() : 1.0)});
        mark->setVisible(true);
    }
    QChartView* view = cost ? costView_ : balanceView_;
    const QString name =
        cost ? tr("Cost of each offer over time") : tr("Balance of each offer over time");
    // The new name is what a screen reader says of the focused chart.
    view->setAccessibleName(tr("%1. %2").arg(name, text));
}

bool CostChart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == costView_ || watched == balanceView_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int from = marked_ < 0 ? std::clamp(horizonYears_ * 12, 0, months_) : marked_;
        std::optional<int> to;
        switch (key->key()) {
        case Qt::Key_Left:
            to = marked_ < 0 ? from : from - 1;
            break;
        case Qt::Key_Right:
            to = marked_ < 0 ? from : from + 1;
            break;
        case Qt::Key_PageUp:
            to = from - 12;
            break;
        case Qt::Key_PageDown:
            to = from + 12;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = months_;
            break;
        default:
            break;
        }
        if (to && key->modifiers() == Qt::NoModifier) {
            platform::RunGuarded([&] { MarkMonth(*to); });
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove &&
        (watched == costView_->viewport() || watched == balanceView_->viewport())) {
        const View view = watched == costView_->viewport() ? View::Cost : View::Balance;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        platform::RunGuarded([&] {
            const QString text = NearestText(view, mouse->position().toPoint());
            if (!text.isEmpty()) {
                lastHover_ = text;
                QToolTip::showText(mouse->globalPosition().toPoint(), PlainToolTip(text),
                                   static_cast<QWidget*>(watched));
            }
        });
    }
    return QWidget::eventFilter(watched, event);
}

void CostChart::RenderCostChart(QPainter& painter, const QRectF& target) const {
    // The key goes beneath the chart in full names that wrap; a chart's own legend cuts long
    // names short.
    QFont keyFont(QStringLiteral("Liberation Sans"));
    keyFont.setStyleHint(QFont::SansSerif);
    keyFont.setPixelSize(8);
    const QFontMetricsF metrics(keyFont);
    constexpr double kSwatch = 14.0;
    const double textWidth = std::max(20.0, target.width() - kSwatch);
    struct Key {
        QColor colour;
        Qt::PenStyle style;
        QString text;
        double height;
    };
    std::vector<Key> keys;
    const auto add = [&](const QColor& colour, Qt::PenStyle style, const QString& text) {
        // Measured a point narrower than drawn, so the drawn text never needs a line more.
        const double height =
            metrics.boundingRect(QRectF(0, 0, textWidth - 1, 1e6), Qt::TextWordWrap, text).height();
        keys.push_back({colour, style, text, std::max(height, metrics.height()) + 2});
    };
    for (std::size_t i = 0; i < offers_.size(); ++i)
        add(LineColour(static_cast<int>(i), false), Qt::SolidLine, offers_[i].name);
    add(QColor(0x555555), Qt::DashLine, HorizonName(horizonYears_));
    if (!crossings_.empty()) {
        QStringList marks;
        for (const CostCrossing& c : crossings_)
            marks << tr("%1 at month %2").arg(PairText(c)).arg(c.month);
        add(Qt::black, Qt::NoPen, tr("Break-even: %1").arg(marks.join(QStringLiteral("; "))));
    }
    double keyHeight = 4;
    for (const Key& key : keys)
        keyHeight += key.height;
    keyHeight = std::min(keyHeight, target.height() * 0.6);

    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    FillChart(*chart, View::Cost, false, nullptr, nullptr, nullptr);
    chart->legend()->hide();
    const QRectF chartArea(target.topLeft(), QSizeF(target.width(), target.height() - keyHeight));
    // Drawn larger and scaled down, so the chart's screen-sized fonts come out small on paper.
    const QSizeF size = chartArea.size() * 1.4;
    chart->resize(size);
    chart->setBackgroundVisible(false);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, chartArea, scene.sceneRect());

    painter.save();
    painter.setFont(keyFont);
    double y = chartArea.bottom() + 4;
    for (const Key& key : keys) {
        if (key.style == Qt::NoPen) {
            painter.fillRect(QRectF(target.left() + 3, y + 3, 6, 6), key.colour);
        } else {
            painter.setPen(QPen(key.colour, 2.0, key.style));
            painter.drawLine(QPointF(target.left(), y + 6), QPointF(target.left() + 10, y + 6));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(target.left() + kSwatch, y, textWidth, key.height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, key.text);
        y += key.height;
    }
    painter.restore();
}

} // namespace plumcrest::compare
