#include "ui/system/picture.h"

#include <QImage>
#include <QImageReader>
#include <cstdlib>
#include <optional>

namespace polkamina::system {

namespace {

// Decoding memory allowed for one image, in megabytes: a 256 × 256 picture
// needs a quarter of one.
constexpr int kAllocationLimitMb = 4;
// Images of one file looked at when choosing the best fitting one.
constexpr int kLargestImageCount = 64;
constexpr int kPreferredSide = 32;

bool acceptableSize(const QSize& size) {
  return size.isValid() && !size.isEmpty() && size.width() <= kLargestPictureSide &&
         size.height() <= kLargestPictureSide;
}

int distanceFromPreferred(const QSize& size) {
  return std::abs(size.width() - kPreferredSide) + std::abs(size.height() - kPreferredSide);
}

// Positions the reader on the image whose declared size is closest to 32 × 32,
// among those of an acceptable size; false if there is none.
bool moveToClosestImage(QImageReader& reader) {
  const int count = reader.imageCount();
  if (count <= 1) {
    return acceptableSize(reader.size());
  }
  std::optional<int> best;
  int bestDistance = 0;
  for (int i = 0; i < count && i < kLargestImageCount; ++i) {
    if (!reader.jumpToImage(i)) {
      break;
    }
    const QSize size = reader.size();
    if (acceptableSize(size) && (!best || distanceFromPreferred(size) < bestDistance)) {
      best = i;
      bestDistance = distanceFromPreferred(size);
    }
  }
  return best && reader.jumpToImage(*best);
}

}  // namespace

QPixmap loadIconPicture(const QString& path) {
  QImageReader::setAllocationLimit(kAllocationLimitMb);
  QImageReader reader(path);
  if (!reader.canRead()) {
    return QPixmap();
  }
  if (!moveToClosestImage(reader)) {
    return QPixmap();
  }
  // The header may understate what the data holds; check the result too.
  const QImage image = reader.read();
  if (image.isNull() || !acceptableSize(image.size())) {
    return QPixmap();
  }
  return QPixmap::fromImage(image);
}

}  // namespace polkamina::system
