#pragma once
// Windows sized and placed within the screen they open on, whatever its size and scale.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace plumcrest {

// The room a window has on the screen of `near` (or the primary screen): its available area less
// what a window manager's frame takes.
QRect WindowRoom(const QWidget* near);
// `wanted`, no larger than the room: the window scrolls or wraps what no longer fits.
QSize FittedSize(const QWidget* near, QSize wanted);
// Resizes the window to at most the room and moves it so that all of it (its title bar and menu
// bar first) is on the screen.
void FitOnScreen(QWidget& window, QSize wanted);
// Moves the window so that as much of it as the room allows is on the screen, its top left
// corner (where the menus are) always.
void KeepOnScreen(QWidget& window);

} // namespace plumcrest
