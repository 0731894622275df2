// Help files written here to hurt the viewer where chmcmd cannot: huge
// directories, and pictures that are bombs for the decoders behind them.
// Each is opened or refused within a moment and a bounded amount of memory.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QTextDocument>
#include <memory>

#include "chm_writer.h"
#include "help_test_support.h"
#include "ui/help/chm_reader.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_pictures.h"
#include "ui/help/help_urls.h"
#include "ui/help/page_limits.h"

namespace polkamina::help {
namespace {

// The longest opening a file or showing a page may take, and the most
// memory it may add. The sanitizers' builds are slower and larger.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kMomentMs = 3000;
#else
constexpr qint64 kMomentMs = 1000;
#endif
constexpr long kMostMemoryKiB = 256 * 1024;

long peakMemoryKiB() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::vector<unsigned char> bytesOf(const std::string& file) { return {file.begin(), file.end()}; }

QByteArray zlibStream(const QByteArray& data) {
  return qCompress(data, 9).mid(4);  // without Qt's own length in front
}

std::string pngChunk(const std::string& type, const QByteArray& data) {
  const std::string body = type + data.toStdString();
  std::string chunk;
  for (const auto value : {static_cast<unsigned long>(data.size()), crc32Of(body)}) {
    for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>(value >> shift);
  }
  return chunk.substr(0, 4) + body + chunk.substr(4);
}

// A grey PNG of width × height with `before` chunks ahead of its picture.
std::string png(int width, int height, const std::string& before = {}) {
  QByteArray header;
  for (const int side : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) header += static_cast<char>(side >> shift);
  }
  header += QByteArray("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, not interlaced
  const QByteArray rows = (QByteArray(1, '\0') + QByteArray(width, '\x80')).repeated(height);
  return "\x89PNG\r\n\x1a\n" + pngChunk("IHDR", header) + before +
         pngChunk("IDAT", zlibStream(rows)) + pngChunk("IEND", {});
}

// A progressive grey JPEG whose last scan is repeated until it has `scans`.
std::string progressiveJpeg(int side, int scans) {
  QImage image(side, side, QImage::Format_Grayscale8);
  image.fill(128);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  if (!writer.write(image)) return {};
  // Qt writes a scan per marker 0xFFDA; the last runs to the end marker.
  const qsizetype last = bytes.lastIndexOf("\xFF\xDA");
  const QByteArray scan = bytes.mid(last, bytes.size() - 2 - last);
  return (bytes.left(bytes.size() - 2) + scan.repeated(scans - int(bytes.count("\xFF\xDA"))) +
          "\xFF\xD9")
      .toStdString();
}

// An SVG picture of a huge size, gzip-compressed, as the SVG plugin reads it.
std::string gzippedSvg() {
  const QByteArray svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"100000\">"
      "<rect width=\"100000\" height=\"100000\" fill=\"red\"/></svg>";
  const QByteArray deflated = zlibStream(svg).mid(2).chopped(4);
  std::string gzip("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03", 10);
  gzip += deflated.toStdString();
  for (const auto value : {crc32Of(svg.toStdString()), static_cast<unsigned long>(svg.size())}) {
    for (int shift = 0; shift < 32; shift += 8) gzip += static_cast<char>(value >> shift);
  }
  return gzip;
}

TEST(HostileFiles, PicturesAreKnownByTheirFirstBytesAndKeepOnlyWhatIsDrawn) {
  const auto check = [](const std::string& bytes) {
    return checkPicture(QByteArray::fromStdString(bytes));
  };
  const auto withText = check(png(40, 30, pngChunk("tEXt", "Title\0x") + pngChunk("iCCP", "x")));
  ASSERT_TRUE(withText);
  EXPECT_EQ(withText->format, PictureFormat::Png);
  EXPECT_EQ(QSize(withText->width, withText->height), QSize(40, 30));
  EXPECT_EQ(withText->bytes.toStdString(), png(40, 30));
  EXPECT_TRUE(check(png(1000, 1000)));
  EXPECT_FALSE(check(png(1000, 1001)));
  EXPECT_FALSE(check(png(40, 30).substr(0, 60))) << "cut off";

  const auto jpeg = check(progressiveJpeg(64, limits::kMaxPictureScans));
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->format, PictureFormat::Jpeg);
  EXPECT_EQ(QSize(jpeg->width, jpeg->height), QSize(64, 64));
  EXPECT_FALSE(jpeg->bytes.contains("JFIF")) << "application data is left out";
  EXPECT_FALSE(check(progressiveJpeg(64, limits::kMaxPictureScans + 1)));

