#include "KeyboardCues.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

namespace plumcrest::platform {
namespace {

bool IsAltKeyChange(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Alt && !key->isAutoRepeat();
}

} // namespace

KeyboardCueEvent::KeyboardCueEvent() : QEvent(EventType()) {}

QEvent::Type KeyboardCueEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

KeyboardCues::KeyboardCues(QObject* parent) : QObject(parent) {}

void KeyboardCues::Install() {
    auto* application = QCoreApplication::instance();
    if (!application ||
        application->findChild<KeyboardCues*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    auto* cues = new KeyboardCues(application); // owned by the application object
    application->installEventFilter(cues);
}

bool KeyboardCues::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == KeyboardCueEvent::EventType()) {
        std::erase_if(pending_, [watched](const QPointer<QWidget>& window) {
            return window.isNull() || window == watched;
        });
    } else if (IsAltKeyChange(event) && watched->isWidgetType()) {
        Report(static_cast<QWidget*>(watched)->window());
    }
    return false;
}

void KeyboardCues::Report(QWidget* window) {
    std::erase_if(pending_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    if (std::find(pending_.begin(), pending_.end(), window) != pending_.end())
        return;
    pending_.emplace_back(window);
    QCoreApplication::postEvent(window, new KeyboardCueEvent); // the event queue owns it
}

} // namespace plumcrest::platform
