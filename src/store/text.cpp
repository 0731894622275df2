#include "store/text.h"

#include <algorithm>
#include <optional>

#include "store/cp932.h"

namespace polkamina::store {

namespace {

const char* const kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence that starts at pos, or 0 when the
// bytes there are not one.
std::size_t utf8SequenceLength(const std::string& bytes, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
  const unsigned char lead = byteAt(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char lowestSecond = 0x80;
  unsigned char highestSecond = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) lowestSecond = 0xA0;   // no overlong forms
    if (lead == 0xED) highestSecond = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) lowestSecond = 0x90;   // no overlong forms
    if (lead == 0xF4) highestSecond = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() - pos < length) return 0;
  if (byteAt(1) < lowestSecond || byteAt(1) > highestSecond) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byteAt(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

std::string utf8WithReplacements(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, pos);
    if (length == 0) {
      text += kReplacementCharacter;
      ++pos;
    } else {
      text.append(bytes, pos, length);
      pos += length;
    }
  }
  return text;
}

}  // namespace

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string asciiLower(std::string text) {
  for (char& c : text) c = asciiLower(c);
  return text;
}

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return asciiLower(x) == asciiLower(y);
         });
}

bool isUtf8(const std::string& bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string shownFileName(const std::string& nameBytes) {
  if (isUtf8(nameBytes)) return nameBytes;
  if (std::optional<std::string> text = decodeCp932(nameBytes)) return *text;
  return utf8WithReplacements(nameBytes);
}

}  // namespace polkamina::store
