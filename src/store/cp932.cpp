#include "store/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "store/file_error.h"

namespace polkamina::store {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Converts all of input with iconv; false if any byte sequence has no form in
// the target encoding (it is never replaced).
bool convertAll(iconv_t cd, const char* input, std::size_t size, std::string& output) {
  output.resize(size * 2 + 16);
  char* in = const_cast<char*>(input);
  std::size_t inLeft = size;
  std::size_t done = 0;
  while (inLeft > 0) {
    char* out = output.data() + done;
    std::size_t outLeft = output.size() - done;
    std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    done = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno != E2BIG) return false;
    output.resize(output.size() * 2);
  }
  output.resize(done);
  return true;
}

// What one or two CP932 bytes become in UTF-8. length 0 marks bytes that are
// not CP932. Two bytes never give more than six bytes of UTF-8.
struct Utf8Form {
  char bytes[6] = {};
  std::uint8_t length = 0;
};

// glibc's CP932 decoder laid out as a table, filled once from iconv itself, so
// iconv stays the one definition of the mapping while a long history is
// decoded with one look-up per character instead of a pass through iconv's
// conversion steps.
class DecodeTable {
 public:
  DecodeTable() : pairs_(256 * 256) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    // Without a converter every form stays invalid, so every read fails.
    if (cd == kNoConverter) return;
    for (int first = 0; first < 256; ++first) {
      const char single[1] = {static_cast<char>(first)};
      single_[first] = formOf(cd, single, 1, &isLead_[first]);
      if (!isLead_[first]) continue;
      for (int second = 0; second < 256; ++second) {
        const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
        pairs_[first * 256 + second] = formOf(cd, pair, 2, nullptr);
      }
    }
    iconv_close(cd);
  }

  // Replaces output with the UTF-8 form of bytes; false at the first byte
  // that is not CP932, including a lead byte at the very end.
  bool decode(const std::string& bytes, std::string& output) const {
    // A first pass checks the bytes and measures the result, so the text is
    // written into a buffer of exactly its size.
    std::size_t size = 0;
    bool valid = forEachForm(bytes, [&](const Utf8Form& form) { size += form.length; });
    if (!valid) return false;
    // The slack lets each form be copied whole, which is quicker than
    // copying its length.
    output.resize(size + sizeof(Utf8Form::bytes));
    char* out = output.data();
    forEachForm(bytes, [&](const Utf8Form& form) {
      std::memcpy(out, form.bytes, sizeof form.bytes);
      out += form.length;
    });
    output.resize(size);
    return true;
  }

 private:
  // Calls use with the form of each character in turn; false, after the
  // valid ones, at bytes that are not CP932.
  template <typename Use>
  bool forEachForm(const std::string& bytes, Use use) const {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = in + bytes.size();
    while (in != end) {
      const Utf8Form* form = &single_[*in];
      std::size_t used = 1;
      if (isLead_[*in]) {
        if (end - in < 2) return false;
        form = &pairs_[in[0] * 256 + in[1]];
        used = 2;
      }
      if (form->length == 0) return false;
      use(*form);
      in += used;
    }
    return true;
  }

  // The form of exactly these bytes; isLead, when given, is set for a byte
  // that iconv takes as the start of a two-byte character.
  static Utf8Form formOf(iconv_t cd, const char* input, std::size_t size, bool* isLead) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[sizeof(Utf8Form::bytes)];
    char* in = const_cast<char*>(input);
    char* out = buffer;
    std::size_t inLeft = size;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    Utf8Form form;
    if (result == static_cast<std::size_t>(-1)) {
      if (isLead != nullptr) *isLead = errno == EINVAL;
      return form;
    }
    if (isLead != nullptr) *isLead = false;
    form.length = static_cast<std::uint8_t>(out - buffer);
    std::memcpy(form.bytes, buffer, form.length);
    return form;
  }

  Utf8Form single_[256];
  bool isLead_[256] = {};
  std::vector<Utf8Form> pairs_;  // indexed by lead byte * 256 + trail byte
};

}  // namespace

std::string cp932ToUtf8(const std::string& bytes, const std::string& fileName) {
  static const DecodeTable table;
  std::string text;
  if (!table.decode(bytes, text)) throw FileError(FileError::Kind::NotCp932, fileName);
  return text;
}

std::string utf8ToCp932(const std::string& text, const std::string& fileName) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == kNoConverter) throw FileError(FileError::Kind::CannotWrite, fileName);
  std::string bytes;
  bool converted = convertAll(cd, text.data(), text.size(), bytes);
  iconv_close(cd);
  if (!converted) throw FileError(FileError::Kind::CannotWrite, fileName);
  return bytes;
}

}  // namespace polkamina::store
