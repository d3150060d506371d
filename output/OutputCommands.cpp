#include "OutputCommands.h"

#include "Guarded.h"
#include "Services.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

namespace plumcrest::output {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::output::OutputCommands)
};

// The folder of the last save in this session; the home folder at first.
QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

void ReportFailure(QWidget* parent, const QString& error) {
    platform::TheMessages().Show(parent, platform::MessageIcon::Error, Words::tr("Not Saved"),
                                 error);
}

// Moves the finished file over the target. The explicit flush comes first because commit() in
// this Qt does not notice a failed write of its last buffered bytes and would move a cut-off
// file into place.
bool Commit(QSaveFile& file) {
    return file.flush() && file.commit();
}

} // namespace

bool WriteCsvFile(const QString& path, const std::string& csv, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !Commit(file)) {
        if (error) {
            *error = Words::tr("Could not save %1: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    return true;
}

bool WritePdfFile(const QString& path, const OutputDocument& document, const QPageSize& size,
                  QString* error, int* pages) {
    // Written beside the target and moved over it only when complete, so a full disk or a
    // failed write never leaves a cut-off PDF nor spoils an older file of the same name.
    QSaveFile file(path);
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setPageLayout(PaperLayout(size));
        writer.setCreator(ProgramLine());
        // The title a PDF viewer shows in its window and document properties.
        writer.setTitle(document.heading.title);
        written = PrintDocument(writer, document.heading, document.table, document.chart, pages);
    }
    if (!written || !Commit(file)) {
        if (error) {
            const QString reason = file.error() != QFileDevice::NoError
                                       ? file.errorString()
                                       : Words::tr("the file cannot be written.");
            *error = Words::tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason);
        }
        return false;
    }
    return true;
}

QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName,
                    const QString& filter, const QString& suffix) {
    // Qt's own dialog: the same on every desktop and readable over the accessibility bus.
    QFileDialog dialog(parent, caption, QDir(LastFolder()).filePath(suggestedName), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

OutputActions AddOutputActions(QMenu& menu, QWidget& window, const QString& baseName, CsvSource csv,
                               DocumentSource document) {
    OutputActions actions;
    QWidget* w = &window;

    actions.exportCsv = menu.addAction(Words::tr("&Export as CSV..."));
    actions.exportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    using platform::Guarded;
    QObject::connect(actions.exportCsv, &QAction::triggered, w, Guarded([w, baseName, csv] {
                         const QString path =
                             AskSavePath(w, Words::tr("Export as CSV"), baseName + ".csv",
                                         Words::tr("CSV files (*.csv)"), QStringLiteral("csv"));
                         QString error;
                         if (!path.isEmpty() && !WriteCsvFile(path, csv(), &error)) {
                             ReportFailure(w, error);
                         }
                     }));

    actions.savePdf = menu.addAction(Words::tr("Save as P&DF..."));
    actions.savePdf->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(actions.savePdf, &QAction::triggered, w, Guarded([w, baseName, document] {
                         const QString path =
                             AskSavePath(w, Words::tr("Save as PDF"), baseName + ".pdf",
                                         Words::tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
                         QString error;
                         if (!path.isEmpty() &&
                             !WritePdfFile(path, document(), DefaultPaperForLocale(), &error)) {
                             ReportFailure(w, error);
                         }
                     }));

    menu.addSeparator();
    actions.printPreview = menu.addAction(Words::tr("Print Pre&view..."));
    actions.printPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QObject::connect(actions.printPreview, &QAction::triggered, w, Guarded([w, document] {
                         QPrinter printer(QPrinter::HighResolution);
                         SetUpPaper(printer, DefaultPaperForLocale());
                         const OutputDocument doc = document();
                         printer.setDocName(doc.heading.title);
                         QPrintPreviewDialog preview(&printer, w);
                         QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                                          [&doc](QPrinter* target) {
                                              platform::RunGuarded([&doc, target] {
                                                  PrintDocument(*target, doc.heading, doc.table,
                                                                doc.chart);
                                              });
                                          });
                         preview.exec();
                     }));

    actions.print = menu.addAction(Words::tr("&Print..."));
    actions.print->setShortcut(QKeySequence::Print);
    QObject::connect(actions.print, &QAction::triggered, w, Guarded([w, document] {
                         QPrinter printer(QPrinter::HighResolution);
                         SetUpPaper(printer, DefaultPaperForLocale());
                         QPrintDialog dialog(&printer, w);
                         if (dialog.exec() != QDialog::Accepted) {
                             return;
                         }
                         const OutputDocument doc = document();
                         printer.setDocName(doc.heading.title); // the job's name in the print queue
                         if (!PrintDocument(printer, doc.heading, doc.table, doc.chart)) {
                             ReportFailure(w, Words::tr("The printer could not be started."));
                         }
                     }));
    for (QAction* action :
         {actions.exportCsv, actions.savePdf, actions.printPreview, actions.print}) {
        window.addAction(action); // shortcuts work while the menu is closed
    }
    return actions;
}

} // namespace plumcrest::output
