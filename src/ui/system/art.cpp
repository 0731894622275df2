#include "ui/system/art.h"

#include <png.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPair>
#include <algorithm>
#include <iterator>
#include <utility>

namespace polkamina::system {

namespace {

// The sides an artwork icon comes in: 16 and 32 for normal screens, 48, 64
// and 96 for 32 × 32 at 150 %, 200 % and 300 %.
constexpr int kIconSides[] = {16, 32, 48, 64, 96};

// The artwork is all PNG and read by libpng (which Qt's own PNG reader uses):
// any image reader of Qt's first looks through every image plugin installed,
// which start-up would otherwise wait for.
class PngFile {
 public:
  explicit PngFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) bytes_ = file.readAll();
    image_.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image_, bytes_.constData(),
                                          static_cast<std::size_t>(bytes_.size()))) {
      image_.width = image_.height = 0;
    }
  }
  ~PngFile() { png_image_free(&image_); }
  PngFile(const PngFile&) = delete;
  PngFile& operator=(const PngFile&) = delete;

  QSize size() const { return QSize(int(image_.width), int(image_.height)); }

  // The picture, as Qt's reader gives it: 8 bits of blue, green, red and alpha.
  QImage read() {
    QImage image(size(), QImage::Format_ARGB32);
    image_.format = PNG_FORMAT_BGRA;
    if (image.isNull() || !png_image_finish_read(&image_, nullptr, image.bits(),
                                                 int(image.bytesPerLine()), nullptr)) {
      return QImage();
    }
    return image;
  }

 private:
  QByteArray bytes_;
  png_image image_{};
};

// The name of a picture's companion for a scale: "title@2x.png".
QString scaledName(const QString& fileName, const char* scale) {
  const QFileInfo info(fileName);
  return info.completeBaseName() + scale + "." + info.suffix();
}

QPixmap iconPicture(const QString& name, int side) {
  return QPixmap::fromImage(PngFile(artPath(QString("%1-%2.png").arg(name).arg(side))).read());
}

// An artwork icon that reads its pictures when they are first asked for,
// since most windows draw an icon at one size only. Asked for one of its
// sizes as it is, it reads that picture alone; for anything else (another
// size, a disabled look, painting) it reads them all and leaves choosing and
// scaling to Qt's own icon, as if all had been there from the start.
class ArtIconEngine : public QIconEngine {
 public:
  explicit ArtIconEngine(QString name) : name_(std::move(name)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const int side = size.width();
    if (mode != QIcon::Normal || state != QIcon::Off || size.height() != side ||
        std::find(std::begin(kIconSides), std::end(kIconSides), side) == std::end(kIconSides)) {
      return whole().pixmap(size, 1.0, mode, state);
    }
    auto found = pictures_.find(side);
    if (found == pictures_.end()) found = pictures_.insert(side, iconPicture(name_, side));
    return *found;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    whole().paint(painter, rect, Qt::AlignCenter, mode, state);
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return whole().actualSize(size, mode, state);
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    if (mode != QIcon::Normal || state != QIcon::Off) return {};
    QList<QSize> sizes;
    for (const int side : kIconSides) sizes << QSize(side, side);
    return sizes;
  }

  QString key() const override { return QStringLiteral("polkamina-art"); }
  QIconEngine* clone() const override { return new ArtIconEngine(*this); }

 private:
  // The icon with every picture, read the first time it is needed.
  const QIcon& whole() {
    if (whole_.isNull()) {
      for (const int side : kIconSides) whole_.addPixmap(iconPicture(name_, side));
    }
    return whole_;
  }

  QString name_;
  QHash<int, QPixmap> pictures_;  // the pictures read so far, by side
  QIcon whole_;
};

QPixmap decodedPicture(const QString& fileName, qreal devicePixelRatio) {
  const QSize logicalSize = PngFile(artPath(fileName)).size();
  // The smallest image at least as sharp as the screen, else the sharpest.
  QString path = artPath(fileName);
  for (const auto& [scale, suffix] : {std::pair{2, "@2x"}, std::pair{3, "@3x"}}) {
    const QString companion = artPath(scaledName(fileName, suffix));
    if (devicePixelRatio <= scale - 1 || !QFileInfo::exists(companion)) {
      break;
    }
    path = companion;
  }
  QImage image = PngFile(path).read();
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
QIcon artIcon(const QString& name) {
  static auto* const icons = new QHash<QString, QIcon>;
  auto found = icons->find(name);
  if (found == icons->end()) found = icons->insert(name, QIcon(new ArtIconEngine(name)));
  return *found;
}

QIcon windowIcon() { return artIcon("button-start"); }

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
