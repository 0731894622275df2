#include "ui/system/art.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <utility>

namespace polkamina::system {

namespace {

// The name of a picture's companion for a scale: "title@2x.png".
QString scaledName(const QString& fileName, const char* scale) {
  const QFileInfo info(fileName);
  return info.completeBaseName() + scale + "." + info.suffix();
}

}  // namespace

QString artPath(const QString& fileName) { return ":/art/" + fileName; }

QIcon artIcon(const QString& fileName) { return QIcon(artPath(fileName)); }

QPixmap artPicture(const QString& fileName, qreal devicePixelRatio) {
  const QSize logicalSize = QImageReader(artPath(fileName)).size();
  // The smallest image at least as sharp as the screen, else the sharpest.
  QString path = artPath(fileName);
  for (const auto& [scale, suffix] : {std::pair{2, "@2x"}, std::pair{3, "@3x"}}) {
    const QString companion = artPath(scaledName(fileName, suffix));
    if (devicePixelRatio <= scale - 1 || !QFileInfo::exists(companion)) {
      break;
    }
    path = companion;
  }
  QImage image(path);
  const QSize deviceSize(qRound(logicalSize.width() * devicePixelRatio),
                         qRound(logicalSize.height() * devicePixelRatio));
  if (image.size() != deviceSize) {
    image = image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

}  // namespace polkamina::system
