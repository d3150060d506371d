#pragma once
// The four ways a window's figures leave the program: CSV through the file dialog, PDF through
// the file dialog, printing through the print dialog, and the print preview. Each window gives
// what it has (CSV text, a printable document) on demand; the writers below the dialogs are
// separate so they can run without any dialog.

#include "PrintDocument.h"

#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace plumcrest::output {

struct OutputDocument {
    PrintHeading heading;
    PrintTable table;
    ChartPainter chart; // may be empty
};

using CsvSource = std::function<std::string()>;
using DocumentSource = std::function<OutputDocument()>;

// Writes the bytes in one step (a failure leaves any older file as it was).
bool WriteCsvFile(const QString& path, const std::string& csv, QString* error);
// Writes the document as PDF on paper of `size`.
bool WritePdfFile(const QString& path, const OutputDocument& document, const QPageSize& size,
                  QString* error, int* pages = nullptr);

// The file dialog for saving: the chosen path, or empty when cancelled.
QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName,
                    const QString& filter, const QString& suffix);

struct OutputActions {
    QAction* exportCsv = nullptr;
    QAction* savePdf = nullptr;
    QAction* printPreview = nullptr;
    QAction* print = nullptr;
};

// Adds "Export as CSV..." (Ctrl+E), "Save as PDF..." (Ctrl+Shift+S), "Print Preview..."
// (Ctrl+Shift+P) and "Print..." (Ctrl+P) to the menu, acting on the window; a failed write is
// reported in a message box.
OutputActions AddOutputActions(QMenu& menu, QWidget& window, const QString& baseName, CsvSource csv,
                               DocumentSource document);

} // namespace plumcrest::output
