#include "store/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <cstring>

#include "store/file_error.h"

namespace polkamina::store {

namespace {

// The single bytes Windows maps and glibc does not, with their UTF-8 forms.
struct WindowsOnlyByte {
  char byte;
  const char* utf8;
};
constexpr WindowsOnlyByte kWindowsOnlyBytes[] = {
    {'\x80', "\xC2\x80"},      // U+0080
    {'\xA0', "\xEF\xA3\xB0"},  // U+F8F0
    {'\xFD', "\xEF\xA3\xB1"},  // U+F8F1
    {'\xFE', "\xEF\xA3\xB2"},  // U+F8F2
    {'\xFF', "\xEF\xA3\xB3"},  // U+F8F3
};

// The UTF-8 form of a Windows-only byte; nullptr for any other byte.
const char* windowsOnlyDecoding(char byte) {
  for (const WindowsOnlyByte& entry : kWindowsOnlyBytes) {
    if (entry.byte == byte) return entry.utf8;
  }
  return nullptr;
}

// The Windows-only byte whose UTF-8 form starts text at pos, and that form's
// length; length 0 when there is none.
struct Encoding {
  char byte = 0;
  std::size_t length = 0;
};
Encoding windowsOnlyEncoding(std::string_view text, std::size_t pos) {
  for (const WindowsOnlyByte& entry : kWindowsOnlyBytes) {
    const std::size_t length = std::strlen(entry.utf8);
    if (text.compare(pos, length, entry.utf8) == 0) return {entry.byte, length};
  }
  return {};
}

// Which single bytes and byte pairs are characters, taken from glibc's iconv
// itself (plus the Windows-only bytes), so that a file can be checked far
// faster than iconv converts it; a long history is checked whole at start-up
// and only the rows shown are converted.
class CharacterTable {
 public:
  CharacterTable() {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;  // nothing counts as valid
    for (int first = 0; first < 256; ++first) {
      const char single[1] = {static_cast<char>(first)};
      const int result = convertsTo(cd, single, 1);
      isSingle_[first] = result == 0 || windowsOnlyDecoding(single[0]) != nullptr;
      isLead_[first] = result == EINVAL;
      for (int second = 0; isLead_[first] && second < 256; ++second) {
        const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
        pairs_[first * 256 + second] = convertsTo(cd, pair, 2) == 0;
      }
    }
    iconv_close(cd);
  }

  bool holdsOnlyCharacters(std::string_view bytes) const {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = in + bytes.size();
    while (in != end) {
      if (isLead_[*in]) {
        if (end - in < 2 || !pairs_[in[0] * 256 + in[1]]) return false;
        in += 2;
      } else if (isSingle_[*in]) {
        ++in;
      } else {
        return false;
      }
    }
    return true;
  }

 private:
  // 0 when iconv converts exactly these bytes, else the errno it gives.
  static int convertsTo(iconv_t cd, const char* input, std::size_t size) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[8];
    char* in = const_cast<char*>(input);
    char* out = buffer;
    std::size_t inLeft = size;
    std::size_t outLeft = sizeof buffer;
    return iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ? errno : 0;
  }

  bool isSingle_[256] = {};
  bool isLead_[256] = {};
  std::bitset<256 * 256> pairs_;  // by lead byte * 256 + trail byte
};

// A conversion descriptor for one run of iconv, closed again when done.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts all of input with iconv into output. A sequence iconv refuses is
// handed to mend(input, pos, output), which appends what stands for it and
// returns how many input bytes that covers, or 0 when nothing does. False
// for input that cannot be converted whole.
template <typename Mend>
bool convertAll(const char* to, const char* from, std::string_view input, std::string& output,
                Mend mend) {
  Converter converter(to, from);
  if (!converter.valid()) return false;
  // Japanese text grows by about a half from code page 932 to UTF-8; the
  // buffer grows when that is not enough.
  output.assign(input.size() + input.size() / 2 + 16, '\0');
  std::size_t done = 0;
  std::size_t pos = 0;
  while (pos < input.size()) {
    char* in = const_cast<char*>(input.data() + pos);
    std::size_t inLeft = input.size() - pos;
    char* out = output.data() + done;
    std::size_t outLeft = output.size() - done;
    const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
    const int error = errno;
    pos = input.size() - inLeft;
    done = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (error == E2BIG) {
      output.resize(output.size() + output.size() / 2 + 16);
    } else if (error == EILSEQ) {
      output.resize(done);
      const std::size_t used = mend(input, pos, output);
      if (used == 0) return false;
      pos += used;
      done = output.size();
      output.resize(done + (input.size() - pos) + (input.size() - pos) / 2 + 16);
    } else {
      return false;  // a character cut off at the end
    }
  }
  output.resize(done);
  return true;
}

}  // namespace

bool isCp932(std::string_view bytes) {
  // Making the table costs about what converting this much does, so shorter
  // input is simply converted: the small data files never make one.
  constexpr std::size_t kTablePaysFrom = 64 * 1024;
  return bytes.size() < kTablePaysFrom ? decodeCp932(bytes).has_value() : isCp932ByTable(bytes);
}

std::size_t cp932CharsBytes(std::string_view bytes, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t chars = 0; chars < maxChars && pos < bytes.size(); ++chars) {
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    pos += lead ? 2 : 1;
  }
  return std::min(pos, bytes.size());
}

bool isCp932ByTable(std::string_view bytes) {
  static const CharacterTable table;
  return table.holdsOnlyCharacters(bytes);
}

std::optional<std::string> decodeCp932(std::string_view bytes) {
  std::string text;
  const bool decoded =
      convertAll("UTF-8", "CP932", bytes, text,
                 [](std::string_view input, std::size_t pos, std::string& output) -> std::size_t {
                   const char* utf8 = windowsOnlyDecoding(input[pos]);
                   if (utf8 == nullptr) return 0;
                   output += utf8;
                   return 1;
                 });
  if (!decoded) return std::nullopt;
  return text;
}

std::string cp932ToUtf8(std::string_view bytes, const std::string& fileName) {
  std::optional<std::string> text = decodeCp932(bytes);
  if (!text) throw FileError(FileError::Kind::NotCp932, fileName);
  return std::move(*text);
}

std::string utf8ToCp932(std::string_view text, const std::string& fileName) {
  std::string bytes;
  const bool encoded =
      convertAll("CP932", "UTF-8", text, bytes,
                 [](std::string_view input, std::size_t pos, std::string& output) -> std::size_t {
                   const Encoding encoding = windowsOnlyEncoding(input, pos);
                   if (encoding.length != 0) output += encoding.byte;
                   return encoding.length;
                 });
  if (!encoded) throw FileError(FileError::Kind::CannotWrite, fileName);
  return bytes;
}

}  // namespace polkamina::store
