#pragma once

// The CP932 decoding as glibc's iconv does it over the whole input at once,
// the reference the game's own decoder is checked against (it adds the few
// bytes Windows maps and glibc does not).
#include <iconv.h>

#include <cstddef>
#include <optional>
#include <string>

// The UTF-8 text of bytes, or nothing when iconv rejects any of it.
inline std::optional<std::string> iconvDecode(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string text(bytes.size() * 3 + 8, '\0');
  char* in = const_cast<char*>(bytes.data());
  char* out = text.data();
  std::size_t inLeft = bytes.size();
  std::size_t outLeft = text.size();
  std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  text.resize(text.size() - outLeft);
  return text;
}
