#include "store/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "store/file_error.h"

namespace polkamina::store {

namespace {

// Converts all of input with one iconv conversion; any byte sequence that
// has no form in the target encoding is an error, never replaced.
std::string convert(const char* to, const char* from, const std::string& input,
                    const std::string& fileName) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw FileError(FileError::Kind::NotCp932, fileName);
  std::string output;
  output.resize(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t done = 0;
  bool failed = false;
  while (inLeft > 0) {
    char* out = output.data() + done;
    std::size_t outLeft = output.size() - done;
    std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    done = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno != E2BIG) {
      failed = true;
      break;
    }
    output.resize(output.size() * 2);
  }
  iconv_close(cd);
  if (failed) throw FileError(FileError::Kind::NotCp932, fileName);
  output.resize(done);
  return output;
}

}  // namespace

std::string cp932ToUtf8(const std::string& bytes, const std::string& fileName) {
  return convert("UTF-8", "CP932", bytes, fileName);
}

std::string utf8ToCp932(const std::string& text, const std::string& fileName) {
  return convert("CP932", "UTF-8", text, fileName);
}

}  // namespace polkamina::store
