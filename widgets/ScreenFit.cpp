#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace plumcrest {
namespace {

// What a frame adds before the window manager has said: a title bar and thin borders.
const QSize kFrameGuess(16, 40);

QSize FrameOf(const QWidget& window) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    return window.isVisible() && window.testAttribute(Qt::WA_WState_Created) ? frame : kFrameGuess;
}

} // namespace

QRect WindowRoom(const QWidget* near) {
    const QScreen* screen = near && near->screen() ? near->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize FittedSize(const QWidget* near, QSize wanted) {
    const QSize frame = near ? FrameOf(*near) : kFrameGuess;
    return wanted.boundedTo(WindowRoom(near).size() - frame);
}

void FitOnScreen(QWidget& window, QSize wanted) {
    window.resize(FittedSize(&window, wanted));
    KeepOnScreen(window);
}

void KeepOnScreen(QWidget& window) {
    const QRect area = WindowRoom(&window);
    const QSize outer = window.size() + FrameOf(window);
    QPoint at = window.isVisible() ? window.frameGeometry().topLeft() : window.pos();
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    window.move(at);
}

} // namespace plumcrest
