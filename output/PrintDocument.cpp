#include "PrintDocument.h"

#include "DisclaimerText.h"
#include "Version.h"

#include <QCoreApplication>
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
constexpr double kFooterHeight = 26.0;  // a rule, then the disclaimer in two lines
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

int RowsPerPage(double pageHeight) {
    const double body = pageHeight - kHeadingHeight - kFooterHeight - kRowHeight; // header row
    return std::max(1, static_cast<int>(std::floor(body / kRowHeight)));
}

struct Pagination {
    int rowsPerPage = 1;
    int tablePages = 1;
    bool chartOnOwnPage = false;
    int pages = 1;
};

Pagination Paginate(const PrintTable& table, double pageHeight, bool withChart) {
    Pagination p;
    p.rowsPerPage = RowsPerPage(pageHeight);
    const int rows = static_cast<int>(table.rows.size());
    p.tablePages = std::max(1, (rows + p.rowsPerPage - 1) / p.rowsPerPage);
    p.pages = p.tablePages;
    if (withChart) {
        const int lastRows = rows - (p.tablePages - 1) * p.rowsPerPage;
        const double used = kHeadingHeight + kRowHeight * (lastRows + 1) + kChartGap;
        p.chartOnOwnPage = pageHeight - kFooterHeight - used < kChartMinHeight;
        p.pages += p.chartOnOwnPage ? 1 : 0;
    }
    return p;
}

void DrawFurniture(QPainter& painter, const QSizeF& page, const PrintHeading& heading,
                   int pageNumber, int pageCount) {
    painter.setPen(Qt::black);
    painter.setFont(PageFont(kBodySize, true));
    const QRectF top(0, 0, page.width(), kRowHeight);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, ProgramLine());
    painter.setFont(PageFont(kBodySize, false));
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, heading.date);

    painter.setFont(PageFont(kTitleSize, true));
    painter.drawText(QRectF(0, kRowHeight + 2, page.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
                     heading.title);
    if (!heading.subtitle.isEmpty()) {
        painter.setFont(PageFont(kBodySize, false));
        painter.drawText(QRectF(0, kRowHeight + 22, page.width(), kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, heading.subtitle);
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

void DrawRow(QPainter& painter, const PrintTable& table, const QList<double>& edges, double y,
             const QStringList& cells, bool bold) {
    painter.setFont(PageFont(kBodySize, bold));
    const QFontMetricsF metrics(painter.font());
    for (qsizetype i = 0; i < cells.size() && i + 1 < edges.size(); ++i) {
        const QRectF cell(edges[i] + 3, y, edges[i + 1] - edges[i] - 6, kRowHeight);
        const bool right = i < table.alignRight.size() && table.alignRight[i];
        painter.drawText(cell, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                         metrics.elidedText(cells[i], Qt::ElideRight, cell.width()));
    }
}

} // namespace

QString ProgramLine() {
    return QStringLiteral("%1 %2").arg(QLatin1String(version::kProductName),
                                       QLatin1String(version::kVersionText));
}

QString DisclaimerLine() {
    // The dialog's words, untranslated like the dialog itself.
    return QString::fromStdString(dialogs::DisclaimerSentence());
}

int PageCount(const PrintTable& table, double pageHeightPoints, bool withChart) {
    return Paginate(table, pageHeightPoints, withChart).pages;
}

bool PrintDocument(QPagedPaintDevice& device, const PrintHeading& heading, const PrintTable& table,
                   const ChartPainter& chart, int* pages) {
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
    const Pagination pagination = Paginate(table, page.height(), static_cast<bool>(chart));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The paint rectangle starts at the painter's origin on printers and PDF writers alike.
    const double scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QList<double> edges = ColumnEdges(table, page.width());
    const int rows = static_cast<int>(table.rows.size());
    int pageNumber = 0;
    double y = 0;
    for (int p = 0; p < pagination.tablePages; ++p) {
        if (p > 0 && !device.newPage()) {
            return false;
        }
        ++pageNumber;
        DrawFurniture(painter, page, heading, pageNumber, pagination.pages);
        y = kHeadingHeight;
        painter.fillRect(QRectF(0, y, page.width(), kRowHeight), QColor(0xE8, 0xE8, 0xE8));
        painter.setPen(Qt::black);
        DrawRow(painter, table, edges, y, table.headers, true);
        y += kRowHeight;
        const int end = std::min(rows, (p + 1) * pagination.rowsPerPage);
        for (int r = p * pagination.rowsPerPage; r < end; ++r) {
            const PrintTable::Row& row = table.rows[static_cast<std::size_t>(r)];
            if (row.emphasis) {
                painter.setPen(QPen(Qt::black, 0.5));
                painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
            }
            painter.setPen(Qt::black);
            if (row.span) {
                painter.setFont(PageFont(kBodySize, row.emphasis));
                painter.drawText(QRectF(3, y, page.width() - 6, kRowHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, row.cells.value(0));
            } else {
                DrawRow(painter, table, edges, y, row.cells, row.emphasis);
            }
            y += kRowHeight;
        }
    }
    if (chart) {
        if (pagination.chartOnOwnPage) {
            if (!device.newPage()) {
                return false;
            }
            ++pageNumber;
            DrawFurniture(painter, page, heading, pageNumber, pagination.pages);
            y = kHeadingHeight;
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
