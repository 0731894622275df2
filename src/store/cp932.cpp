#include "store/cp932.h"

#include <iconv.h>

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
Encoding windowsOnlyEncoding(const std::string& text, std::size_t pos) {
  for (const WindowsOnlyByte& entry : kWindowsOnlyBytes) {
    const std::size_t length = std::strlen(entry.utf8);
    if (text.compare(pos, length, entry.utf8) == 0) return {entry.byte, length};
  }
  return {};
}

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
bool convertAll(const char* to, const char* from, const std::string& input, std::string& output,
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

std::optional<std::string> decodeCp932(const std::string& bytes) {
  std::string text;
  const bool decoded =
      convertAll("UTF-8", "CP932", bytes, text,
                 [](const std::string& input, std::size_t pos, std::string& output) -> std::size_t {
                   const char* utf8 = windowsOnlyDecoding(input[pos]);
                   if (utf8 == nullptr) return 0;
                   output += utf8;
                   return 1;
                 });
  if (!decoded) return std::nullopt;
  return text;
}

std::string cp932ToUtf8(const std::string& bytes, const std::string& fileName) {
  std::optional<std::string> text = decodeCp932(bytes);
  if (!text) throw FileError(FileError::Kind::NotCp932, fileName);
  return std::move(*text);
}

std::string utf8ToCp932(const std::string& text, const std::string& fileName) {
  std::string bytes;
  const bool encoded =
      convertAll("CP932", "UTF-8", text, bytes,
                 [](const std::string& input, std::size_t pos, std::string& output) -> std::size_t {
                   const Encoding encoding = windowsOnlyEncoding(input, pos);
                   if (encoding.length != 0) output += encoding.byte;
                   return encoding.length;
                 });
  if (!encoded) throw FileError(FileError::Kind::CannotWrite, fileName);
  return bytes;
}

}  // namespace polkamina::store
