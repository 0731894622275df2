// Feeds arbitrary bytes to the help viewer's readers: as a CHM file, whose
// every entry is then read and every page cleaned, and as a page and a style
// sheet of the game's test help file. A reader may refuse the bytes; anything
// else (a crash, a sanitizer report, a hang) is a fault. What the page
// cleaner writes may name pictures only by the viewer's own addresses.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/help/chm_reader.h"
#include "ui/help/help_urls.h"
#include "ui/help/html_cleaner.h"
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

void checkCleaned(const QString& html, const ChmReader& chm, const QString& entry) {
  const CleanPage page = cleanPage(html, chm, entry);
  require(page.problem.has_value() == page.html.isEmpty());
  const QString pictures = " src=\"" + pictureSourceForEntry("/");
  require(page.html.count(QStringLiteral(" src=\"")) == page.html.count(pictures));
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
    if (bytes && isPage(entry)) {
      checkCleaned(QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                                     static_cast<qsizetype>(bytes->size())),
                   chm, QString::fromStdString(entry));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkFile(data, size);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  checkCleaned(text, testHelp(), "/sub/page.html");
  StyleCollector styles(testHelp());
  styles.addSheet(text, "/sub/page.html");
  cleanDeclarations(text, testHelp(), "/start.html");
  return 0;
}
