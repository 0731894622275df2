#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "store/cp932.h"
#include "store/data_folder.h"
#include "store/field_reader.h"
#include "store/file_error.h"
#include "store/line_writer.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace polkamina::store;

namespace {

std::string bytesOf(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// Text as it lies on disk.
std::string sjis(const std::string& text) { return utf8ToCp932(text, "test"); }

const std::string kNoRecordLine = bytesOf({0x39, 0x39, 0x39, 0x39, 0x2C, 0x22, 0x35, 0x39, 0x95,
                                           0xAA, 0x35, 0x39, 0x95, 0x62, 0x22, 0x0D, 0x0A});

// The kind of error a call raises, for checking failures by kind.
template <typename Call>
FileError::Kind failureOf(Call call) {
  try {
    call();
  } catch (const FileError& error) {
    return error.kind();
  }
  ADD_FAILURE() << "no FileError";
  return FileError::Kind::Missing;
}

class GameFolder : public ::testing::Test {
 protected:
  void write(const std::string& name, const std::string& bytes) { temp_.write(name, bytes); }
  std::string read(const std::string& name) { return temp_.read(name); }
  DataFolder data() const { return DataFolder(dir_); }

  polkamina::testsupport::TempFolder temp_;
  const fs::path dir_ = temp_.path();
};

TEST(LineWriter, PrintedNumbersAndDisplayForms) {
  EXPECT_EQ(printedNumberLine(1.5f), bytesOf({0x20, 0x31, 0x2E, 0x35, 0x20, 0x0D, 0x0A}));
  EXPECT_EQ(printedNumberLine(0.5f), bytesOf({0x20, 0x2E, 0x35, 0x20, 0x0D, 0x0A}));
  EXPECT_EQ(printedNumberLine(2.0f), bytesOf({0x20, 0x32, 0x20, 0x0D, 0x0A}));
  EXPECT_EQ(printedNumberLine(-0.25f), "-.25 \r\n");
  EXPECT_EQ(shortestDecimal(0.5f), "0.5");
  EXPECT_EQ(shortestDecimal(5.0f), "5");
  EXPECT_EQ(shortestDecimal(1.2345678f), "1.234568");
  // The settings window's list adds 0.1 in single precision.
  float counter = 0.1f;
  for (const char* expected : {"0.1", "0.2", "0.3", "0.4", "0.5"}) {
    EXPECT_EQ(shortestDecimal(counter), expected);
    counter += 0.1f;
  }
}

TEST_F(GameFolder, OptionsRecordsAndHistoryAreWrittenByteForByte) {
  data().saveOptions({"ノーマル", 1, 0});
  EXPECT_EQ(read("設定2.txt"), bytesOf({0x22, 0x83, 0x6D, 0x81, 0x5B, 0x83, 0x7D, 0x83, 0x8B, 0x22,
                                        0x2C, 0x31, 0x2C, 0x30, 0x0D, 0x0A}));
  data().saveOptions({"ハード", 0, 1});
  EXPECT_EQ(read("設定2.txt"), bytesOf({0x22, 0x83, 0x6E, 0x81, 0x5B, 0x83, 0x68, 0x22, 0x2C, 0x30,
                                        0x2C, 0x31, 0x0D, 0x0A}));

  data().saveRecords(Records{});
  EXPECT_EQ(read("記録.txt"), kNoRecordLine + kNoRecordLine + kNoRecordLine + kNoRecordLine);
  EXPECT_EQ(read("記録.txt").size(), 68u);

  data().saveDelays({1.0f, 0.5f});
  EXPECT_EQ(read("設定.txt"), " 1 \r\n .5 \r\n");

  data().appendHistoryRow({"2026/12/07", "12:34:56", "ノーマル", "24回", "01分23秒", "", "○"});
  EXPECT_EQ(read("履歴.txt"),
            "\"2026/12/07\",\"12:34:56\",\"\x83\x6d\x81\x5b\x83\x7d\x83\x8b\",\"24\x89\xf1\","
            "\"01\x95\xaa"
            "23\x95\x62\",\"\",\"\x81\x9b\"\r\n");
  data().clearHistory();
  EXPECT_TRUE(fs::exists(dir_ / "履歴.txt"));
  EXPECT_EQ(fs::file_size(dir_ / "履歴.txt"), 0u);
  // Rewrites leave no temporary file behind.
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
  }
}

TEST_F(GameFolder, ValuesRoundTripAndUpperCaseStartupNamesFindTheFiles) {
  data().saveDelays({0.5f, 1.5f});
  data().saveOptions({"パニック", 0, 1});
  Records records;
  records[2] = {18, "01分02秒"};
  data().saveRecords(records);
  fs::rename(dir_ / "設定.txt", dir_ / "設定.TXT");

  Delays delays = data().loadDelays();
  EXPECT_EQ(delays.hide, 0.5f);
  EXPECT_EQ(delays.erase, 1.5f);
  Options options = data().loadOptions();
  EXPECT_EQ(options.level, "パニック");
  EXPECT_EQ(options.autoSave, 1);
  Records loaded = data().loadRecords();
  EXPECT_EQ(loaded[2].turns, 18);
  EXPECT_EQ(loaded[2].time, "01分02秒");
  EXPECT_EQ(loaded[3].turns, 9999);

  // A rewrite goes to the file the player already has, whatever its case.
  data().saveDelays({2.0f, 2.0f});
  EXPECT_FALSE(fs::exists(dir_ / "設定.txt"));
  EXPECT_EQ(read("設定.TXT"), " 2 \r\n 2 \r\n");
}

TEST(DelaysFile, AHandEditedHugeDelayIsKeptAsRead) {
  // The wait is bounded where it is made; the value itself is the player's.
  const Delays delays = parseDelays(" 1E+30 \r\n .5 \r\n", "設定.txt");
  EXPECT_EQ(delays.hide, 1e30f);
  EXPECT_EQ(formatDelays(delays), " 1E+30 \r\n .5 \r\n");
  EXPECT_EQ(shortestDecimal(delays.hide), "1E+30");
}

TEST(FieldReader, FieldsFollowTheReadingRules) {
  // Quoted fields skip what follows up to the comma; fields run across lines;
  // blanks before a field and a number ending at a blank; lone LF line ends.
  Records records = parseRecords(
      sjis("  12 ,\"01分00秒\"junk\r\n13,\"a,b\"\n14\r\n\"x\"\r\n15,plain text  \r\n"), "記録.txt");
  EXPECT_EQ(records[0].turns, 12);
  EXPECT_EQ(records[0].time, "01分00秒");
  EXPECT_EQ(records[1].time, "a,b");
  EXPECT_EQ(records[2].turns, 14);
  EXPECT_EQ(records[2].time, "x");
  EXPECT_EQ(records[3].time, "plain text");

  Options options = parseOptions(sjis("\"ハード\",2.5,-1\r\n"), "設定2.txt");
  EXPECT_EQ(options.nameDisplay, 2);  // a fraction rounds half to even
  EXPECT_EQ(options.autoSave, -1);
}

TEST(FieldReader, DamagedInputIsReportedByKind) {
  using Kind = FileError::Kind;
  EXPECT_EQ(failureOf([] { parseDelays(" 1 \r\n", "設定.txt"); }), Kind::EndedEarly);
  EXPECT_EQ(failureOf([] { parseDelays("", "設定.txt"); }), Kind::EndedEarly);
  EXPECT_EQ(failureOf([] { parseOptions(sjis("\"ノーマル,0,1\r\n"), "設定2.txt"); }),
            Kind::EndedEarly);
  EXPECT_EQ(failureOf([] { parseRecords(sjis("9999,\"59分59秒\"\r\n"), "記録.txt"); }),
            Kind::EndedEarly);
  EXPECT_EQ(failureOf([] { parseOptions("\"a\",40000,0\r\n", "設定2.txt"); }), Kind::OutOfRange);
  EXPECT_EQ(failureOf([] { parseDelays(" 1e39 \r\n 1 \r\n", "設定.txt"); }), Kind::OutOfRange);
  EXPECT_EQ(failureOf([] { parseDelays(" abc \r\n 1 \r\n", "設定.txt"); }), Kind::NotANumber);
  EXPECT_EQ(failureOf([] { parseDelays(" nan \r\n 1 \r\n", "設定.txt"); }), Kind::NotANumber);
  EXPECT_EQ(failureOf([] { parseOptions("\"\x82\",0,0\r\n", "設定2.txt"); }), Kind::NotCp932);
  // Bytes after the values are checked too.
  EXPECT_EQ(failureOf([] { parseDelays(" 1 \r\n 2 \r\n\x85\x40", "設定.txt"); }), Kind::NotCp932);
  EXPECT_EQ(failureOf([] { parseHistory("\"\x85\x40\",,,,,,\r\n", "履歴.txt"); }), Kind::NotCp932);
  // A history that stops in the middle of a row.
  EXPECT_EQ(failureOf([] { parseHistory("\"a\",\"b\",\"c\"\r\n", "履歴.txt"); }), Kind::EndedEarly);

  try {
    parseOptions("\"a\",40000,0\r\n", "設定2.txt");
  } catch (const FileError& error) {
    EXPECT_EQ(describeFileError(error),
              "ファイル「設定2.txt」の数値が範囲外です。\nプログラムを終了します。");
  }
}

TEST(FieldReader, AFieldHasABoundAndCanBeReadInPart) {
  using Kind = FileError::Kind;
  const std::size_t bound = FieldReader::kMaxFieldBytes;
  // The bound counts a field as written: its quotes and what follows them.
  const std::string quoted = "\"" + std::string(bound - 2, 'a') + "\"";
  EXPECT_EQ(FieldReader(quoted + ",1", "f").readText().size(), bound - 2);
  EXPECT_EQ(failureOf([&] { FieldReader(quoted + "x,1", "f").readText(); }), Kind::TooLong);
  EXPECT_EQ(FieldReader(std::string(bound - 1, '0') + "7", "f").readInt16(), 7);
  EXPECT_EQ(failureOf([&] { FieldReader(std::string(bound, '0') + "7", "f").readInt16(); }),
            Kind::TooLong);
  // A history holding a field of megabytes is refused as it is read.
  const std::string huge = "\"" + std::string(10 << 20, 'x') + "\"";
  EXPECT_EQ(failureOf([&] { parseHistory(huge + ",,,,,,\r\n", "履歴.txt"); }), Kind::TooLong);

  // Part of a field ends on a whole character.
  const std::string mixed = sjis("\"aノーマル\",\"b\"");
  EXPECT_EQ(FieldReader(mixed, "f").readText(3), "aノー");
  FieldReader reader(mixed, "f");
  EXPECT_EQ(reader.readText(0), "");
  EXPECT_EQ(reader.readText(5), "b");
  // Lead bytes at the ends of both lead ranges: 9F twice, E0, FA, FC.
  const std::string leads = sjis("\"檗滌漾ⅰ黑a\"");
  EXPECT_EQ(FieldReader(leads, "f").readText(1), "檗");
  EXPECT_EQ(FieldReader(leads, "f").readText(3), "檗滌漾");
  EXPECT_EQ(FieldReader(leads, "f").readText(4), "檗滌漾ⅰ");
  EXPECT_EQ(FieldReader(leads, "f").readText(5), "檗滌漾ⅰ黑");
  // Single bytes just outside the lead ranges: 80, A0, FD.
  EXPECT_EQ(FieldReader("\"\x80\xa0\xfd\"", "f").readText(1), "\u0080");
  EXPECT_EQ(FieldReader("\"\x80\xa0\xfd\"", "f").readText(2), "\u0080\uF8F0");
  const HistoryRows rows =
      parseHistory(sjis("\"a\",\"b\",\"ハード\",\"d\",\"e\",\"f\",\"g\"\r\n"), "履歴.txt");
  EXPECT_EQ(rows.field(0, 2, 2), "ハー");
  EXPECT_EQ(rows.field(0, 2, 3), "ハード");
}

TEST_F(GameFolder, MissingUnreadableAndUnwritableFiles) {
  using Kind = FileError::Kind;
  EXPECT_EQ(failureOf([&] { data().loadDelays(); }), Kind::Missing);
  fs::create_directory(dir_ / "記録.txt");
  EXPECT_EQ(failureOf([&] { data().loadRecords(); }), Kind::CannotOpen);

  write("設定2.txt", sjis("\"ノーマル\",0,1\r\n"));
  const std::string before = read("設定2.txt");
  if (geteuid() != 0) {
    // Permissions do not stop root, so this part only runs for other users.
    fs::permissions(dir_ / "設定2.txt", fs::perms::owner_read);
    EXPECT_EQ(failureOf([&] { data().saveOptions({"ハード", 1, 1}); }), Kind::CannotWrite);
    EXPECT_EQ(read("設定2.txt"), before);
  }
  // A folder that cannot be written to leaves the old file whole.
  DataFolder gone(dir_ / "no-such-folder");
  EXPECT_EQ(failureOf([&] { gone.saveOptions({"ハード", 1, 1}); }), Kind::CannotWrite);
  EXPECT_EQ(failureOf([&] { gone.appendHistoryRow({}); }), Kind::CannotWrite);
}

TEST_F(GameFolder, HistoryReadsEveryRowPastTheOld16BitLimit) {
  write("履歴.txt", "");
  EXPECT_TRUE(data().readHistory().empty());
  std::string rows;
  for (int i = 0; i < 40000; ++i) {
    rows += "\"2026/12/07\",\"12:00:00\",\"\x83n\x81[\x83h\",\"" + std::to_string(i) +
            "\x89\xf1\",\"01\x95\xaa"
            "00\x95\x62\",\"\",\"\"\r\n";
  }
  write("履歴.txt", rows);
  const HistoryRows history = data().readHistory();
  ASSERT_EQ(history.size(), 40000u);
  EXPECT_EQ(history[39999][2], "ハード");
  EXPECT_EQ(history[39999][3], "39999回");
  EXPECT_EQ(history[39999][6], "");
  EXPECT_EQ(history.field(39999, 3), "39999回");
}

// Makes writes past limit bytes fail with EFBIG, as a full disk would; works
// for root too, unlike permissions.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(GameFolder, FailedWritesLeaveTheOldFileWhole) {
  using Kind = FileError::Kind;
  data().saveRecords(Records{});
  const std::string records = read("記録.txt");
  Records better;
  better[0] = {12, "00分45秒"};
  {
    FileSizeLimit full(20);
    EXPECT_EQ(failureOf([&] { data().saveRecords(better); }), Kind::CannotWrite);
  }
  EXPECT_EQ(read("記録.txt"), records);
  EXPECT_FALSE(fs::exists(dir_ / ".記録.txt.tmp"));

