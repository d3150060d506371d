#include "PrintDocument.h"

#include "DisclaimerText.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace plumcrest::output {

namespace {

// Everything below is in points (1/72 inch).
constexpr double kRowHeight = 13.0;
constexpr double kHeadingHeight = 52.0; // program line, title, subtitle and a gap
constexpr double kHeadingGap = 6.0;
constexpr double kRowPadding = 3.0;    // above and below the lines of a grown row
constexpr double kFooterHeight = 26.0; // a rule, then the disclaimer in two lines
constexpr double kFooterTextTop = 6.0;
constexpr double kChartMinHeight = 260.0;
constexpr double kChartGap = 12.0;
constexpr int kBodySize = 9;
constexpr int kTitleSize = 13;
// The disclaimer takes the largest of these that fits its two lines.
constexpr int kFinePrintSizes[] = {8, 7, 6};

struct Words {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::output::PrintDocument)
};

QFont PageFont(int size, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    // A pixel size in the painter's point-scaled coordinates is a size in points on paper.
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

// Measured a point narrower than drawn, so the drawn text never needs a line more than the
// row was given.
double TextHeight(const QFont& font, double width, const QString& text) {
    const QFontMetricsF metrics(font);
    const double lines =
        metrics.boundingRect(QRectF(0, 0, std::max(1.0, width - 1), 1e6), Qt::TextWordWrap, text)
            .height();
    return std::max(lines, metrics.height());
}

QList<double> ColumnEdges(const PrintTable& table, double width) {
    double total = 0;
    for (double w : table.widths) {
        total += w;
    }
    QList<double> edges{0.0};
    for (qsizetype i = 0; i < table.headers.size(); ++i) {
        const double w = i < table.widths.size() && total > 0 ? table.widths[i] / total
                                                              : 1.0 / table.headers.size();
        edges.append(edges.back() + w * width);
    }
    return edges;
}

// Rows grow to hold their longest cell wrapped within its column; a one-line row keeps the
// usual height.
double CellsHeight(const QList<double>& edges, const QStringList& cells, bool bold) {
    const QFont font = PageFont(kBodySize, bold);
    double height = 0;
    for (qsizetype i = 0; i < cells.size() && i + 1 < edges.size(); ++i) {
        height = std::max(height, TextHeight(font, edges[i + 1] - edges[i] - 6, cells[i]));
    }
    return std::max(kRowHeight, height + kRowPadding);
}

double RowHeight(const PrintTable::Row& row, const QList<double>& edges, double width) {
    if (row.span) {
        return std::max(kRowHeight, TextHeight(PageFont(kBodySize, row.emphasis), width - 6,
                                               row.cells.value(0)) +
                                        kRowPadding);
    }
    return CellsHeight(edges, row.cells, row.emphasis);
}

struct HeadingLayout {
    double titleHeight = 18;
    double subtitleHeight = 0;
    double height = kHeadingHeight;
};

HeadingLayout LayOutHeading(const PrintHeading& heading, double width) {
    HeadingLayout h;
    h.titleHeight = std::max(18.0, TextHeight(PageFont(kTitleSize, true), width, heading.title));
    h.subtitleHeight = heading.subtitle.isEmpty()
                           ? 0
                           : TextHeight(PageFont(kBodySize, false), width, heading.subtitle);
    h.height = std::max(kHeadingHeight,
                        kRowHeight + 2 + h.titleHeight + 2 + h.subtitleHeight + kHeadingGap);
    return h;
}

struct Pagination {
    HeadingLayout heading;
    QList<double> edges;
    double headerHeight = kRowHeight;
    std::vector<double> rowHeights;
    std::vector<int> pageStarts{0}; // the first row of each table page
    double lastPageEnd = 0;         // where the table ends on its last page
    bool chartOnOwnPage = false;
    int tablePages = 1;
    int pages = 1;
};

Pagination Paginate(const PrintTable& table, const QSizeF& page, const PrintHeading& heading,
                    bool withChart) {
    Pagination p;
    p.heading = LayOutHeading(heading, page.width());
    p.edges = ColumnEdges(table, page.width());
    p.headerHeight = CellsHeight(p.edges, table.headers, true);
    const double top = p.heading.height + p.headerHeight;
    const double bottom = page.height() - kFooterHeight;
    double y = top;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const double height = RowHeight(table.rows[r], p.edges, page.width());
        p.rowHeights.push_back(height);
        // A row starts a new page when it does not fit; a row taller than a page stands alone.
        if (y + height > bottom && y > top) {
            p.pageStarts.push_back(static_cast<int>(r));
            y = top;
        }
        y += height;
    }
    p.lastPageEnd = y;
    p.tablePages = static_cast<int>(p.pageStarts.size());
    p.pages = p.tablePages;
    if (withChart) {
        p.chartOnOwnPage = bottom - (y + kChartGap) < kChartMinHeight;
        p.pages += p.chartOnOwnPage ? 1 : 0;
    }
    return p;
}

