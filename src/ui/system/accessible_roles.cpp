#include "ui/system/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace polkamina::system {

namespace {

// Asked for each class of an object, from its own class to its bases, before
// Qt's own interfaces: a QLabel or a view, whose own classes Qt knows, never
// gets as far as QFrame.
QAccessibleInterface* roleFor(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("polkamina::system::Announcer")) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  if (className == QLatin1String("QFrame") && !widget->isWindow()) {
    return new QAccessibleWidget(widget, QAccessible::Pane);
  }
  return nullptr;
}

}  // namespace

void useAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(roleFor);
    return true;
  }();
  (void)installed;
}

}  // namespace polkamina::system
