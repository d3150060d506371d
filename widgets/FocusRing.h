#pragma once
// A ring around the control that has the focus, in a colour that stands out from the window by
// 3:1 or more whatever the palette, so the focus is seen on every control (lists and tables
// included, whose own marks of it are faint).

#include <QApplication>
#include <functional>

namespace plumcrest {

// From now on the focused control of every window that `ringed` accepts carries the ring.
void InstallFocusRing(QApplication& app, std::function<bool(const QWidget*)> ringed);

} // namespace plumcrest
