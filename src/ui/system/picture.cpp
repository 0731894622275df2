#include "ui/system/picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <optional>
#include <system_error>

#include "store/file_read.h"

namespace polkamina::system {

namespace {

// Bytes read from one icon file at most: an icon of several images up to
// 256 × 256 stays well below this.
constexpr std::size_t kLargestFileBytes = 8u << 20;
// Decoding memory allowed for one image, in megabytes: the largest accepted
// picture needs four.
constexpr int kAllocationLimitMb = 8;
// Images of one file looked at when choosing the best fitting one.
constexpr int kLargestImageCount = 64;
// An .ico directory entry cannot tell sizes above 255; it writes 0, read as 256.
constexpr int kIcoLargestDeclaredSide = 256;

// The format of a picture file by its first bytes, for Qt's reader to be told:
// left to find it out, Qt loads every image plugin there is. An icon file
// holds ICO (or CUR) images; a PNG or BMP picture saved under an icon's name
// is taken too. Nothing else is read.
QByteArray pictureFormat(const std::string& bytes) {
  const auto startsWith = [&bytes](const char* magic, std::size_t length) {
    return bytes.compare(0, length, magic, length) == 0;
  };
  if (startsWith("\x89PNG\r\n\x1a\n", 8)) return "png";
  if (startsWith("\0\0\1\0", 4) || startsWith("\0\0\2\0", 4)) return "ico";
  if (startsWith("BM", 2)) return "bmp";
  return QByteArray();
}

bool acceptableSize(const QSize& size) {
  return size.isValid() && !size.isEmpty() && size.width() <= kLargestPictureSide &&
         size.height() <= kLargestPictureSide;
}

// The decoded picture is the one the file declared: the same size, where an
// .ico entry's 256 stands for any side of 256 and more.
bool matchesDeclaredSide(int actual, int declared) {
  return actual == declared || (declared == kIcoLargestDeclaredSide && actual > declared);
}

bool matchesDeclaredSize(const QSize& actual, const QSize& declared) {
  return matchesDeclaredSide(actual.width(), declared.width()) &&
         matchesDeclaredSide(actual.height(), declared.height());
}

bool covers(const QSize& size, int side) { return size.width() >= side && size.height() >= side; }

// Whether a is a better image than b for a face of `side` device pixels: the
// smallest that covers it, or else the largest.
bool fitsBetter(const QSize& a, const QSize& b, int side) {
  if (covers(a, side) != covers(b, side)) return covers(a, side);
  const qint64 areaA = qint64(a.width()) * a.height();
  const qint64 areaB = qint64(b.width()) * b.height();
  return covers(a, side) ? areaA < areaB : areaA > areaB;
}

// Positions the reader on the best fitting image of an acceptable declared
// size and returns that size; nothing if there is none.
std::optional<QSize> moveToBestImage(QImageReader& reader, int side) {
  const int count = reader.imageCount();
  if (count <= 1) {
    const QSize size = reader.size();
    return acceptableSize(size) ? std::optional<QSize>(size) : std::nullopt;
  }
  std::optional<int> best;
  QSize bestSize;
  for (int i = 0; i < count && i < kLargestImageCount; ++i) {
    if (!reader.jumpToImage(i)) break;
    const QSize size = reader.size();
    if (acceptableSize(size) && (!best || fitsBetter(size, bestSize, side))) {
      best = i;
      bestSize = size;
    }
  }
  if (!best || !reader.jumpToImage(*best)) return std::nullopt;
  return bestSize;
}

// The picture's place in the cell, in logical pixels: its own size, or as
// large as fits the cell keeping its aspect.
QSize logicalSize(const QSize& pictureSize) {
  if (pictureSize.width() <= kFaceSide && pictureSize.height() <= kFaceSide) return pictureSize;
  return pictureSize.scaled(kFaceSide, kFaceSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QPixmap faceFromImage(QImage image, qreal devicePixelRatio) {
  // A one-bit image is made full colour before it is scaled, so that it
  // blends as any other picture whatever form the image reader gives it.
  if (image.depth() == 1) image = image.convertToFormat(QImage::Format_ARGB32);
  const QSize logical = logicalSize(image.size());
  // Rounded down, so the face never reaches past its cell.
  const QSize device(std::max(1, int(std::floor(logical.width() * devicePixelRatio + 1e-6))),
                     std::max(1, int(std::floor(logical.height() * devicePixelRatio + 1e-6))));
  if (image.width() > device.width() || image.height() > device.height()) {
    image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  // A picture with fewer pixels than the screen has for it is stretched when
  // drawn, never shown smaller than its place.
  pixmap.setDevicePixelRatio(qreal(image.width()) / logical.width());
  return pixmap;
}

}  // namespace

QPixmap loadIconPicture(const std::filesystem::path& path, qreal devicePixelRatio) {
  std::error_code error;
  const std::optional<std::string> bytes = store::readRegularFile(path, kLargestFileBytes, error);
  if (!bytes) return QPixmap();
  const QByteArray format = pictureFormat(*bytes);
  if (format.isEmpty()) return QPixmap();
  QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);

  QImageReader::setAllocationLimit(kAllocationLimitMb);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  if (!reader.canRead()) return QPixmap();
  const std::optional<QSize> declared =
      moveToBestImage(reader, int(std::ceil(kFaceSide * devicePixelRatio)));
  if (!declared) return QPixmap();
  // The header may understate what the data holds; check the result too.
  const QImage image = reader.read();
  if (image.isNull() || !acceptableSize(image.size()) ||
      !matchesDeclaredSize(image.size(), *declared)) {
    return QPixmap();
  }
  return faceFromImage(image, devicePixelRatio);
}

}  // namespace polkamina::system
