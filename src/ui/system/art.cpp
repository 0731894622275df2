#include "ui/system/art.h"

#include <QFileInfo>
#include <QImageReader>

namespace polkamina::system {

namespace {

// The name of a picture's companion for a scale: "title@2x.png".
QString scaledName(const QString& fileName, const char* scale) {
  const QFileInfo info(fileName);
  return info.completeBaseName() + scale + "." + info.suffix();
}

}  // namespace

QString artPath(const QString& fileName) { return ":/art/" + fileName; }

QIcon artIcon(const QString& fileName) {
  QIcon icon(artPath(fileName));
  for (const char* scale : {"@2x", "@3x"}) {
    const QString companion = artPath(scaledName(fileName, scale));
    if (QFileInfo::exists(companion)) {
      icon.addFile(companion);
    }
  }
  return icon;
}

QPixmap artPicture(const QString& fileName, qreal devicePixelRatio) {
  const QSize logicalSize = QImageReader(artPath(fileName)).size();
  return artIcon(fileName).pixmap(logicalSize, devicePixelRatio);
}

}  // namespace polkamina::system
