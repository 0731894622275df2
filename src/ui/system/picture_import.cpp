#include "ui/system/picture_import.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <optional>
#include <system_error>

#include "store/file_read.h"

namespace polkamina::system {

namespace {

// Decoding memory allowed while importing, in megabytes: the largest
// accepted picture at four bytes a pixel.
constexpr int kImportAllocationLimitMb = int(kLargestImportPixels * 4 / (1 << 20)) + 1;

// The shorter side a picture is decoded at, at most: room for the largest
// icon and the preview, while a JPEG decoder does a fraction of the work and
// memory of a camera's photo.
constexpr int kLargestDecodedShortSide = 1024;

constexpr int kIcoHeaderBytes = 6;
constexpr int kIcoEntryBytes = 16;

// The format of a picture to import by its first bytes; empty for anything
// else.
QByteArray importFormat(const std::string& bytes) {
  const auto startsWith = [&bytes](std::size_t at, const char* magic, std::size_t length) {
    return bytes.size() >= at + length && bytes.compare(at, length, magic, length) == 0;
  };
  if (startsWith(0, "\x89PNG\r\n\x1a\n", 8)) return "png";
  if (startsWith(0, "\xff\xd8\xff", 3)) return "jpeg";
  if (startsWith(0, "GIF87a", 6) || startsWith(0, "GIF89a", 6)) return "gif";
  if (startsWith(0, "BM", 2)) return "bmp";
  if (startsWith(0, "RIFF", 4) && startsWith(8, "WEBP", 4)) return "webp";
  return QByteArray();
}

QSize decodedSize(const QSize& size) {
  if (qMin(size.width(), size.height()) <= kLargestDecodedShortSide) return size;
  return size.scaled(kLargestDecodedShortSide, kLargestDecodedShortSide,
                     Qt::KeepAspectRatioByExpanding);
}

bool withinBounds(const QSize& size) {
  return size.isValid() && !size.isEmpty() && size.width() <= kLargestImportSide &&
         size.height() <= kLargestImportSide &&
         qint64(size.width()) * size.height() <= kLargestImportPixels;
}

// Keeps the reader's allocation limit for the time of an import.
class AllocationLimit {
 public:
  explicit AllocationLimit(int megabytes) : old_(QImageReader::allocationLimit()) {
    QImageReader::setAllocationLimit(megabytes);
  }
  ~AllocationLimit() { QImageReader::setAllocationLimit(old_); }
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;

 private:
  int old_;
};

// One image of a single-image ICO file: its directory entry and its data.
struct IcoImage {
  QByteArray entry;
  QByteArray data;
};

std::optional<IcoImage> writeIcoImage(const QImage& image) {
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "ico");
  if (!writer.write(image) || file.size() < kIcoHeaderBytes + kIcoEntryBytes) return std::nullopt;
  const QByteArray entry = file.mid(kIcoHeaderBytes, kIcoEntryBytes);
  const auto* fields = reinterpret_cast<const uchar*>(entry.constData());
  const quint32 size = qFromLittleEndian<quint32>(fields + 8);
  const quint32 offset = qFromLittleEndian<quint32>(fields + 12);
  if (qFromLittleEndian<quint16>(file.constData() + 4) != 1 || offset > quint32(file.size()) ||
      size > quint32(file.size()) - offset) {
    return std::nullopt;
  }
  return IcoImage{entry, file.mid(offset, size)};
}

// One ICO file of several images: the header, the entries with the data's
// new places, then the data.
QByteArray joinIcoImages(const std::vector<IcoImage>& images) {
  QByteArray header(kIcoHeaderBytes, '\0');
  qToLittleEndian<quint16>(1, header.data() + 2);
  qToLittleEndian<quint16>(quint16(images.size()), header.data() + 4);
  QByteArray entries;
  QByteArray data;
  quint32 offset = quint32(kIcoHeaderBytes + kIcoEntryBytes * images.size());
  for (const IcoImage& image : images) {
    QByteArray entry = image.entry;
    qToLittleEndian<quint32>(offset + quint32(data.size()), entry.data() + 12);
    entries += entry;
    data += image.data;
  }
  return header + entries + data;
}

// A reason for the player, as the callers take it.
std::string shown(const QString& reason) { return reason.toStdString(); }

}  // namespace

std::variant<QImage, std::string> readPictureToImport(const std::filesystem::path& path) {
  std::error_code error;
  const std::optional<std::string> bytes = store::readRegularFile(path, kLargestImportBytes, error);
  if (!bytes) {
    if (error == std::errc::file_too_large) {
      return shown(QCoreApplication::translate("Import", "ファイルが大きすぎます（%1 MB まで）。")
                       .arg(kLargestImportBytes >> 20));
    }
    return shown(QCoreApplication::translate("Import", "ファイルを読めません（%1）。")
                     .arg(QString::fromStdString(error.message())));
  }
  const QByteArray format = importFormat(*bytes);
  if (format.isEmpty()) {
    return shown(
        QCoreApplication::translate("Import", "PNG、JPEG、GIF、BMP、WebP の絵ではありません。"));
  }
  QByteArray data = QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  const AllocationLimit limit(kImportAllocationLimitMb);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  reader.setAutoTransform(true);
  if (!reader.canRead()) {
    return shown(QCoreApplication::translate(
                     "Import", "この %1 の絵は読めません（壊れているか、読む部品がありません）。")
                     .arg(QString::fromLatin1(format.toUpper())));
  }
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) {
    return shown(QCoreApplication::translate("Import", "絵が壊れていて読めません。"));
  }
  if (!withinBounds(size)) {
    return shown(
        QCoreApplication::translate("Import", "絵が大きすぎます（%1 × %1 画素、%2 万画素まで）。")
            .arg(kLargestImportSide)
            .arg(kLargestImportPixels / 10'000));
  }
  reader.setScaledSize(decodedSize(size));
  const QImage image = reader.read();
  // The header may understate what the data holds; the result is checked too.
  if (image.isNull() || !withinBounds(image.size())) {
    return shown(QCoreApplication::translate("Import", "絵が壊れていて読めません（%1）。")
                     .arg(reader.errorString()));
  }
  return image;
}

QRect centredSquare(const QSize& size) {
  const int side = qMin(size.width(), size.height());
  return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

QRect movedSquare(const QSize& size, const QRect& square, const QPoint& offset) {
  const int left = qBound(0, square.left() + offset.x(), size.width() - square.width());
  const int top = qBound(0, square.top() + offset.y(), size.height() - square.height());
  return QRect(QPoint(left, top), square.size());
}

QByteArray iconFileBytes(const QImage& picture, const QRect& square) {
  const QImage part = picture.copy(square).convertToFormat(QImage::Format_ARGB32);
  if (part.isNull()) return QByteArray();
  std::vector<IcoImage> images;
  for (int side : kIconSides) {
    const QImage scaled = part.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::optional<IcoImage> image = writeIcoImage(scaled);
    if (!image) return QByteArray();
    images.push_back(std::move(*image));
  }
  return joinIcoImages(images);
}

}  // namespace polkamina::system
