#pragma once
// A turn of the mouse wheel, as a user scrolling a window gives it.

#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

namespace plumcrest::testing {

// A turn of the wheel over the widget's middle: `notches` below 0 towards the user (down a
// page, to the next item of a list), above 0 away.
inline void TurnWheel(QWidget& widget, int notches) {
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
}

inline void TurnWheelDown(QWidget& widget) {
    TurnWheel(widget, -1);
}

} // namespace plumcrest::testing
