#pragma once

#include <QPixmap>
#include <filesystem>

namespace polkamina::system {

// Largest width or height accepted from a picture file.
constexpr int kLargestPictureSide = 1024;
// The cell a face fills, in logical pixels.
constexpr int kFaceSide = 32;

// The picture of an icon file as a face of kFaceSide × kFaceSide logical
// pixels at devicePixelRatio: of several images the one that best fits that
// many device pixels; a larger picture scaled down smoothly, keeping its
// aspect; a smaller one at its own size. The file is opened by its own bytes
// and is untrusted: one that is no regular file, is no ICO, PNG or BMP
// picture, or holds a picture larger than kLargestPictureSide (or other than
// it claims to be) gives an empty pixmap, and nothing ever blocks.
QPixmap loadIconPicture(const std::filesystem::path& path, qreal devicePixelRatio = 1.0);

}  // namespace polkamina::system
