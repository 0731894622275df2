#include "ui/system/art.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPair>
#include <utility>

namespace polkamina::system {

namespace {

// The name of a picture's companion for a scale: "title@2x.png".
QString scaledName(const QString& fileName, const char* scale) {
  const QFileInfo info(fileName);
  return info.completeBaseName() + scale + "." + info.suffix();
}

QPixmap decodedPicture(const QString& fileName, qreal devicePixelRatio) {
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

}  // namespace

QString artPath(const QString& fileName) { return ":/art/" + fileName; }

// The artwork is decoded once per process and shared by every window, which
// would otherwise decode it again, and leave its images in Qt's pixmap cache
// once more, each time it opens. The caches are never destroyed, so that no
// picture outlives the application object at exit.
QIcon artIcon(const QString& fileName) {
  static auto* const icons = new QHash<QString, QIcon>;
  auto found = icons->find(fileName);
  if (found == icons->end()) found = icons->insert(fileName, QIcon(artPath(fileName)));
  return *found;
}

QPixmap artPicture(const QString& fileName, qreal devicePixelRatio) {
  static auto* const pictures = new QHash<QPair<QString, qreal>, QPixmap>;
  const QPair<QString, qreal> key(fileName, devicePixelRatio);
  auto found = pictures->find(key);
  if (found == pictures->end()) {
    found = pictures->insert(key, decodedPicture(fileName, devicePixelRatio));
  }
  return *found;
}

}  // namespace polkamina::system
