#pragma once
// Paper and PDF output of a table (and optionally a chart) on the pages of any paged device:
// a printer, a print preview or a PDF file. Every page carries the program's name and version,
// the date, a title and the disclaimer; a table longer than a page goes on over the
// next pages with its header row repeated. Every text wraps within its column or the margins,
// never cut short: a row grows as tall as its longest cell. The layout is in points, so a page
// holds the same rows on any printer resolution.

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QDate;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QRectF;

namespace plumcrest::output {

struct PrintTable {
    struct Row {
        QStringList cells;
        bool emphasis = false; // a subtotal or total: bold, with a rule above
        bool span = false;     // one line of text across the whole width (a note)
    };
    QStringList headers;
    QList<double> widths;   // relative width of each column
    QList<bool> alignRight; // per column; numbers align right
    std::vector<Row> rows;
};

struct PrintHeading {
    QString title;    // what the document is, e.g. the offer's schedule
    QString subtitle; // one line of detail under it; may be empty
    QString date;     // already in the reader's format
};

// Draws the chart into the rectangle (points); a chart gets a page area of its own when the
// last page of the table has too little room left.
using ChartPainter = std::function<void(QPainter&, const QRectF&)>;

// "Plumcrest 4.0", and the disclaimer dialog's words as one plain sentence, as the pages show
// them.
QString ProgramLine();
QString DisclaimerLine();

// The number of pages PrintDocument will use on a device with this page area (points).
int PageCount(const PrintTable& table, const QSizeF& pagePoints, const PrintHeading& heading,
              bool withChart);

// The heading's date in the language of the page texts: the locale the loaded translation names
// (United States English when none is loaded), so an English page never carries a date in
// another language.
QString PageDate(const QDate& date);

// Paints the document; false when the device could not be started, could not open a page or
// could not be finished (e.g. a PDF whose bytes could not all be written). `pages`, when given,
// receives the page count.
bool PrintDocument(QPagedPaintDevice& device, const PrintHeading& heading, const PrintTable& table,
                   const ChartPainter& chart = {}, int* pages = nullptr);

// Paper of `size` with half-inch margins: what paper and PDF both start from.
QPageLayout PaperLayout(const QPageSize& size);
void SetUpPaper(QPrinter& printer, const QPageSize& size);

// Letter where the locale measures in inches, A4 elsewhere.
QPageSize DefaultPaperForLocale();

} // namespace plumcrest::output
