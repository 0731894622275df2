#include "ui/system/accessible_roles.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QHash>

namespace polkamina::system {

namespace {

QHash<QString, QAccessible::Role>& roles() {
  static QHash<QString, QAccessible::Role> roles{{QStringLiteral("QFrame"), QAccessible::Pane}};
  return roles;
}

// Asked for each class of an object, from its own class to its bases, before
// Qt's own interfaces: a QLabel or a view, whose own classes Qt knows, never
// gets as far as QFrame.
QAccessibleInterface* roleFor(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  const auto found = roles().constFind(className);
  if (found == roles().constEnd() || widget->isWindow()) return nullptr;
  return new QAccessibleWidget(widget, found.value());
}

}  // namespace

void useAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(roleFor);
    return true;
  }();
  (void)installed;
}

void useAccessibleRole(const char* className, QAccessible::Role role) {
  useAccessibleRoles();
  roles().insert(QString::fromLatin1(className), role);
}

}  // namespace polkamina::system
