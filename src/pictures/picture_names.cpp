#include "pictures/picture_names.h"

#include <array>
#include <cstddef>

#include "store/text.h"
#include "store/translation.h"

namespace polkamina::pictures {

namespace {

// A file name's longest length on Windows (UTF-16 units) and on Linux (bytes).
constexpr std::size_t kLongestFileName = 255;

const char* const kForbiddenCharacters = "\\/:*?\"<>|";

bool isReservedDeviceName(const std::string& name) {
  // Windows takes the part before the first "." less its trailing blanks.
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  base = store::asciiLower(base);
  static const std::array<const char*, 4> kDevices = {"con", "prn", "aux", "nul"};
  for (const char* device : kDevices) {
    if (base == device) return true;
  }
  if (base.size() != 4 || (base.compare(0, 3, "com") != 0 && base.compare(0, 3, "lpt") != 0)) {
    return false;
  }
  return base[3] >= '0' && base[3] <= '9';
}

// UTF-16 units of well-formed UTF-8: two for a 4-byte sequence, else one per
// sequence.
std::size_t utf16Length(const std::string& text) {
  std::size_t units = 0;
  for (unsigned char byte : text) {
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

}  // namespace

std::optional<std::string> refusedName(const std::string& name, const std::string& extension) {
  if (name.empty()) return store::translated("Pictures", "名前がありません。");
  if (!store::isUtf8(name)) return store::translated("Pictures", "名前に読めない文字があります。");
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      return store::translated("Pictures",
                               "名前に制御文字があります。Windows のファイル名には使えません。");
    }
    for (const char* forbidden = kForbiddenCharacters; *forbidden; ++forbidden) {
      if (c == *forbidden) {
        return store::filled(store::translated("Pictures",
                                               "名前に「%1」があります。\\ / : * ? \" < > | は "
                                               "Windows のファイル名には使えません。"),
                             {std::string(1, c)});
      }
    }
  }
  if (name.front() == '.') {
    return store::translated("Pictures",
                             "「.」で始まる名前は隠しファイルになり、ゲームに数えられません。");
  }
  if (name.back() == ' ' || name.back() == '.') {
    return store::translated(
        "Pictures", "名前の終わりに空白や「.」があります。Windows のファイル名には使えません。");
  }
  if (isReservedDeviceName(name)) {
    return store::filled(
        store::translated("Pictures",
                          "「%1」は Windows が装置に使う名前なので、ファイル名には使えません。"),
        {name});
  }
  const std::string fileName = name + extension;
  if (fileName.size() > kLongestFileName || utf16Length(fileName) > kLongestFileName) {
    return store::translated("Pictures", "名前が長すぎます。");
  }
  return std::nullopt;
}

}  // namespace polkamina::pictures
