#pragma once

class QWidget;

namespace polkamina::ui {

class InputWatcher;

// Draws the keyboard focus in the window from now on, and afterwards while the
// keyboard is in use: a press of the mouse hides it until the next key. Once
// per window, with the window's input watcher.
void showFocusWhileTheKeyboardIsUsed(QWidget* window, InputWatcher* input);

}  // namespace polkamina::ui
