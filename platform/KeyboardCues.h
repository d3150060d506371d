#pragma once
// Keyboard cues (the accelerator underlines that the Alt key shows and hides). Windows announces a
// change of them to a window with WM_UPDATEUISTATE; here the platform layer reports it: an Alt key
// press or release delivered to a widget posts one KeyboardCueEvent to that widget's window, so
// the window sees it after the key itself has been handled.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace plumcrest::platform {

class KeyboardCueEvent final : public QEvent {
public:
    KeyboardCueEvent();
    static QEvent::Type EventType();
};

// Application-wide reporter; watches key events without altering or swallowing any.
class KeyboardCues final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(KeyboardCues)

public:
    // Starts the reports for the running application, once; later calls do nothing. Lives as
    // long as the application object.
    static void Install();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyboardCues(QObject* parent);
    void Report(QWidget* window);

    // Windows with a report posted but not yet delivered: the key press propagating up the
    // parent chain, or press and release in one batch, make one report.
    std::vector<QPointer<QWidget>> pending_;
};

} // namespace plumcrest::platform
