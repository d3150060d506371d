#pragma once
// The application object: the one boundary every exception escaping an event handler reaches,
// the feed of hints from the control under the pointer, and the application's activation notice.

#include <QApplication>
#include <QPointer>
#include <QString>
#include <exception>
#include <functional>
#include <stdexcept>

namespace plumcrest {

// An exception that is never reported: used to stop a handler quietly.
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("Operation aborted") {}
};

class PlumcrestApplication : public QApplication {
    Q_OBJECT

public:
    PlumcrestApplication(int& argc, char** argv);
    ~PlumcrestApplication() override;

    static PlumcrestApplication* Instance();

    // The application title, shown by the taskbar for the program.
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    // Handlers bound by the main window for the program's life.
    std::function<void(std::exception_ptr)> OnException;
    std::function<void()> OnActivate;
    std::function<void()> OnHint;

    // Popup hints: the pause before one shows and how long it stays, in milliseconds.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }

    // The long part of the hint of the control under the pointer (or of its nearest hinted
    // ancestor), as the last idle pass found it.
    QString CurrentHint() const { return hint_; }

    // Runs one event handler; anything it throws goes to OnException, posted so the event that
    // raised it (a focus change, say) completes before any report opens. The same boundary as
    // platform::RunGuarded, which the windows below app/ use.
    static void RunGuarded(const std::function<void()>& handler);
    static void ReportException(std::exception_ptr error);

    // One pass of the hint feed; runs whenever the event queue has run empty.
    void UpdateHint();
    // Finds the control under the pointer; tests replace it.
    std::function<QWidget*()> WidgetUnderPointer;

    bool notify(QObject* receiver, QEvent* event) override;

protected:
    // Reports the exceptions posted by the boundary.
    bool event(QEvent* event) override;

private:
    void onStateChanged(Qt::ApplicationState state);

    QString title_;
    QString hint_;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    Qt::ApplicationState lastState_ = Qt::ApplicationInactive;
};

} // namespace plumcrest
