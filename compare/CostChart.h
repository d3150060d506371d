#pragma once
// The comparison chart: for each kept offer, the cost of the loan so far (fees plus interest and
// mortgage insurance paid) month by month over the longest term, with the horizon and the
// break-even crossings marked; a second view shows each offer's balance. Colours start from the
// Okabe-Ito set, which readers with the common colour-vision deficiencies tell apart, each readable
// on a light or a dark window and none the colour of the break-even marks. Only as many offers
// are drawn as there are colours; a line under the chart says which. Pointing at or near a line
// names the offer and its figure at that month; the first years, where offers usually cross, can
// be shown on their own.

#include "Amortization.h"
#include "CostSeries.h"
#include "PictureMask.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPainter;
class QRectF;
class QTabWidget;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
QT_END_NAMESPACE

namespace plumcrest::compare {

struct ChartOffer {
    QString name;
    Cents fees = 0; // loan costs less lender credits, paid at closing
    AmortizationSchedule schedule;
    InsurancePlan insurance;
    // The same loan with extra payments, drawn as a second, dashed line of the offer's colour.
    struct Extras {
        AmortizationSchedule schedule;
        InsurancePlan insurance;
    };
    std::optional<Extras> withExtras = std::nullopt;
};

class CostChart : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(CostChart)

public:
    enum class View { Cost, Balance };
    // The most lines drawn: beyond the colour set's size they no longer tell apart.
    static constexpr int kMostLines = 8;

    explicit CostChart(QWidget* parent = nullptr);
    ~CostChart() override;

    // Draws the first kMostLines of the offers.
    void SetOffers(std::vector<ChartOffer> offers, int horizonYears,
                   const LocaleSeparators& separators);
    // The years shown from the start, 0 for the whole term.
    void ShowYears(int years);
    int ShownYears() const { return rangeYears_; }
    QComboBox* RangeField() const { return range_; }
    // Which offers are drawn, in full names (empty when there are none).
    QLabel* DrawnLine() const { return drawn_; }
    void SetHorizon(int horizonYears);
    void ShowView(View view);
    View CurrentView() const;

    // The longest term in months; the x axis runs in years from 0 to it / 12.
    int Months() const { return months_; }
    const std::vector<CostCrossing>& Crossings() const { return crossings_; }

    // The series on screen, in the order of the offers (for tests and the accessibility text).
    QLineSeries* CostLine(int offer) const;
    QLineSeries* BalanceLine(int offer) const;
    // The offer's line with extra payments; nullptr when it has none.
    QLineSeries* ExtrasCostLine(int offer) const;
    QScatterSeries* BreakEvenPoints() const;
    QLineSeries* HorizonLine() const;
    // The vertical line at the marked month, hidden before any month is marked.
    QLineSeries* MarkLine(View view) const;
    QChart* Chart(View view) const;

    // What pointing at a line shows (the last hover's text is kept for tests).
    QString HoverText(const QLineSeries* series, double xYears) const;
    // The text of the line point nearest to a position in a chart view's viewport, within a
    // few pixels; empty when no line is that near.
    QString NearestText(View view, const QPoint& viewportPos) const;
    QString LastHoverText() const { return lastHover_; }

    // The month marked from the keyboard (the arrow keys move it in a focused chart: Left and
    // Right a month, Page Up and Page Down a year, Home and End to the ends), -1 before any;
    // a line marks it on both charts, and its figures show in MarkedLine() and are the focused
    // chart's name to a screen reader.
    void MarkMonth(int month);
    int MarkedMonth() const { return marked_; }
    QLabel* MarkedLine() const { return markedLine_; }

    // The cost view drawn into a rectangle of any painter, in light colours (paper).
    void RenderCostChart(QPainter& painter, const QRectF& target) const;

    // The colour of the i-th line, light or dark background.
    static QColor LineColour(int index, bool darkBackground);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void ApplyLook();
    void FillChart(QChart& chart, View view, bool dark, std::vector<QLineSeries*>* lines,
                   QScatterSeries** breakEven, QLineSeries** horizon,
                   std::vector<QLineSeries*>* extrasLines = nullptr,
                   QLineSeries** mark = nullptr) const;
    void Hovered(QLineSeries* series, const QPointF& point, bool state);
    void BreakEvenHovered(const QPointF& point, bool state);
    void UpdateDescription();
    void UpdateDrawnLine(std::size_t given);
    QString PairText(const CostCrossing& crossing) const;
    bool DarkPalette() const;

    std::vector<ChartOffer> offers_;
    std::vector<std::vector<Cents>> cost_;
    std::vector<std::vector<Cents>> balance_;
    std::vector<std::vector<Cents>> extrasCost_; // empty for an offer without extras
    std::vector<std::vector<Cents>> extrasBalance_;
    std::vector<CostCrossing> crossings_;
    int months_ = 0;
    int horizonYears_ = 7;
    int rangeYears_ = 0;
    LocaleSeparators separators_;

    QTabWidget* tabs_ = nullptr;
    QComboBox* range_ = nullptr;
    QLabel* drawn_ = nullptr;
    QChartView* costView_ = nullptr;
    QChartView* balanceView_ = nullptr;
    std::vector<QLineSeries*> costLines_;
    std::vector<QLineSeries*> balanceLines_;
    std::vector<QLineSeries*> extrasCostLines_; // one per offer, nullptr without extras
    QScatterSeries* breakEven_ = nullptr;
    QLineSeries* horizon_ = nullptr;
    QLineSeries* balanceHorizon_ = nullptr;
    QString lastHover_;
    int marked_ = -1;
    QLineSeries* costMark_ = nullptr;
    QLineSeries* balanceMark_ = nullptr;
    QLabel* markedLine_ = nullptr;
};

} // namespace plumcrest::compare
