#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace polkamina::store {

// The one place where text crosses between UTF-8 (in memory) and code page
// 932 (Shift-JIS, on disk). Code page 932 is meant as Windows has it: glibc's
// iconv "CP932" plus the five single bytes 0x80, 0xA0 and 0xFD to 0xFF, which
// Windows reads as U+0080, U+F8F0 and U+F8F1 to U+F8F3 and glibc refuses.
// Nothing is ever replaced or dropped.

// True when bytes are code page 932 throughout, the last character whole.
bool isCp932(std::string_view bytes);
// The same, looked up in a table of the code page's characters that is made
// the first time: far quicker than converting, for long input.
bool isCp932ByTable(std::string_view bytes);

// How many bytes the first maxChars characters of code page 932 text take
// (all of them when it has fewer).
std::size_t cp932CharsBytes(std::string_view bytes, std::size_t maxChars);

// The UTF-8 text of bytes, or nothing when they are not code page 932.
std::optional<std::string> decodeCp932(std::string_view bytes);

// As decodeCp932, for a data file: throws FileError(NotCp932, fileName).
std::string cp932ToUtf8(std::string_view bytes, const std::string& fileName);
// Throws FileError(CannotWrite, fileName) for text that has no code page 932
// form (or is not UTF-8): such text cannot be written to the file.
std::string utf8ToCp932(std::string_view text, const std::string& fileName);

}  // namespace polkamina::store
