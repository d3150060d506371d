#pragma once
// Choices and spin boxes that the mouse wheel does not change while the user scrolls past them.

class QWidget;

namespace plumcrest {

// A combo box or spin box in a scrolled form or table changes with the wheel only once the user
// has given it the focus (a click or Tab); until then the wheel scrolls what holds it, as the
// user meant. By default the wheel changes whatever passes under the pointer, so scrolling
// through an imported offer would quietly change its loan type.
void ScrollPastWhenUnfocused(QWidget& field);

} // namespace plumcrest
