#pragma once

#include <string>

namespace polkamina::store {

// Text helpers shared by every layer: ASCII case folding for file names and
// UTF-8 checks for text that came from outside the program.

char asciiLower(char c);
std::string asciiLower(std::string text);
bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b);

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool isUtf8(const std::string& bytes);

// The UTF-8 text of a file name as the player should see it: the name itself
// when it is UTF-8, else its code page 932 reading (names that Windows
// archives carry onto Linux), else the name with U+FFFD for each byte that
// is neither.
std::string shownFileName(const std::string& nameBytes);

}  // namespace polkamina::store
