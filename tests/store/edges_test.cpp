// The store at its edges: number fields, printed numbers, error texts, size
// limits, case folding and UTF-8, names found without regard to case.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "store/field_reader.h"
#include "store/file_error.h"
#include "store/file_read.h"
#include "store/folder_lookup.h"
#include "store/line_writer.h"
#include "store/text.h"
#include "store/translation.h"
#include "support/temp_folder.h"

namespace polkamina::store {
namespace {

using Kind = FileError::Kind;

// What reading one number field from bytes gives: its value, or the kind of
// error it raised.
struct Reading {
  double value = 0;
  std::optional<Kind> error;
};

Reading readInt16(const std::string& bytes) {
  try {
    return {static_cast<double>(FieldReader(bytes, "設定2.txt").readInt16()), std::nullopt};
  } catch (const FileError& failure) {
    return {0, failure.kind()};
  }
}

Reading readSingle(const std::string& bytes) {
  try {
    return {FieldReader(bytes, "設定.txt").readSingle(), std::nullopt};
  } catch (const FileError& failure) {
    return {0, failure.kind()};
  }
}

::testing::AssertionResult gives(const Reading& reading, double expected) {
  if (reading.error) return ::testing::AssertionFailure() << "error " << int(*reading.error);
  if (reading.value != expected) return ::testing::AssertionFailure() << "read " << reading.value;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult fails(const Reading& reading, Kind kind) {
  if (reading.error == kind) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "read " << reading.value;
}

TEST(NumberFields, WholeNumbersRoundHalfToEvenAndStayInSixteenBits) {
  EXPECT_TRUE(gives(readInt16("32767\r\n"), 32767));
  EXPECT_TRUE(gives(readInt16("-32768\r\n"), -32768));
  EXPECT_TRUE(fails(readInt16("32768\r\n"), Kind::OutOfRange));
  EXPECT_TRUE(fails(readInt16("-32769\r\n"), Kind::OutOfRange));

  EXPECT_TRUE(gives(readInt16("0.5,"), 0));
  EXPECT_TRUE(gives(readInt16("1.5,"), 2));
  EXPECT_TRUE(gives(readInt16("2.5,"), 2));
  EXPECT_TRUE(gives(readInt16("2.51,"), 3));
  EXPECT_TRUE(gives(readInt16("-1.5,"), -2));
  EXPECT_TRUE(gives(readInt16("-0.4,"), 0));
  // Rounding decides whether a value fits.
  EXPECT_TRUE(gives(readInt16("32767.4,"), 32767));
  EXPECT_TRUE(fails(readInt16("32767.5,"), Kind::OutOfRange));
  EXPECT_TRUE(gives(readInt16("-32768.5,"), -32768));
  EXPECT_TRUE(fails(readInt16("-32768.6,"), Kind::OutOfRange));

  EXPECT_TRUE(gives(readInt16("\t+7 ,"), 7));
  EXPECT_TRUE(gives(readInt16("1e2,"), 100));
  for (const char* field : {"-,", ",", "1.2.3,", "0x10,", "inf,"}) {
    EXPECT_TRUE(fails(readInt16(field), Kind::NotANumber)) << field;
  }
}

TEST(NumberFields, SinglesReachTheLargestFloatAndNoFurther) {
  EXPECT_TRUE(gives(readSingle(" 3.4028234E+38 "), std::numeric_limits<float>::max()));
  EXPECT_TRUE(gives(readSingle(" 340282346638528859811704183484516925440 "),
                    std::numeric_limits<float>::max()));
  EXPECT_TRUE(gives(readSingle("-3.4028234E+38,"), std::numeric_limits<float>::lowest()));
  EXPECT_TRUE(fails(readSingle(" 3.5E+38 "), Kind::OutOfRange));
  EXPECT_TRUE(fails(readSingle("-3.5E+38 "), Kind::OutOfRange));
  EXPECT_TRUE(fails(readSingle(" 1E+400 "), Kind::OutOfRange));
  EXPECT_TRUE(gives(readSingle(" -.5 "), -0.5));
  EXPECT_TRUE(gives(readSingle(" +.25 "), 0.25));
  EXPECT_TRUE(gives(readSingle(" 1E-50 "), 0));
  EXPECT_TRUE(fails(readSingle(" . "), Kind::NotANumber));
  EXPECT_TRUE(fails(readSingle(" -inf "), Kind::NotANumber));
}

TEST(PrintedNumbers, SevenSignificantDigitsAndTheirRounding) {
  EXPECT_EQ(printedNumberLine(0.0f), " 0 \r\n");
  EXPECT_EQ(printedNumberLine(-0.0f), " 0 \r\n");
  EXPECT_EQ(printedNumberLine(0.05f), " .05 \r\n");
  EXPECT_EQ(printedNumberLine(-1.5f), "-1.5 \r\n");
  EXPECT_EQ(printedNumberLine(10.0f), " 10 \r\n");
  EXPECT_EQ(printedNumberLine(1234567.0f), " 1234567 \r\n");
  EXPECT_EQ(printedNumberLine(12345678.0f), " 1.234568E+07 \r\n");
  EXPECT_EQ(printedNumberLine(0.0001f), " .0001 \r\n");
  EXPECT_EQ(printedNumberLine(0.00001f), " 1E-05 \r\n");

  EXPECT_EQ(shortestDecimal(0.123456789f), "0.1234568");
  EXPECT_EQ(shortestDecimal(1.9999999f), "2");
  EXPECT_EQ(shortestDecimal(123456.75f), "123456.8");
  EXPECT_EQ(shortestDecimal(0.1f + 0.2f), "0.3");
  EXPECT_EQ(shortestDecimal(-2.5f), "-2.5");
}

TEST(DelimitedLines, NumbersAtTheEdgesAndEmptyTexts) {
  EXPECT_EQ(delimitedLine({std::int16_t{-32768}, std::string(), std::int16_t{32767}}),
            "-32768,\"\",32767\r\n");
  EXPECT_EQ(delimitedLine({std::string("a b")}), "\"a b\"\r\n");
}

TEST(FileErrors, EveryKindNamesTheFileAndWhatFailed) {
  const std::vector<std::pair<Kind, std::string>> reports = {
      {Kind::Missing, "が見つかりません。"},
      {Kind::CannotOpen, "を開けません。"},
      {Kind::EndedEarly, "の内容が途中で終わっています（短いか壊れています）。"},
      {Kind::NotCp932, "はShift-JISの文字として読めません。"},
      {Kind::NotANumber, "の数値の欄に数値でないものがあります。"},
      {Kind::OutOfRange, "の数値が範囲外です。"},
      {Kind::TooLong, "に長すぎる値があります。"},
      {Kind::ForeignLink, "は、ほかのユーザーが置いたリンクなので使いません。"},
      {Kind::CannotWrite, "に書き込めません。"},
      {Kind::CannotRestore, "に書き込めず、元の内容にも戻せませんでした。"},
  };
  for (const auto& [kind, whatFailed] : reports) {
    const FileError error(kind, "記録.txt");
    EXPECT_EQ(error.fileName(), "記録.txt");
    EXPECT_EQ(describeFileError(error),
              "ファイル「記録.txt」" + whatFailed + "\nプログラムを終了します。");
  }
  EXPECT_STREQ(kFileErrorCaption, "ファイルエラー");
  // A translation with a place for which no value is given keeps the place.
  EXPECT_EQ(filled("%1の%2", {"記録.txt"}), "記録.txtの%2");
}

TEST(SizeLimit, AFileOfExactlyTheLimitIsReadAndOneByteMoreIsNot) {
  const testsupport::TempFolder temp;
  const auto file = [&](const std::string& bytes) {
    temp.write("file.txt", bytes);
    return temp.path() / "file.txt";
  };
  std::error_code error;
  const std::filesystem::path path = file(std::string(100, 'x'));
  const std::optional<std::string> whole = readRegularFile(path, 100, error);
  ASSERT_TRUE(whole.has_value()) << error.message();
  EXPECT_EQ(whole->size(), 100u);
  EXPECT_FALSE(readRegularFile(path, 99, error).has_value());
  EXPECT_EQ(error, std::errc::file_too_large);

  EXPECT_EQ(readRegularFile(file(""), 0, error), std::string());
  EXPECT_FALSE(readRegularFile(temp.path() / "missing.txt", 100, error).has_value());
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST(TextHelpers, CaseFoldingAndUtf8AtTheirEdges) {
  EXPECT_EQ(asciiLower("@AZ[`az{ÄＡ"), "@az[`az{ÄＡ");
  EXPECT_TRUE(equalsIgnoringAsciiCase("設定.TXT", "設定.txt"));
  EXPECT_FALSE(equalsIgnoringAsciiCase("a.txt", "b.txt"));
  EXPECT_FALSE(equalsIgnoringAsciiCase("a.txt", "a.txt "));

  // The smallest and largest sequences of each length, and the forms just
  // outside them: overlong, surrogates, cut short.
  for (const char* good : {"\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF",
                           "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
    EXPECT_TRUE(isUtf8(good)) << good;
  }
  for (const char* bad :
       {"\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF5\x80\x80\x80",
        "\xE3\x81", "\xE3\x41\x81", "\xE3\x81\x41", "\xF0\x90\x41\x80"}) {
    EXPECT_FALSE(isUtf8(bad)) << bad;
  }
}

TEST(FolderLookup, AnExactNameWinsOverItsCaseVariants) {
  const testsupport::TempFolder temp;
  // The exact name first: a folder that lists the newest names first puts
  // the variants before it.
  for (const char* name : {"設定.txt", "設定.TXT", "設定.Txt", "設定.tXT"}) temp.write(name);
  EXPECT_EQ(findInFolder(temp.path(), "設定.txt"), temp.path() / "設定.txt");
  EXPECT_EQ(findInFolder(temp.path(), "設定.TXT"), temp.path() / "設定.TXT");
  EXPECT_TRUE(equalsIgnoringAsciiCase(findInFolder(temp.path(), "設定.txT").filename().string(),
                                      "設定.txt"));
  EXPECT_EQ(findInFolder(temp.path(), "記録.txt"), temp.path() / "記録.txt");

  // A link whose target does not exist yet is the exact name all the same.
  std::filesystem::create_symlink("not-yet", temp.path() / "記録.txt");
  for (const char* name : {"記録.TXT", "記録.Txt", "記録.tXT"}) temp.write(name);
  EXPECT_EQ(findInFolder(temp.path(), "記録.txt"), temp.path() / "記録.txt");
}

}  // namespace
}  // namespace polkamina::store
