// Help files written here to hurt the viewer where chmcmd cannot: huge
// directories, and pictures that are bombs for the decoders behind them.
// Each is opened or refused within a moment and a bounded amount of memory.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTextDocument>
#include <functional>
#include <limits>
#include <map>
#include <memory>

#include "chm_writer.h"
#include "help_test_support.h"
#include "ui/help/chm_reader.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_pictures.h"
#include "ui/help/help_urls.h"
#include "ui/help/html_cleaner.h"
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

// Pixels of no pattern, the most work for any decoder.
QImage noise(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  QRandomGenerator random(20261207);
  for (int y = 0; y < side; ++y) {
    auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
    for (int x = 0; x < side; ++x) line[x] = random.generate();
  }
  return image;
}

QByteArray encoded(const QImage& image, const char* format, bool progressive = false) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setProgressiveScanWrite(progressive);
  return writer.write(image) ? bytes : QByteArray();
}

// A progressive JPEG of `image` (a plain grey one when none is given) with
// its smallest scan repeated until it has `scans`.
std::string progressiveJpeg(int side, int scans, const QImage& picture = QImage()) {
  QImage image = picture;
  if (image.isNull()) {
    image = QImage(side, side, QImage::Format_Grayscale8);
    image.fill(128);
  }
  const QByteArray bytes = encoded(image, "jpeg", true);
  // Qt writes each scan as a marker 0xFFDA and its data, up to the next
  // scan or the end marker 0xFFD9.
  QByteArray smallest;
  int written = 0;
  for (qsizetype start = bytes.indexOf("\xFF\xDA"); start >= 0; ++written) {
    qsizetype end = bytes.indexOf("\xFF\xDA", start + 2);
    const qsizetype next = end;
    if (end < 0) end = bytes.size() - 2;
    if (smallest.isEmpty() || end - start < smallest.size())
      smallest = bytes.mid(start, end - start);
    start = next;
  }
  return (bytes.chopped(2) + smallest.repeated(scans - written) + "\xFF\xD9").toStdString();
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

// Shows the default topic of the browser's file as a player sees it: laid
// out whole, pictures decoded, painted.
void showDefaultTopic(HelpBrowser& browser) {
  browser.resize(720, 560);
  browser.show();
  browser.showDefaultTopic();
  browser.document()->documentLayout()->documentSize();
  browser.grab();
}

// The time a player waits for the default topic of `chm` in a new help
// browser: the least of a few showings.
qint64 showingNanoseconds(const std::shared_ptr<const ChmReader>& chm) {
  qint64 least = std::numeric_limits<qint64>::max();
  for (int i = 0; i < 3; ++i) {
    QElapsedTimer timer;
    timer.start();
    HelpBrowser browser(chm);
    showDefaultTopic(browser);
    least = std::min(least, timer.nsecsElapsed());
  }
  return least;
}

// The page make(n) for the largest n the bounds allow: the worst page of
// its kind that the viewer still shows.
QString worstWithinBounds(const std::function<QString(int)>& make, const ChmReader& chm) {
  const auto allowed = [&](int n) {
    const QString html = make(n);
    return static_cast<std::size_t>(html.toUtf8().size()) <= limits::kMaxPageBytes &&
           !cleanPage(html, chm, "/index.html").problem;
  };
  int low = 1;  // allowed
  int high = 2;
  while (allowed(high)) {
    low = high;
    high *= 2;
  }
  while (high - low > 1) {
    const int middle = (low + high) / 2;
    (allowed(middle) ? low : high) = middle;
  }
  return make(low);
}

// Each of the pages the bounds allow, the worst of its kind, takes at most
// ten times as long to show as the game's own first help page, measured
// side by side in the same run.
TEST(HostileFiles, TheWorstPagesTheBoundsAllowShowInTenTimesTheShippedPagesTime) {
  const auto shipped = std::make_shared<ChmReader>();
  ASSERT_EQ(shipped->open(SHIPPED_HELP_CHM), ChmReader::Status::Ok);
  const qint64 shippedTime = showingNanoseconds(shipped);

  // Pictures as large as a page may have, in number enough to spend the
  // page's picture budget.
  // Pictures of every kind the viewer decodes, each in number enough to
  // spend the page's budget of decoding work: plain, progressive, and
  // progressive with the most scans (as large as that budget allows).
  constexpr int kLargePictures = limits::kMaxPicturePixelsPerPage / limits::kMaxPicturePixels + 1;
  const QImage picture = noise(1000);
  const std::map<std::string, std::string> pictureKinds = {
      {".png", encoded(picture, "png").toStdString()},
      {".jpg", encoded(picture, "jpeg").toStdString()},
      {".progressive.jpg", encoded(picture, "jpeg", true).toStdString()},
      {".scans.jpg", progressiveJpeg(600, limits::kMaxPictureScans, noise(600))},
  };
  for (const auto& [kind, bytes] : pictureKinds) {
    ASSERT_LT(bytes.size(), limits::kMaxPictureBytes) << kind;
  }
  const auto repeated = [](const QString& text, int times) { return text.repeated(times); };
  const QString fourTables = repeated("<table border=1><tr><td>", 3);
  const QString kana = QStringLiteral("あいうえお");
  const QString box =
      "<p style=\"font-size: 48px; line-height: 128px; margin: 50px; padding: 50px; border: 10px "
      "solid red\">";
  const std::function<QString(int)> pageKinds[] = {
      [&](int n) { return "<table border=1>" + repeated("<tr>" + repeated("<td>x", 40), n); },
      [&](int n) { return "<table border=1>" + repeated("<tr>" + repeated("<td>x", 8), n); },
      [&](int n) { return "<table border=1><tr>" + repeated("<td>x", n); },
      [&](int n) {
        return "<table border=1><tr>" + repeated("<td>x", 40) + repeated("<tr><td>y", n);
      },
      [&](int n) { return "<table border=1>" + repeated("<tr><td rowspan=10>x", n); },
      [&](int n) { return "<table border=1>" + repeated("<tr><td colspan=10 rowspan=10>x", n); },
      [&](int n) { return fourTables + "<table border=1>" + repeated("<tr><td>x<td>y", n); },
      [&](int n) { return fourTables + "<table border=1><tr><td>" + repeated("a<br>", n); },
      [&](int n) { return "<pre>" + repeated("a\n", n); },
      [&](int n) { return "<p>" + repeated(repeated("a", limits::kMaxUnbrokenRun) + " ", n); },
      [&](int n) { return "<p>" + repeated(kana, n); },
      [&](int n) { return repeated("<p>x", n); },
      [&](int n) { return repeated("<li>x", n); },
      [&](int n) { return repeated("<div>", 29) + repeated("<span>ab </span>", n); },
      [&](int n) { return repeated("<b>", 29) + repeated("<i>ab </i>", n); },
      [&](int n) {
        return "<style>" + repeated("body {color: red}\n", 50) + "</style>" +
               repeated("<span>a</span>", n);
      },
      [&](int n) {
        return "<style>" + repeated(".b {color: red}\n", limits::kMaxSelectors) + "</style>" +
               repeated("<div>", 28) + repeated("<span class=a>a</span>", n);
      },
      [&](int n) {
        return repeated(
            "<span style=\"" + repeated("margin: 3px; ", limits::kMaxDeclarations) + "\">a</span>",
            n);
      },
      [&](int n) { return repeated(box + repeated("a<br>", 8), n); },
      [&](int n) { return repeated("<img src=sub/dot.png width=1000 height=500>", n); },
  };
  const auto testHelp = std::make_shared<ChmReader>();
  ASSERT_EQ(testHelp->open(HELP_TEST_CHM), ChmReader::Status::Ok);
  const auto dot = testHelp->read("/sub/dot.png");
  ASSERT_TRUE(dot);
  // A file opening at `html`, with the pictures pages may name.
  const auto fileOf = [&](const QString& html, bool withLargePictures) {
    ChmWriter writer;
    writer.add("/index.html", html.toStdString());
    writer.add("/sub/dot.png", std::string(dot->begin(), dot->end()));
    for (int i = 0; withLargePictures && i < kLargePictures; ++i) {
      for (const auto& [kind, bytes] : pictureKinds)
        writer.add("/" + std::to_string(i) + kind, bytes);
    }
    const auto file = std::make_shared<ChmReader>();
    EXPECT_EQ(file->openBytes(bytesOf(writer.finish("index.html"))), ChmReader::Status::Ok);
    return file;
  };
  std::vector<std::shared_ptr<const ChmReader>> files;
  for (const auto& make : pageKinds)
    files.push_back(fileOf(worstWithinBounds(make, *testHelp), false));
  for (const auto& kind : pictureKinds) {
    QString html;
    for (int i = 0; i < kLargePictures; ++i) {
      html += QStringLiteral("<img src=\"%1%2\">").arg(i).arg(QString::fromStdString(kind.first));
    }
    files.push_back(fileOf(html, true));
  }
  for (const auto& file : files) {
    const auto page = file->read("/index.html");
    EXPECT_LT(showingNanoseconds(file), 10 * shippedTime)
        << std::string(page->begin(), page->begin() + std::min<std::size_t>(page->size(), 100));
  }
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
      {"/most-scans.jpg", progressiveJpeg(400, limits::kMaxPictureScans), {400, 400}},
      {"/costly-scans.jpg", progressiveJpeg(1000, limits::kMaxPictureScans), {1, 1}},
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
  showDefaultTopic(browser);
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
