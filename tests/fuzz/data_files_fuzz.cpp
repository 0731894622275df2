// Feeds arbitrary bytes to every data-file parser. A parser may reject the
// bytes with FileError; anything else (a crash, a sanitizer report, another
// exception) is a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/data_folder.h"
#include "store/file_error.h"

namespace {

template <typename Parse>
void tryParse(Parse parse) {
  try {
    parse();
  } catch (const polkamina::store::FileError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace polkamina::store;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tryParse([&] { parseDelays(bytes, "設定.txt"); });
  tryParse([&] { parseOptions(bytes, "設定2.txt"); });
  tryParse([&] { parseRecords(bytes, "記録.txt"); });
  tryParse([&] {
    for (const HistoryRow& row : parseHistory(bytes, "履歴.txt")) formatHistoryRow(row, "履歴.txt");
  });
  return 0;
}