  // Formats the help has no use for, whatever their names.
  EXPECT_FALSE(check(gzippedSvg()));
  EXPECT_FALSE(check("<svg xmlns=\"http://www.w3.org/2000/svg\"/>"));
  EXPECT_FALSE(check("GIF89a\x01\x00\x01\x00\x00\x00\x00;"));
  EXPECT_FALSE(check("BM" + std::string(60, '\0')));
}

TEST(HostileFiles, HugeDirectoriesOpenOrAreRefusedInAMoment) {
  const auto openedIn = [](const std::string& file, ChmReader::Status expected) {
    QElapsedTimer timer;
    timer.start();
    ChmReader reader;
    EXPECT_EQ(reader.openBytes(bytesOf(file)), expected);
    if (expected == ChmReader::Status::Ok) {
      // Every entry found by its name, whatever its case.
      for (std::size_t i = 0; i < reader.entries().size(); i += 7) {
        QString name = QString::fromStdString(reader.entries()[i]).toUpper();
        EXPECT_EQ(reader.findEntry(name.toStdString()), reader.entries()[i]);
      }
    }
    return timer.elapsed();
  };

  // As many entries as a file may have, and one more.
  ChmWriter most;
  most.add("/index.html", "<p>index</p>");
  for (std::size_t i = 2; i < ChmReader::kMaxEntries; ++i) {
    most.add("/e" + std::to_string(i) + ".html", "");
  }
  std::string file = most.finish("index.html");
  EXPECT_LT(openedIn(file, ChmReader::Status::Ok), kMomentMs);
  ChmWriter tooMany;
  for (std::size_t i = 0; i < ChmReader::kMaxEntries; ++i) {
    tooMany.add("/e" + std::to_string(i) + ".html", "");
  }
  file = tooMany.finish("e1.html");
  EXPECT_LT(openedIn(file, ChmReader::Status::TooLarge), kMomentMs);

  // 64 MB of directory chunks that each claim the most entries a chunk can.
  ChmWriter claims;
  claims.add("/index.html", "<p>index</p>");
  for (int i = 0; i < 16000; ++i) {
    claims.add("/" + std::string(4000, 'a' + i % 26) + std::to_string(i), "");
    claims.declareInLastChunk(0xFFFF);
  }
  file = claims.finish("index.html");
  EXPECT_GT(file.size(), 64000000u);
  EXPECT_LT(openedIn(file, ChmReader::Status::TooLarge), kMomentMs);
}

TEST(HostileFiles, PictureBombsAreRefusedOrDecodedWithinBounds) {
  // Text chunks of 7 MB each, just below what libpng takes of one chunk:
  // gigabytes in all, were they decompressed.
  const QByteArray text = "Comment" + QByteArray(2, '\0') + zlibStream(QByteArray(7 << 20, '\0'));
  std::string textChunks;
  for (int i = 0; i < 400; ++i) textChunks += pngChunk("zTXt", text);
  const struct {
    const char* name;
    std::string bytes;
    QSize shown;  // 1 × 1 for the placeholder of a refused picture
  } pictures[] = {
      {"/plain.png", png(40, 30), {40, 30}},
      {"/texts.png", png(40, 30, textChunks), {40, 30}},
      {"/scans.jpg", progressiveJpeg(1000, 20000), {1, 1}},
      {"/most-scans.jpg", progressiveJpeg(1000, limits::kMaxPictureScans), {1000, 1000}},
      {"/svg.png", gzippedSvg(), {1, 1}},
      {"/huge.png", png(1001, 1000), {1, 1}},
  };
  ChmWriter writer;
  QString page = "<h1>pictures</h1>";
  for (const auto& picture : pictures) {
    ASSERT_LT(picture.bytes.size(), limits::kMaxPictureBytes) << picture.name;
    writer.add(picture.name, picture.bytes);
    page += QStringLiteral("<img src=\"%1\">").arg(QString::fromLatin1(picture.name).mid(1));
  }
  writer.add("/index.html", page.toStdString());
  const auto chm = std::make_shared<ChmReader>();
  ASSERT_EQ(chm->openBytes(bytesOf(writer.finish("index.html"))), ChmReader::Status::Ok);

  const long memoryBefore = peakMemoryKiB();
  QElapsedTimer timer;
  timer.start();
  HelpBrowser browser(chm);
  browser.resize(720, 560);
  browser.show();
  browser.showDefaultTopic();
  browser.grab();
  EXPECT_LT(timer.elapsed(), kMomentMs);
  EXPECT_LT(peakMemoryKiB() - memoryBefore, kMostMemoryKiB);
  EXPECT_TRUE(browser.toPlainText().contains("pictures")) << "the page is still shown";
  for (const auto& picture : pictures) {
    const QImage shown = browser.document()
                             ->resource(QTextDocument::ImageResource,
                                        pictureUrlForEntry(QString::fromLatin1(picture.name)))
                             .value<QImage>();
    EXPECT_EQ(shown.size(), picture.shown) << picture.name;
  }
}

}  // namespace
}  // namespace polkamina::help