  // The temporary file's name is new each time, so nothing standing at the
  // name earlier versions used gets in the way.
  fs::create_directory(dir_ / ".記録.txt.tmp");
  data().saveRecords(better);
  EXPECT_EQ(data().loadRecords()[0].turns, 12);
  fs::remove(dir_ / ".記録.txt.tmp");
  // A stray temporary file left by a killed run is removed.
  write(".記録.txt.tmp", "stale");
  data().saveRecords(better);
  EXPECT_EQ(data().loadRecords()[0].turns, 12);
  EXPECT_FALSE(fs::exists(dir_ / ".記録.txt.tmp"));

  const HistoryRow row{"2026/12/07", "12:00:00", "ハード", "30回", "02分00秒", "○", ""};
  data().appendHistoryRow(row);
  const std::string history = read("履歴.txt");
  {
    FileSizeLimit full(history.size() + 10);
    EXPECT_EQ(failureOf([&] { data().appendHistoryRow(row); }), Kind::CannotWrite);
  }
  EXPECT_EQ(read("履歴.txt"), history);
}

TEST_F(GameFolder, TheSameBytesAgainAreWrittenOnlyWhenTheFileLostThem) {
  const auto inode = [&] {
    struct stat info {};
    ::stat((dir_ / "設定2.txt").c_str(), &info);
    return info.st_ino;
  };
  const DataFolder folder = data();
  write("設定2.txt", sjis("\"ハード\",0,1\r\n"));
  const auto before = inode();
  // The first rewrite writes, though the file holds those bytes already: a
  // file that cannot be written is found out at once.
  folder.saveOptions({"ハード", 0, 1});
  const auto rewritten = inode();
  EXPECT_NE(rewritten, before);
  folder.saveOptions({"ハード", 0, 1});
  EXPECT_EQ(inode(), rewritten);

  // Changed behind the game's back, the file gets the bytes again.
  write("設定2.txt", "edited");
  folder.saveOptions({"ハード", 0, 1});
  EXPECT_EQ(read("設定2.txt"), sjis("\"ハード\",0,1\r\n"));
  folder.saveOptions({"ノーマル", 0, 1});
  EXPECT_EQ(folder.loadOptions().level, "ノーマル");
}

