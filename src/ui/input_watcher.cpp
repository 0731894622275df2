#include "ui/input_watcher.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWidget>

namespace polkamina::ui {

InputWatcher::InputWatcher(QWidget* window) : QObject(window), window_(window) { watch(window); }

void InputWatcher::watch(QObject* object) {
  if (!object->isWidgetType()) return;
  object->installEventFilter(this);
  for (QObject* child : object->children()) watch(child);
}

bool InputWatcher::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ChildAdded:
      watch(static_cast<QChildEvent*>(event)->child());
      break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress: {
      // Popups and dialogs made inside the window are windows of their own.
      auto* receiver = static_cast<QWidget*>(watched);
      if (receiver->window() != window_) break;
      if (event->type() == QEvent::KeyPress) {
        emit keyPressed();
      } else {
        emit mousePressed(receiver, static_cast<QMouseEvent*>(event)->position().toPoint());
      }
      break;
    }
    default:
      break;
  }
  return false;
}

}  // namespace polkamina::ui
