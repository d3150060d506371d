// A tiny window with the same outside shape as the calculator (named fields, a second
// "Help" window, an information box, a saved file on close) so the end-to-end harness
// can be proven without the real program.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QAction>

namespace {

QString configHome()
{
    const QString env = qEnvironmentVariable("XDG_CONFIG_HOME");
    return env.isEmpty() ? QDir::homePath() + "/.config" : env;
}

class StandinWindow : public QMainWindow {
public:
    StandinWindow()
    {
        setWindowTitle("Harness Stand-in");
        first_.setAccessibleName("First Field");
        second_.setAccessibleName("Second Field");
        exit_.setText("E&xit");
        auto *file = menuBar()->addMenu("&File");
        connect(file->addAction("E&xit"), &QAction::triggered, this, &QWidget::close);
        auto *central = new QWidget(this);
        setCentralWidget(central);
        auto *layout = new QVBoxLayout(central);
        layout->addWidget(&first_);
        layout->addWidget(&second_);
        layout->addWidget(&echo_);
        layout->addWidget(&exit_);
        // Leaving the first field updates the label, as a calculator recalculates on exit.
        connect(&first_, &QLineEdit::editingFinished, this, [this] {
            if (first_.text() == "fail") {
                first_.clear();
                // Queued, so the focus change completes before the modal box runs.
                QTimer::singleShot(0, this, [this] {
                    QMessageBox::information(this, "Information", "Stand-in failure\nwas reported.");
                });
                return;
            }
            echo_.setText("Echo: " + first_.text());
        });
        connect(&exit_, &QPushButton::clicked, this, &QWidget::close);
        auto *quit = new QShortcut(QKeySequence("Ctrl+Q"), this);
        connect(quit, &QShortcut::activated, this, &QWidget::close);
    }

    void showHelp()
    {
        help_.setWindowTitle("Stand-in Help");
        helpText_.setHtml("<h1>Welcome</h1><p>Welcome to the stand-in.</p>");
        helpText_.resize(400, 300);
        help_.resize(400, 300);
        help_.move(700, 50);
        help_.show();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // Same rule as the calculator: the folder is never created, and a failed write keeps the window open.
        const QString path = configHome() + "/plumcrest-standin/closed.txt";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            event->ignore();
            QMessageBox::information(this, "Information", "Unable to write to " + path);
            return;
        }
        file.write(QString("first=%1\nsecond=%2\n").arg(first_.text(), second_.text()).toUtf8());
        help_.close();
        event->accept();
    }

private:
    QLineEdit first_;
    QLineEdit second_;
    QLabel echo_{"Echo: "};
    QPushButton exit_;
    QWidget help_;
    QTextBrowser helpText_{&help_};
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("plumcrest-standin");
    StandinWindow window;
    window.move(50, 50);
    window.show();
    if (qEnvironmentVariableIsSet("STANDIN_SHOW_HELP"))
        window.showHelp();
    return app.exec();
}
