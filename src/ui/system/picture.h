#pragma once

#include <QPixmap>
#include <QString>

namespace polkamina::system {

// Largest width or height accepted from a picture file.
constexpr int kLargestPictureSide = 256;

// The picture of an icon file, at its own size. An icon holding several
// images gives the one closest to 32 × 32. The file is untrusted: a picture
// that cannot be read, or that is larger than kLargestPictureSide, gives an
// empty pixmap.
QPixmap loadIconPicture(const QString& path);

}  // namespace polkamina::system
