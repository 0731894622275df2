#include "ui/system/announcer.h"

#include "ui/system/accessible_roles.h"

namespace polkamina::system {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  useAccessibleRole(staticMetaObject.className(), QAccessible::Notification);
  setObjectName("announcer");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);
  hide();
}

// Appearing again is what a screen reader notices, even with the same message.
void Announcer::announce(const QString& message) {
  hide();
  setAccessibleName(message);
  show();
}

}  // namespace polkamina::system
