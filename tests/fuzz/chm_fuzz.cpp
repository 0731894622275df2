// Feeds arbitrary bytes to the help viewer's readers: as a CHM file, whose
// every entry is then read, every page cleaned and every picture checked
// and decoded; as a page and a style sheet of the game's test help file; and
// as a picture. A reader may refuse the bytes; anything else (a crash, a
// sanitizer report, a hang) is a fault. What the page cleaner writes may name
// pictures only by the viewer's own addresses, and a picture that passes
// the check decodes within its bounds or not at all. tools/fuzz.sh starts it
// from help files with pictures and large directories (chm_fuzz_seeds.cpp).
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/help/chm_reader.h"
#include "ui/help/help_pictures.h"
#include "ui/help/help_urls.h"
#include "ui/help/html_cleaner.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace {

using namespace polkamina::help;

// Entries of one fuzzed file that are read.
constexpr std::size_t kMaxEntriesRead = 64;

void require(bool condition) {
  if (!condition) std::abort();
}

const ChmReader& testHelp() {
  static ChmReader chm;
  static const bool opened = chm.open(FUZZ_TEST_CHM) == ChmReader::Status::Ok;
  require(opened);
  return chm;
}

// The values of the attribute name in the tags of a cleaned page. Text there
// escapes "<", so every "<" opens a tag; values are quoted with '"', which
// they escape, so a tag ends at the first ">" outside them.
QStringList attributeValues(const QString& html, const QString& name) {
  QStringList values;
  const QString start = ' ' + name + "=\"";
  for (qsizetype open = html.indexOf(u'<'); open >= 0; open = html.indexOf(u'<', open + 1)) {
    bool quoted = false;
    for (qsizetype i = open + 1; i < html.size() && (quoted || html[i] != u'>'); ++i) {
      if (!quoted && html.mid(i, start.size()) == start) {
        const qsizetype value = i + start.size();
        values << html.mid(value, html.indexOf(u'"', value) - value);
      }
      if (html[i] == u'"') quoted = !quoted;
    }
  }
  return values;
}

void checkCleaned(const QString& html, const ChmReader& chm, const QString& entry) {
  const CleanPage page = cleanPage(html, chm, entry);
  require(page.problem.has_value() == page.html.isEmpty());
  const QString pictures = pictureSourceForEntry("/");
  for (const QString& source : attributeValues(page.html, "src")) {
    require(source.startsWith(pictures));
  }
}

void checkPictureOf(const std::vector<unsigned char>& bytes) {
  const auto picture = checkPicture(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size())));
  if (!picture) return;
  require(picture->width > 0 && picture->height > 0 &&
          long{picture->width} * picture->height <= limits::kMaxPicturePixels);
  const QImage image = decodePicture(*picture);
  require(image.isNull() || image.size() == QSize(picture->width, picture->height));
}

bool isPage(const std::string& name) {
  return name.size() > 4 &&
         (name.substr(name.size() - 4) == ".htm" || name.substr(name.size() - 5) == ".html");
}

void checkFile(const std::uint8_t* data, std::size_t size) {
  ChmReader chm;
  if (chm.openBytes(std::vector<unsigned char>(data, data + size)) != ChmReader::Status::Ok) {
    return;
  }
  require(chm.read(chm.defaultTopic()).has_value());
  for (std::size_t i = 0; i < chm.entries().size() && i < kMaxEntriesRead; ++i) {
    const std::string& entry = chm.entries()[i];
    const auto bytes = chm.read(entry);
    require(!bytes || chm.entrySize(entry) == bytes->size());
    if (bytes) checkPictureOf(*bytes);
    if (bytes && isPage(entry)) {
      checkCleaned(QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                                     static_cast<qsizetype>(bytes->size())),
                   chm, QString::fromStdString(entry));
    }
  }
}

}  // namespace

// Qt finds its picture plugins through the application.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkFile(data, size);
  checkPictureOf(std::vector<unsigned char>(data, data + size));
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  checkCleaned(text, testHelp(), "/sub/page.html");
  StyleCollector styles(testHelp());
  styles.addSheet(text, "/sub/page.html");
  cleanDeclarations(text, testHelp(), "/start.html");
  return 0;
}
