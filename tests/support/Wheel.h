#pragma once
// A turn of the mouse wheel, as a user scrolling a window gives it.

#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

namespace plumcrest::testing {

// One notch towards the user (down a page, to the next item of a list), over the widget's middle.
inline void TurnWheelDown(QWidget& widget) {
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
}

} // namespace plumcrest::testing
