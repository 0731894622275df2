#include "store/cp932.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../support/iconv_reference.h"
#include "store/file_error.h"
#include "store/text.h"

using namespace polkamina::store;

namespace {

std::optional<std::string> decoded(const std::string& bytes) {
  try {
    return cp932ToUtf8(bytes, "履歴.txt");
  } catch (const FileError& error) {
    EXPECT_EQ(error.kind(), FileError::Kind::NotCp932);
    EXPECT_EQ(error.fileName(), "履歴.txt");
    return std::nullopt;
  }
}

FileError::Kind encodingFailure(const std::string& text) {
  try {
    utf8ToCp932(text, "記録.txt");
  } catch (const FileError& error) {
    EXPECT_EQ(error.fileName(), "記録.txt");
    return error.kind();
  }
  ADD_FAILURE() << "no FileError";
  return FileError::Kind::Missing;
}

// The five single bytes that Windows maps and glibc refuses.
std::optional<std::string> windowsOnly(unsigned char byte) {
  switch (byte) {
    case 0x80:
      return "\u0080";
    case 0xA0:
      return "\uF8F0";
    case 0xFD:
      return "\uF8F1";
    case 0xFE:
      return "\uF8F2";
    case 0xFF:
      return "\uF8F3";
    default:
      return std::nullopt;
  }
}

// Code page 932 as Windows reads one character of one or two bytes: glibc's
// reading, else a Windows-only byte.
std::optional<std::string> windowsReading(const std::string& bytes) {
  if (auto text = iconvDecode(bytes)) return text;
  if (bytes.size() == 1) return windowsOnly(static_cast<unsigned char>(bytes[0]));
  return std::nullopt;
}

TEST(Cp932, DecodesAsWindowsForEveryOneAndTwoByteInput) {
  for (int first = 0; first < 256; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(decoded(single), windowsReading(single)) << "byte " << first;
    for (int second = 0; second < 256; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      // Two bytes are one character, or two single ones.
      std::optional<std::string> expected = windowsReading(pair);
      const auto head = windowsReading(single);
      const auto tail = windowsReading(std::string(1, static_cast<char>(second)));
      if (!expected && head && tail) expected = *head + *tail;
      ASSERT_EQ(decoded(pair), expected) << "bytes " << first << " " << second;
      // Both checks agree with the conversion.
      ASSERT_EQ(isCp932(pair), expected.has_value()) << "bytes " << first << " " << second;
      ASSERT_EQ(isCp932ByTable(pair), expected.has_value()) << "bytes " << first << " " << second;
    }
  }
}

TEST(Cp932, WindowsOnlyBytesRoundTrip) {
  const std::string bytes = "\x80\xa0\xfd\xfe\xff \x81\x80\x81\xa0";  // two of them as trail bytes
  const std::string text = cp932ToUtf8(bytes, "x");
  EXPECT_EQ(text, "\u0080\uF8F0\uF8F1\uF8F2\uF8F3 \u00F7\u25A1");
  EXPECT_EQ(utf8ToCp932(text, "x"), bytes);
  EXPECT_EQ(encodingFailure("\uF8F4"), FileError::Kind::CannotWrite);
}

TEST(Cp932, KnownCharactersAndDamagedBytes) {
  // ASCII is itself, yen sign and tilde included; half-width katakana grows to
  // three bytes; the vendor rows decode too.
  EXPECT_EQ(decoded("a\\~\r\n"), "a\\~\r\n");
  EXPECT_EQ(decoded("\xb1\xdd"), "ｱﾝ");
  EXPECT_EQ(decoded("\x81\x9b\x87\x40\xfa\x40"), "○①ⅰ");
  // A long run of the widest case: every byte becomes three.
  EXPECT_EQ(decoded(std::string(10000, '\xb1')).value_or("").size(), 30000u);
  EXPECT_EQ(decoded(""), "");

  EXPECT_EQ(decoded("ab\x82"), std::nullopt);      // lead byte at the end
  EXPECT_EQ(decoded("\x82 ab"), std::nullopt);     // lead byte before a blank
  EXPECT_EQ(decoded("ok\x85\x40"), std::nullopt);  // a pair with no character
  EXPECT_EQ(decoded("\xfd\x40\xa0"), "\uF8F1@\uF8F0");
}

TEST(Cp932, EncodesOrRefusesToWrite) {
  EXPECT_EQ(utf8ToCp932("○ノーマル", "記録.txt"), "\x81\x9b\x83\x6d\x81\x5b\x83\x7d\x83\x8b");
  EXPECT_EQ(cp932ToUtf8(utf8ToCp932("59分59秒ｱ①", "x"), "x"), "59分59秒ｱ①");
  // Text with no Shift-JIS form, or that is not UTF-8 at all, cannot be written.
  EXPECT_EQ(encodingFailure("ok 😀"), FileError::Kind::CannotWrite);
  EXPECT_EQ(encodingFailure("\xff\xfe"), FileError::Kind::CannotWrite);
}

TEST(ShownFileName, Utf8ElseCodePage932ElseReplacement) {
  EXPECT_EQ(shownFileName("ネコ"), "ネコ");
  EXPECT_EQ(shownFileName("\x83\x6c\x83\x52"), "ネコ");  // as a Windows archive names it
  EXPECT_EQ(shownFileName("cat\x82"), "cat\uFFFD");      // a lead byte cut off
  // Forms UTF-8 forbids are not taken as UTF-8.
  EXPECT_FALSE(isUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(isUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_TRUE(isUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_EQ(shownFileName("\x85\x40.ico"), "\uFFFD@.ico");  // a pair with no character
}

}  // namespace
