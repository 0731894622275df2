#pragma once

#include <string>

namespace polkamina::store {

// The one place where text crosses between UTF-8 (in memory) and code page 932
// (Shift-JIS, on disk), both defined by glibc's iconv "CP932". Nothing is ever
// replaced or dropped.

// Throws FileError(NotCp932, fileName) for bytes that are not CP932.
std::string cp932ToUtf8(const std::string& bytes, const std::string& fileName);
// Throws FileError(CannotWrite, fileName) for text that has no CP932 form
// (or is not UTF-8): such text cannot be written to the file.
std::string utf8ToCp932(const std::string& text, const std::string& fileName);

}  // namespace polkamina::store
