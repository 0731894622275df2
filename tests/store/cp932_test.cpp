#include "store/cp932.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../support/iconv_reference.h"
#include "store/file_error.h"

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

TEST(Cp932, DecodesLikeIconvForEveryOneAndTwoByteInput) {
  for (int first = 0; first < 256; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(decoded(single), iconvDecode(single)) << "byte " << first;
    for (int second = 0; second < 256; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      ASSERT_EQ(decoded(pair), iconvDecode(pair)) << "bytes " << first << " " << second;
    }
  }
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
  EXPECT_EQ(decoded("ok\x80\xa0"), std::nullopt);  // bytes with no character
  EXPECT_EQ(decoded("\xfd\xfe\xff"), std::nullopt);
}

TEST(Cp932, EncodesOrRefusesToWrite) {
  EXPECT_EQ(utf8ToCp932("○ノーマル", "記録.txt"), "\x81\x9b\x83\x6d\x81\x5b\x83\x7d\x83\x8b");
  EXPECT_EQ(cp932ToUtf8(utf8ToCp932("59分59秒ｱ①", "x"), "x"), "59分59秒ｱ①");
  // Text with no Shift-JIS form, or that is not UTF-8 at all, cannot be written.
  EXPECT_EQ(encodingFailure("ok 😀"), FileError::Kind::CannotWrite);
  EXPECT_EQ(encodingFailure("\xff\xfe"), FileError::Kind::CannotWrite);
}

}  // namespace
