#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/help/chm_reader.h"

namespace polkamina::help {
namespace {

using Entries = std::map<std::string, std::vector<unsigned char>>;

// #SYSTEM is a 4-byte version and then records of a 16-bit code, a 16-bit
// length and that many bytes. Code 10 is the time of compiling: blanked, it
// is the only part of a help file that differs between two compiles.
void blankCompileTime(std::vector<unsigned char>& system) {
  constexpr std::uint16_t kCompileTimeCode = 10;
  std::size_t at = 4;
  while (at + 4 <= system.size()) {
    const unsigned code = system[at] | system[at + 1] << 8;
    const std::size_t length = system[at + 2] | system[at + 3] << 8;
    at += 4;
    if (code == kCompileTimeCode) {
      for (std::size_t i = at; i < at + length && i < system.size(); ++i) system[i] = 0;
    }
    at += length;
  }
}

// Every entry of the help file at path with its bytes; fails the test when
// the file or an entry cannot be read.
Entries readAll(const char* path) {
  ChmReader reader;
  EXPECT_EQ(reader.open(path), ChmReader::Status::Ok) << path;
  Entries entries;
  for (const std::string& name : reader.entries()) {
    const auto bytes = reader.read(name);
    EXPECT_TRUE(bytes) << path << ": " << name;
    if (bytes) entries[name] = *bytes;
  }
  if (entries.count("/#SYSTEM")) blankCompileTime(entries["/#SYSTEM"]);
  return entries;
}

TEST(HelpFile, TheKeptFilesHoldWhatTheirPagesCompileTo) {
  for (const auto& [keptFile, compiledFile] :
       {std::pair{KEPT_HELP_CHM, COMPILED_HELP_CHM},
        std::pair{KEPT_ENGLISH_HELP_CHM, COMPILED_ENGLISH_HELP_CHM}}) {
    const Entries kept = readAll(keptFile);
    const Entries compiled = readAll(compiledFile);
    EXPECT_GT(kept.count("/index.html"), 0u);
    EXPECT_TRUE(kept == compiled) << keptFile << " no longer matches its pages: copy "
                                  << compiledFile << " over it";
  }
}

// The English help has every page of the Japanese one, under the same name,
// so that each language's links find the same pages.
TEST(HelpFile, EachLanguageHasEveryPage) {
  std::vector<std::string> japanese;
  std::vector<std::string> english;
  for (const auto& [name, bytes] : readAll(KEPT_HELP_CHM)) japanese.push_back(name);
  for (const auto& [name, bytes] : readAll(KEPT_ENGLISH_HELP_CHM)) english.push_back(name);
  EXPECT_EQ(english, japanese);
}

TEST(HelpFile, AFileOfManyPagesIsReadWhole) {
  ChmReader reader;
  ASSERT_EQ(reader.open(MANY_PAGES_CHM), ChmReader::Status::Ok);
  EXPECT_EQ(reader.defaultTopic(), "/page1.html");
  int pages = 0;
  for (const std::string& name : reader.entries()) {
    if (name.rfind("/page", 0) == 0) ++pages;
  }
  EXPECT_EQ(pages, MANY_PAGES_COUNT);
  // The first and last pages of the directory's order, and pages between.
  for (const int page : {1, 10, 100, 500, 999, MANY_PAGES_COUNT}) {
    const std::string number = std::to_string(page);
    const auto bytes = reader.read("page" + number + ".html");
    ASSERT_TRUE(bytes) << number;
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "<html><head><title>" + number +
                                                             "</title></head><body><p>page " +
                                                             number + "</p></body></html>\n");
  }
}

}  // namespace
}  // namespace polkamina::help
