#include "ui/system/window_owner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace polkamina::system {

namespace {

QPointer<QWidget>& theMainWindow() {
  static QPointer<QWidget> window;
  return window;
}

}  // namespace

void setMainWindow(QWidget* window) { theMainWindow() = window; }

void keepAbove(QWidget* window, QWidget* owner) {
  if (owner == nullptr || window == owner) {
    return;
  }
  // A widget with a parent and the Window flag is a window of its own that Qt
  // makes transient for the parent's window.
  window->setParent(owner->window(), window->windowFlags() | Qt::Window);
}

QWidget* messageBoxOwner() {
  if (QWidget* active = QApplication::activeWindow()) {
    return active;
  }
  QWidget* main = theMainWindow();
  return main != nullptr && main->isVisible() ? main : nullptr;
}

}  // namespace polkamina::system
