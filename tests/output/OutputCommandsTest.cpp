// The output commands' exception boundary: a fault inside a command reaches the application's
// report once, after the command's event, and never unwinds through Qt.

#include "OutputCommands.h"

#include "FakePlatform.h"
#include "Guarded.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

using namespace plumcrest::output;
using plumcrest::platform::ExceptionEvent;

namespace {

// Collects what the exception boundary posts to the application object for reporting.
class ReportWatch : public QObject {
public:
    ReportWatch() { qApp->installEventFilter(this); }
    ~ReportWatch() override { qApp->removeEventFilter(this); }
    QStringList reports;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != ExceptionEvent::kType)
            return false;
        try {
            std::rethrow_exception(static_cast<ExceptionEvent*>(event)->Error());
        } catch (const std::exception& error) {
            reports << QString::fromStdString(error.what());
        }
        return true;
    }
};

} // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // State: a window whose CSV cannot be made: its source throws.
    // Action: Export as CSV, a new file named in the file dialog.
    // Expected: the command returns normally; once its event is over, exactly one report
    //   carrying the fault; no file and no message box.
    void a_fault_in_export_ends_in_one_report() {
        plumcrest::testing::FakePlatform platform;
        QWidget window;
        QMenu menu(&window);
        const OutputActions actions = AddOutputActions(
            menu, window, QStringLiteral("Lakeside"),
            []() -> std::string { throw std::runtime_error("no figures"); },
            [] { return OutputDocument{}; });
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lakeside.csv"));
        QTimer::singleShot(0, [&path] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept checks the name
            } else if (modal) {
                modal->close();
            }
        });
        ReportWatch watch;
        QVERIFY_THROWS_NO_EXCEPTION(actions.exportCsv->trigger());
        QVERIFY(watch.reports.isEmpty());
        QCoreApplication::sendPostedEvents(qApp, ExceptionEvent::kType);
        QCOMPARE(watch.reports, QStringList{QStringLiteral("no figures")});
        QVERIFY(!QFile::exists(path));
        QVERIFY(platform.messages.shown.empty());
    }
};

QTEST_MAIN(OutputCommandsTest)
#include "OutputCommandsTest.moc"
