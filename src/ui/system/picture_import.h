#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstddef>
#include <filesystem>
#include <string>
#include <variant>

namespace polkamina::system {

// Bounds on a picture to import, checked before it is decoded: a photo
// from a phone camera fits, a decompression bomb does not.
constexpr std::size_t kLargestImportBytes = 64u << 20;
constexpr int kLargestImportSide = 16384;
constexpr qint64 kLargestImportPixels = 50'000'000;

// The sides of the images an imported picture's icon file holds: one for
// every size a face is drawn at.
constexpr int kIconSides[] = {16, 32, 64, 256};

// The picture of a PNG, JPEG, GIF (its first frame), BMP or WebP file, turned
// as the camera meant it and no larger than an icon needs (its shorter side
// at most 1024 pixels); or why it cannot be imported, as the player reads
// it. The format is told by the first bytes, never by the name, and nothing
// else (SVG above all) is read; the file and the picture are bounded before
// anything is decoded.
std::variant<QImage, std::string> readPictureToImport(const std::filesystem::path& path);

// The largest square of a picture of `size`, in its centre.
QRect centredSquare(const QSize& size);
// `square` moved by `offset`, kept inside a picture of `size`.
QRect movedSquare(const QSize& size, const QRect& square, const QPoint& offset);

// An icon file of the part `square` of picture, at every side of
// kIconSides, each image written by Qt's ICO writer; empty if writing failed.
QByteArray iconFileBytes(const QImage& picture, const QRect& square);

}  // namespace polkamina::system
