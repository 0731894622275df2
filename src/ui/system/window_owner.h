#pragma once

class QWidget;

namespace polkamina::system {

// The program's main window, which every other window of the program stays
// with; nullptr before it exists and after it is gone.
void setMainWindow(QWidget* window);

// Makes a window of its own (settings, help) a child of `owner`'s window, so
// that every window system keeps it above that window, brings it back with
// it and can never lose it behind it. Its place on the screen is its own.
// Call it before the window is first shown.
void keepAbove(QWidget* window, QWidget* owner);

// The window a message box belongs to: the program's active window, else the
// main window once it is shown, else none.
QWidget* messageBoxOwner();

}  // namespace polkamina::system
