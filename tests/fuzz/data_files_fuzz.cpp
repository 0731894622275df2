// Feeds arbitrary bytes to every data-file parser and to the decoding of
// file names. A parser may reject the bytes with FileError; anything else (a
// crash, a sanitizer report, another exception) is a fault. Whatever a parser
// accepts must also survive being written and read back: the game rewrites
// the options and records it read at start-up, and a value that came in but
// cannot go out again, or comes back different, would lose the player's data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../support/iconv_reference.h"
#include "store/cp932.h"
#include "store/data_folder.h"
#include "store/file_error.h"
#include "store/text.h"

namespace {

using namespace polkamina::store;

// The parser's result, or nothing when it rejects the bytes with FileError.
template <typename Parse>
auto parsed(Parse parse) -> std::optional<decltype(parse())> {
  try {
    return parse();
  } catch (const FileError&) {
    return std::nullopt;
  }
}

void require(bool condition) {
  if (!condition) std::abort();
}

// The decoder must agree with glibc's iconv run over the whole input wherever
// iconv takes the bytes, and with the quick check of the bytes; what it reads
// must be UTF-8 and must read the same after a trip back to code page 932.
void checkDecoding(const std::string& bytes) {
  const auto text = parsed([&] { return cp932ToUtf8(bytes, "履歴.txt"); });
  require(isCp932(bytes) == text.has_value());
  require(isCp932ByTable(bytes) == text.has_value());
  if (const auto reference = iconvDecode(bytes)) require(text == reference);
  if (!text) return;
  require(isUtf8(*text));
  require(cp932ToUtf8(utf8ToCp932(*text, "履歴.txt"), "履歴.txt") == *text);
}

// Any bytes may name an icon file; the name shown is always UTF-8, and is the
// name itself whenever that is UTF-8 already.
void checkShownName(const std::string& bytes) {
  const std::string shown = shownFileName(bytes);
  require(isUtf8(shown));
  if (isUtf8(bytes)) require(shown == bytes);
}

// A text field is written between quotes with nothing escaped, so only a
// text without a quote can come back whole.
bool writable(const std::string& text) { return text.find('"') == std::string::npos; }

// Writing and reading back what was accepted may not throw at all: an escaping
// FileError ends the run as a crash.
void checkOptions(const std::string& bytes) {
  auto read = parsed([&] { return parseOptions(bytes, "設定2.txt"); });
  if (!read || !writable(read->level)) return;
  const Options& options = *read;
  Options back = parseOptions(formatOptions(options, "設定2.txt"), "設定2.txt");
  require(back.level == options.level && back.nameDisplay == options.nameDisplay &&
          back.autoSave == options.autoSave);
}

void checkRecords(const std::string& bytes) {
  auto read = parsed([&] { return parseRecords(bytes, "記録.txt"); });
  if (!read) return;
  const Records& records = *read;
  for (const Record& record : records) {
    if (!writable(record.time)) return;
  }
  Records back = parseRecords(formatRecords(records, "記録.txt"), "記録.txt");
  for (std::size_t i = 0; i < records.size(); ++i) {
    require(back[i].turns == records[i].turns && back[i].time == records[i].time);
  }
}

void checkHistory(const std::string& bytes) {
  auto read = parsed([&] { return parseHistory(bytes, "履歴.txt"); });
  if (!read) return;
  std::string written;
  for (std::size_t i = 0; i < read->size(); ++i) {
    const HistoryRow row = (*read)[i];
    for (std::size_t column = 0; column < row.size(); ++column) {
      if (!writable(row[column])) return;
      require(read->field(i, column) == row[column]);
    }
    written += formatHistoryRow(row, "履歴.txt");
  }
  const HistoryRows back = parseHistory(written, "履歴.txt");
  require(back.size() == read->size());
  for (std::size_t i = 0; i < back.size(); ++i) require(back[i] == (*read)[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  checkDecoding(bytes);
  checkShownName(bytes);
  parsed([&] { return parseDelays(bytes, "設定.txt"); });
  checkOptions(bytes);
  checkRecords(bytes);
  checkHistory(bytes);
  return 0;
}
