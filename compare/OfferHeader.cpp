#include "OfferHeader.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTextLayout>
#include <algorithm>

namespace plumcrest::compare {

namespace {

// The selected column's name is drawn bold: the lines are measured bold, so they fit either way.
QFont MeasuringFont(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

OfferHeader::OfferHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    // As a table's own header: a click selects the offer's column, which shows selected.
    setSectionsClickable(true);
    setHighlightSections(true);
    // The header is as tall as its longest name needs at the columns' widths.
    connect(this, &QHeaderView::sectionResized, this, [this](int logicalIndex) {
        headerDataChanged(Qt::Horizontal, logicalIndex, logicalIndex);
        emit geometriesChanged();
    });
    if (parent)
        parent->installEventFilter(this);
}

int OfferHeader::MostLines() const {
    // A short table (a small screen, a large font) keeps its rows in view: the header takes a
    // third of it at most, and a name it cannot hold then ends in an ellipsis.
    const QWidget* table = parentWidget();
    if (!table)
        return kMostLines;
    const int line = QFontMetrics(MeasuringFont(font())).lineSpacing();
    return std::clamp(table->height() / 3 / std::max(1, line), 1, kMostLines);
}

bool OfferHeader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && count() > 0 &&
        MostLines() != shownMost_) {
        shownMost_ = MostLines();
        headerDataChanged(Qt::Horizontal, 0, count() - 1);
        emit geometriesChanged();
    }
    return QHeaderView::eventFilter(watched, event);
}

int OfferHeader::TextWidth(int logicalIndex) const {
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return std::max(1, sectionSize(logicalIndex) - 2 * margin - 2);
}

QStringList OfferHeader::ShownLines(int logicalIndex) const {
    return Lines(logicalIndex, MostLines(), nullptr);
}

bool OfferHeader::FitsWhole(int logicalIndex) const {
    bool whole = true;
    Lines(logicalIndex, kMostLines, &whole);
    return whole;
}

QStringList OfferHeader::Lines(int logicalIndex, int most, bool* whole) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    const int width = TextWidth(logicalIndex);
    const QFont font = MeasuringFont(this->font());
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() + 1 == most && line.textStart() + line.textLength() < text.size()) {
            // The last line there is room for: the rest of the name, cut with an ellipsis.
            if (whole)
                *whole = false;
            lines << QFontMetrics(font).elidedText(text.mid(line.textStart()).trimmed(),
                                                   Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

QSize OfferHeader::sectionSizeFromContents(int logicalIndex) const {
    // The width stays that of the name on one line, which fitting a column to its contents
    // gives; the height grows by the lines the name wraps onto.
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (model()) {
        // Room for the name on one line as ShownLines measures it, bold and within the margins.
        const QString text =
            model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        size.setWidth(
            std::max(size.width(),
                     QFontMetrics(MeasuringFont(font())).horizontalAdvance(text) + 2 * margin + 3));
    }
    const auto lines = static_cast<int>(ShownLines(logicalIndex).size());
    if (lines > 1)
        size.setHeight(size.height() +
                       (lines - 1) * QFontMetrics(MeasuringFont(font())).lineSpacing());
    return size;
}

void OfferHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text = ShownLines(logicalIndex).join(QLatin1Char('\n'));
    // Cut, where cut, by ShownLines: the style's own cut would take the lines for one.
    option.textElideMode = Qt::ElideNone;
    const QPointF origin = painter->brushOrigin();
    painter->setBrushOrigin(rect.topLeft());
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->setBrushOrigin(origin);
}

} // namespace plumcrest::compare
