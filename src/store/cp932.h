#pragma once

#include <string>

namespace polkamina::store {

// The one place where text crosses between UTF-8 (in memory) and code page 932
// (Shift-JIS, on disk). Both throw FileError(NotCp932, fileName) for text that
// has no form in the other encoding.
std::string cp932ToUtf8(const std::string& bytes, const std::string& fileName);
std::string utf8ToCp932(const std::string& text, const std::string& fileName);

}  // namespace polkamina::store
