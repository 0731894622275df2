#include "ui/system/art.h"

namespace polkamina::system {

QString artPath(const QString& fileName) { return ":/art/" + fileName; }

QIcon artIcon(const QString& fileName) { return QIcon(artPath(fileName)); }

QPixmap artPicture(const QString& fileName) { return QPixmap(artPath(fileName)); }

}  // namespace polkamina::system
