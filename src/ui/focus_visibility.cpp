#include "ui/focus_visibility.h"

#include <QWidget>

#include "ui/input_watcher.h"

namespace polkamina::ui {

namespace {

void showFocus(QWidget* window, bool shown) {
  if (window->testAttribute(Qt::WA_KeyboardFocusChange) == shown) {
    return;
  }
  window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
  if (QWidget* focused = window->focusWidget()) {
    focused->update();
  }
}

}  // namespace

void showFocusWhileTheKeyboardIsUsed(QWidget* window, InputWatcher* input) {
  QObject::connect(input, &InputWatcher::keyPressed, window, [window] { showFocus(window, true); });
  QObject::connect(input, &InputWatcher::mousePressed, window,
                   [window] { showFocus(window, false); });
  showFocus(window, true);
}

}  // namespace polkamina::ui