void DrawFurniture(QPainter& painter, const QSizeF& page, const PrintHeading& heading,
                   const HeadingLayout& layout, int pageNumber, int pageCount) {
    painter.setPen(Qt::black);
    painter.setFont(PageFont(kBodySize, true));
    const QRectF top(0, 0, page.width(), kRowHeight);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, ProgramLine());
    painter.setFont(PageFont(kBodySize, false));
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, heading.date);

    painter.setFont(PageFont(kTitleSize, true));
    painter.drawText(QRectF(0, kRowHeight + 2, page.width(), layout.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, heading.title);
    if (!heading.subtitle.isEmpty()) {
        painter.setFont(PageFont(kBodySize, false));
        painter.drawText(
            QRectF(0, kRowHeight + 4 + layout.titleHeight, page.width(), layout.subtitleHeight),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, heading.subtitle);
    }

    const double footerTop = page.height() - kFooterHeight;
    painter.setPen(QPen(Qt::gray, 0.5));
    painter.drawLine(QPointF(0, footerTop + 4), QPointF(page.width(), footerTop + 4));
    painter.setPen(Qt::black);
    const QRectF footer(0, footerTop + kFooterTextTop, page.width(),
                        kFooterHeight - kFooterTextTop);
    const QString pageText = Words::tr("Page %1 of %2").arg(pageNumber).arg(pageCount);
    painter.setFont(PageFont(kFinePrintSizes[0], false));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, pageText);
    const double pageTextWidth = QFontMetricsF(painter.font()).horizontalAdvance(pageText) + 12;
    const QRectF disclaimer(footer.left(), footer.top(), footer.width() - pageTextWidth,
                            footer.height());
    const QString line = DisclaimerLine();
    for (const int size : kFinePrintSizes) { // the smallest stays when none fits
        painter.setFont(PageFont(size, false));
        if (painter.boundingRect(disclaimer, Qt::TextWordWrap, line).height() <=
            disclaimer.height()) {
            break;
        }
    }
    // Ends on the line of the page number, so text read back in lines keeps the sentence whole.
    painter.drawText(disclaimer, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, line);
}

void DrawRow(QPainter& painter, const PrintTable& table, const QList<double>& edges, double y,
             double height, const QStringList& cells, bool bold) {
    painter.setFont(PageFont(kBodySize, bold));
    for (qsizetype i = 0; i < cells.size() && i + 1 < edges.size(); ++i) {
        const QRectF cell(edges[i] + 3, y, edges[i + 1] - edges[i] - 6, height);
        const bool right = i < table.alignRight.size() && table.alignRight[i];
        painter.drawText(
            cell, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextWordWrap,
            cells[i]);
    }
}

} // namespace

QString ProgramLine() {
    return QStringLiteral("%1 %2").arg(QLatin1String(version::kProductName),
                                       QLatin1String(version::kVersionText));
}

