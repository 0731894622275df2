#pragma once

#include <QAccessible>

namespace polkamina::system {

// Gives the windows' containers the role screen readers expect of them. Qt
// tells a plain frame as a "frame", which screen readers take for a window of
// its own: while that "window" is not the active one, they keep silent about
// everything inside it. Plain frames (the board, the history) are told as
// panels of their window instead. Every window calls it before it is made;
// the first call counts.
void useAccessibleRoles();

// Tells every widget of the class (its Qt class name, "polkamina::ui::...")
// to screen readers with that role, named by its accessible name; before the
// first such widget is asked for.
void useAccessibleRole(const char* className, QAccessible::Role role);

}  // namespace polkamina::system