TEST_F(GameFolder, EditedFilesStayUsable) {
  // A history whose last row lost its line end still takes new rows.
  write("履歴.txt", "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"");
  data().appendHistoryRow({"1", "2", "3", "4", "5", "6", "7"});
  const HistoryRows rows = data().readHistory();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][6], "g");
  EXPECT_EQ(rows[1][0], "1");
  // One whose last line ends in a lone CR takes them without an empty field.
  write("履歴.txt", "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r");
  data().appendHistoryRow({"1", "2", "3", "4", "5", "6", "7"});
  data().appendHistoryRow({"8", "9", "10", "11", "12", "13", "14"});
  const HistoryRows moreRows = data().readHistory();
  ASSERT_EQ(moreRows.size(), 3u);
  EXPECT_EQ(moreRows[1][0], "1");
  EXPECT_EQ(moreRows[2][6], "14");

  // Lone CR line ends, as an old editor may leave them.
  EXPECT_EQ(parseDelays(" .3 \r 4 \r", "設定.txt").erase, 4.0f);

  // With two case variants of one name, changes are read back from the file
  // they were written to.
  write("設定.TXT", " 5 \r\n 5 \r\n");
  write("設定.txt", " 1 \r\n 1 \r\n");
  data().saveDelays({0.2f, 0.3f});
  EXPECT_EQ(data().loadDelays().hide, 0.2f);
  EXPECT_EQ(read("設定.TXT"), " 5 \r\n 5 \r\n");

  // A FIFO in a data file's place is refused at once instead of blocking.
  ASSERT_EQ(mkfifo((dir_ / "設定2.txt").c_str(), 0644), 0);
  EXPECT_EQ(failureOf([&] { data().loadOptions(); }), FileError::Kind::CannotOpen);
}

}  // namespace
