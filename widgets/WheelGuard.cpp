#include "WheelGuard.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QWheelEvent>

namespace plumcrest {

namespace {

// Hands the wheel to the scroll areas around the field, the nearest first, until one scrolls.
class WheelGuard : public QObject {
public:
    explicit WheelGuard(QWidget& field) : QObject(&field), field_(field) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &field_ || event->type() != QEvent::Wheel || field_.hasFocus())
            return false;
        QAbstractScrollArea* area = Around(&field_);
        if (!area)
            return false;
        for (; area; area = Around(area)) {
            event->ignore();
            QCoreApplication::sendEvent(area->viewport(), event);
            if (event->isAccepted())
                break;
        }
        return true;
    }

private:
    static QAbstractScrollArea* Around(QWidget* widget) {
        for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
            if (auto* area = qobject_cast<QAbstractScrollArea*>(up))
                return area;
        }
        return nullptr;
    }

    QWidget& field_;
};

} // namespace

void ScrollPastWhenUnfocused(QWidget& field) {
    // The wheel alone no longer gives the focus, or the first turn would take it.
    field.setFocusPolicy(Qt::StrongFocus);
    field.installEventFilter(new WheelGuard(field));
}

} // namespace plumcrest