QString DisclaimerLine() {
    // The dialog's words, untranslated like the dialog itself.
    auto translated = [](std::string_view run) {
        return QCoreApplication::translate("Disclaimer", run.data()).toStdString();
    };
    return QString::fromStdString(dialogs::DisclaimerSentence(
        translated(dialogs::kDisclaimerLead), translated(dialogs::kDisclaimerWarranty),
        translated(dialogs::kDisclaimerAdvice)));
}

int PageCount(const PrintTable& table, const QSizeF& pagePoints, const PrintHeading& heading,
              bool withChart) {
    return Paginate(table, pagePoints, heading, withChart).pages;
}

QString PageDate(const QDate& date) {
    // The pages speak the language of the translation in use; its translator names the locale
    // of its dates here, and English pages write them as in the United States.
    const QLocale locale(Words::tr("en_US", "the locale whose long date format the printed "
                                            "pages use: this translation's own"));
    return locale.toString(date, QLocale::LongFormat);
}

bool PrintDocument(QPagedPaintDevice& device, const PrintHeading& heading, const PrintTable& table,
                   const ChartPainter& chart, int* pages) {
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    const Pagination pagination = Paginate(table, page, heading, static_cast<bool>(chart));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The paint rectangle starts at the painter's origin on printers and PDF writers alike.
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QList<double>& edges = pagination.edges;
    const int rows = static_cast<int>(table.rows.size());
    int pageNumber = 0;
    double y = 0;
    for (int p = 0; p < pagination.tablePages; ++p) {
        if (p > 0 && !device.newPage()) {
            return false;
        }
        ++pageNumber;
        DrawFurniture(painter, page, heading, pagination.heading, pageNumber, pagination.pages);
        y = pagination.heading.height;
        painter.fillRect(QRectF(0, y, page.width(), pagination.headerHeight),
                         QColor(0xE8, 0xE8, 0xE8));
        painter.setPen(Qt::black);
        DrawRow(painter, table, edges, y, pagination.headerHeight, table.headers, true);
        y += pagination.headerHeight;
        const int end = p + 1 < pagination.tablePages
                            ? pagination.pageStarts[static_cast<std::size_t>(p + 1)]
                            : rows;
        for (int r = pagination.pageStarts[static_cast<std::size_t>(p)]; r < end; ++r) {
            const PrintTable::Row& row = table.rows[static_cast<std::size_t>(r)];
            const double height = pagination.rowHeights[static_cast<std::size_t>(r)];
            if (row.emphasis) {
                painter.setPen(QPen(Qt::black, 0.5));
                painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
            }
            painter.setPen(Qt::black);
            if (row.span) {
                painter.setFont(PageFont(kBodySize, row.emphasis));
                painter.drawText(QRectF(3, y, page.width() - 6, height),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                 row.cells.value(0));
            } else {
                DrawRow(painter, table, edges, y, height, row.cells, row.emphasis);
            }
            y += height;
        }
    }
    if (chart) {
        if (pagination.chartOnOwnPage) {
            if (!device.newPage()) {
                return false;
            }
            ++pageNumber;
            DrawFurniture(painter, page, heading, pagination.heading, pageNumber, pagination.pages);
            y = pagination.heading.height;
        } else {
            y += kChartGap;
        }
        const double bottom = page.height() - kFooterHeight - kChartGap;
        const double height = std::min(bottom - y, page.width() * 0.62);
        painter.save();
        chart(painter, QRectF(0, y, page.width(), height));
        painter.restore();
    }
    // A PDF is finished only here; a device that stopped taking bytes says so now.
    if (!painter.end()) {
        return false;
    }
    if (pages) {
        *pages = pagination.pages;
    }
    return true;
}

QPageLayout PaperLayout(const QPageSize& size) {
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

void SetUpPaper(QPrinter& printer, const QPageSize& size) {
    printer.setPageLayout(PaperLayout(size));
    printer.setCreator(ProgramLine());
}

QPageSize DefaultPaperForLocale() {
    return QPageSize(QLocale().measurementSystem() == QLocale::MetricSystem ? QPageSize::A4
                                                                            : QPageSize::Letter);
}

} // namespace plumcrest::output
