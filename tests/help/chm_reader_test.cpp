#include "ui/help/chm_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace polkamina::help {
namespace {

std::vector<unsigned char> testChmBytes() {
  std::ifstream stream(HELP_TEST_CHM, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::string text(const std::vector<unsigned char>& bytes) { return {bytes.begin(), bytes.end()}; }

// Opens `bytes` and reads every entry it lists; damaged input may fail at
// either step but must not crash or read out of bounds (ASan watches).
ChmReader::Status openAndReadAll(std::vector<unsigned char> bytes) {
  ChmReader reader;
  const ChmReader::Status status = reader.openBytes(std::move(bytes));
  for (const std::string& entry : reader.entries()) reader.read(entry);
  return status;
}

TEST(ChmReader, ListsAndExtractsEntriesAndFindsTheDefaultTopic) {
  ChmReader reader;
  ASSERT_EQ(reader.open(HELP_TEST_CHM), ChmReader::Status::Ok);

  for (const char* name :
       {"/about.html", "/start.html", "/sub/page.html", "/sub/dot.png", "/style.css", "/#SYSTEM"}) {
    EXPECT_NE(std::find(reader.entries().begin(), reader.entries().end(), name),
              reader.entries().end())
        << name;
  }
  // The project names start.html although about.html comes first in the
  // file, so this is the #SYSTEM record and not the fallback.
  EXPECT_EQ(reader.defaultTopic(), "/start.html");

  const auto page = reader.read("/sub/page.html");
  ASSERT_TRUE(page);
  EXPECT_NE(text(*page).find("<title>サブ</title>"), std::string::npos);
  EXPECT_EQ(reader.read("sub/PAGE.HTML"), page) << "leading slash and ASCII case are optional";
  EXPECT_EQ(reader.findEntry("SUB/Page.html"), "/sub/page.html");

  EXPECT_FALSE(reader.read("/outside.html"));
  EXPECT_EQ(reader.findEntry(""), "");
  EXPECT_EQ(reader.entrySize("sub/page.html"), page->size());
  EXPECT_EQ(reader.entrySize("/outside.html"), std::nullopt);
  EXPECT_EQ(reader.missingDefaultTopic(), "");
}

TEST(ChmReader, MissingAndUnreadableFilesAreReported) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("polkamina-help-reader-test-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  ChmReader reader;
  EXPECT_EQ(reader.open(folder / "pkHelp.chm"), ChmReader::Status::Missing);
  EXPECT_TRUE(reader.entries().empty());
  EXPECT_EQ(reader.open(folder), ChmReader::Status::Damaged) << "a folder is no help file";

  std::ofstream(folder / "empty.chm").close();
  EXPECT_EQ(reader.open(folder / "empty.chm"), ChmReader::Status::Damaged);

  // A FIFO is refused at once instead of waiting for a writer.
  const auto fifo = folder / "fifo.chm";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(reader.open(fifo), ChmReader::Status::Damaged);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  // A file too large to read into memory is not read at all.
  const auto large = folder / "large.chm";
  std::ofstream(large).close();
  std::filesystem::resize_file(large, ChmReader::kMaxFileSize + 1);
  EXPECT_EQ(reader.open(large), ChmReader::Status::TooLarge);

  if (::geteuid() != 0) {  // root reads whatever the permissions say
    std::filesystem::copy_file(HELP_TEST_CHM, folder / "locked.chm");
    std::filesystem::permissions(folder / "locked.chm", std::filesystem::perms::none);
    EXPECT_EQ(reader.open(folder / "locked.chm"), ChmReader::Status::Unreadable);
  }
  std::filesystem::remove_all(folder);
}

TEST(ChmReader, DamagedFilesFailWithoutCrashing) {
  const std::vector<unsigned char> good = testChmBytes();
  ASSERT_GT(good.size(), 0x100u);

  EXPECT_EQ(openAndReadAll({}), ChmReader::Status::Damaged);
  EXPECT_EQ(openAndReadAll(std::vector<unsigned char>(4096, 0xAB)), ChmReader::Status::Damaged);

  // The header as chmcmd writes it, before the build mends its second GUID.
  std::vector<unsigned char> unmended = good;
  unmended[0x28] = 0x10;
  EXPECT_EQ(openAndReadAll(unmended), ChmReader::Status::Damaged);

  for (std::size_t length = 0; length < good.size(); length += 61) {
    const auto status = openAndReadAll({good.begin(), good.begin() + long(length)});
    if (length < 0x60) {
      EXPECT_EQ(status, ChmReader::Status::Damaged) << length;
    }
  }
  // Cut short after its directory, a file lists pages it no longer holds;
  // it is damaged, not a file of empty pages.
  ChmReader cut;
  EXPECT_EQ(cut.openBytes({good.begin(), good.end() - 64}), ChmReader::Status::Damaged);
  for (std::size_t pos = 0; pos < good.size(); pos += 13) {
    std::vector<unsigned char> corrupted = good;
    for (std::size_t i = pos; i < std::min(pos + 8, corrupted.size()); ++i) corrupted[i] ^= 0x5A;
    openAndReadAll(std::move(corrupted));
  }

  // After all that, a reader opened on the good bytes still works.
  ChmReader reader;
  ASSERT_EQ(reader.openBytes(good), ChmReader::Status::Ok);
  EXPECT_TRUE(reader.read(reader.defaultTopic()));
}

TEST(ChmReader, WithoutAUsableDefaultTopicTheFirstPageIsUsed) {
  std::vector<unsigned char> bytes = testChmBytes();
  // chmcmd stores #SYSTEM uncompressed: rename the topic its code-2 record names.
  const std::string record("\x02\x00\x0b\x00start.html", 14);
  const auto found = std::search(bytes.begin(), bytes.end(), record.begin(), record.end());
  ASSERT_NE(found, bytes.end());
  const std::string elsewhere = "nosuchpage";
  std::copy(elsewhere.begin(), elsewhere.end(), found + 4);

  ChmReader reader;
  ASSERT_EQ(reader.openBytes(std::move(bytes)), ChmReader::Status::Ok);
  EXPECT_EQ(reader.defaultTopic(), "/about.html");
  EXPECT_EQ(reader.missingDefaultTopic(), "nosuchpage");
}

TEST(ChmReader, DefaultTopicRecordIsParsedWithinItsBounds) {
  // version, then {code, length, data} records, little-endian
  const std::vector<unsigned char> system = {3, 0, 0, 0,          //
                                             9, 0, 2, 0, 'x', 0,  // another code
                                             2, 0, 6, 0, 'a', '.', 'h', 't', 'm', 0};
  EXPECT_EQ(defaultTopicFromSystem(system), "a.htm");

  std::vector<unsigned char> unterminated = system;
  unterminated.pop_back();
  unterminated[12] = 5;
  EXPECT_EQ(defaultTopicFromSystem(unterminated), "a.htm") << "the record's length ends it";

  std::vector<unsigned char> overlong = system;
  overlong[12] = 7;
  EXPECT_EQ(defaultTopicFromSystem(overlong), "") << "a record running past the end";

  EXPECT_EQ(defaultTopicFromSystem({3, 0, 0, 0, 9, 0, 2, 0, 'x', 0}), "");
  EXPECT_EQ(defaultTopicFromSystem({3, 0, 0}), "");
  EXPECT_EQ(defaultTopicFromSystem({3, 0, 0, 0, 2, 0}), "");
}

}  // namespace
}  // namespace polkamina::help
