#include "ui/help/help_pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ui/help/page_limits.h"

namespace polkamina::help {

namespace {

using namespace limits;

const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kPngSignatureSize = 8;
// A chunk's length, type and check sum around its data.
constexpr qsizetype kPngChunkFrame = 12;

std::uint8_t byteAt(const QByteArray& bytes, qsizetype pos) {
  return static_cast<std::uint8_t>(bytes[pos]);
}

std::uint32_t bigEndian16(const QByteArray& bytes, qsizetype pos) {
  return std::uint32_t{byteAt(bytes, pos)} << 8 | byteAt(bytes, pos + 1);
}

std::uint32_t bigEndian32(const QByteArray& bytes, qsizetype pos) {
  return bigEndian16(bytes, pos) << 16 | bigEndian16(bytes, pos + 2);
}

bool isWithinBounds(std::uint32_t width, std::uint32_t height) {
  return width > 0 && height > 0 && width <= std::uint32_t{kMaxPicturePixels} &&
         height <= std::uint32_t{kMaxPicturePixels} &&
         std::uint64_t{width} * height <= std::uint64_t{kMaxPicturePixels};
}

// The chunks of a PNG that make its picture; everything else is left out.
bool isPictureChunk(const QByteArray& type) {
  return type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND";
}

std::optional<CheckedPicture> checkPng(const QByteArray& bytes) {
  CheckedPicture picture{PictureFormat::Png, 0, 0, 1, bytes.left(kPngSignatureSize)};
  qsizetype pos = kPngSignatureSize;
  bool sawImageData = false;
  while (bytes.size() - pos >= kPngChunkFrame) {
    const std::uint32_t length = bigEndian32(bytes, pos);
    if (length > static_cast<std::uint32_t>(bytes.size() - pos - kPngChunkFrame)) break;
    const QByteArray type = bytes.mid(pos + 4, 4);
    const qsizetype chunkSize = kPngChunkFrame + static_cast<qsizetype>(length);
    // The header comes first and gives the size.
    if (pos == kPngSignatureSize) {
      if (type != "IHDR" || length != 13) return std::nullopt;
      const std::uint32_t width = bigEndian32(bytes, pos + 8);
      const std::uint32_t height = bigEndian32(bytes, pos + 12);
      if (!isWithinBounds(width, height)) return std::nullopt;
      picture.width = static_cast<int>(width);
      picture.height = static_cast<int>(height);
    }
    if (isPictureChunk(type)) picture.bytes += bytes.mid(pos, chunkSize);
    sawImageData = sawImageData || type == "IDAT";
    if (type == "IEND") return sawImageData ? std::optional(picture) : std::nullopt;
    pos += chunkSize;
  }
  return std::nullopt;  // cut off before its end
}

// JPEG markers.
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kAdobe = 0xEE;  // says how the colours are coded

bool isStartOfFrame(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Tables and frames the decoder needs: the quantisation, Huffman and
// arithmetic coding tables, the restart interval and Adobe's colour
// transform. Other application data and comments are left out.
bool isNeededSegment(std::uint8_t marker) {
  return isStartOfFrame(marker) || marker == 0xDB || marker == 0xC4 || marker == 0xCC ||
         marker == 0xDD || marker == kAdobe;
}

// What Qt may allocate for one picture: the largest picture at eight bytes
// a pixel, as a 16-bit PNG with transparency takes.
constexpr int kAllocationMegabytes = 8 * kMaxPicturePixels / (1 << 20) + 1;

bool isRestartMarker(std::uint8_t marker) { return marker >= 0xD0 && marker <= 0xD7; }

// The position of the marker that ends the coded data of a scan starting at
// pos: in coded data 0xFF is followed by 0x00 or a restart marker.
qsizetype endOfCodedData(const QByteArray& bytes, qsizetype pos) {
  while (pos + 1 < bytes.size()) {
    if (byteAt(bytes, pos) == 0xFF) {
      const std::uint8_t next = byteAt(bytes, pos + 1);
      if (next != 0x00 && next != 0xFF && !isRestartMarker(next)) return pos;
      if (next != 0xFF) ++pos;
    }
    ++pos;
  }
  return bytes.size();
}

std::optional<CheckedPicture> checkJpeg(const QByteArray& bytes) {
  CheckedPicture picture{PictureFormat::Jpeg, 0, 0, 0, bytes.left(2)};
  qsizetype pos = 2;
  int frames = 0;
  while (pos + 1 < bytes.size()) {
    if (byteAt(bytes, pos) != 0xFF) return std::nullopt;
    const qsizetype markerStart = pos;
    while (pos < bytes.size() && byteAt(bytes, pos) == 0xFF) ++pos;  // fill bytes
    if (pos >= bytes.size()) break;
    const std::uint8_t marker = byteAt(bytes, pos++);
    if (marker == kEndOfImage) {
      if (picture.scans == 0) return std::nullopt;
      picture.bytes += "\xFF\xD9";
      return picture;
    }
    if (marker == kStartOfImage || isRestartMarker(marker) || pos + 2 > bytes.size()) {
      return std::nullopt;
    }
    const qsizetype length = bigEndian16(bytes, pos);
    if (length < 2 || length > bytes.size() - pos) return std::nullopt;
    qsizetype end = pos + length;
    if (isStartOfFrame(marker)) {
      if (++frames > 1 || length < 8) return std::nullopt;
      const std::uint32_t height = bigEndian16(bytes, pos + 3);
      const std::uint32_t width = bigEndian16(bytes, pos + 5);
      if (!isWithinBounds(width, height)) return std::nullopt;
      picture.width = static_cast<int>(width);
      picture.height = static_cast<int>(height);
    } else if (marker == kStartOfScan) {
      if (frames == 0 || ++picture.scans > kMaxPictureScans) return std::nullopt;
      end = endOfCodedData(bytes, end);
    }
    if (marker == kStartOfScan || isNeededSegment(marker)) {
      picture.bytes += bytes.mid(markerStart, end - markerStart);
    }
    pos = end;
  }
  return std::nullopt;  // cut off before its end
}

}  // namespace

long CheckedPicture::decodingWork() const {
  const int passes = std::max(1, (scans + kScansPerDecodingPass - 1) / kScansPerDecodingPass);
  return long{width} * height * passes;
}

std::optional<CheckedPicture> checkPicture(const QByteArray& bytes) {
  if (static_cast<std::size_t>(bytes.size()) > kMaxPictureBytes) return std::nullopt;
  if (bytes.startsWith(QByteArray(kPngSignature, kPngSignatureSize))) return checkPng(bytes);
  if (bytes.startsWith("\xFF\xD8\xFF")) return checkJpeg(bytes);
  return std::nullopt;
}

QImage decodePicture(const CheckedPicture& picture) {
  QByteArray bytes = picture.bytes;
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, picture.format == PictureFormat::Png ? "png" : "jpeg");
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  reader.setAllocationLimit(kAllocationMegabytes);
  const QImage image = reader.read();
  return image.size() == QSize(picture.width, picture.height) ? image : QImage();
}

}  // namespace polkamina::help
