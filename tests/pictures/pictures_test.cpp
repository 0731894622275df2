#include <gtest/gtest.h>

#include <filesystem>

#include "pictures/picture_library.h"
#include "pictures/picture_names.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace polkamina::pictures;

namespace {

TEST(PictureNames, RefusesWhatWindowsCannotStoreAndHiddenNames) {
  for (const char* name : {"ネコ", "a.b", "COM10", "console", "Ａ", "con-x"}) {
    EXPECT_FALSE(refusedName(name, ".ico").has_value()) << name;
  }
  for (const char* name : {"",    "a/b", "a\\b",    "a:b",  "a*b",  "a?b",    "a\"b",
                           "a<b", "a>b", "a|b",     "a\tb", "end.", "end ",   ".hidden",
                           "CON", "con", "Nul.txt", "COM1", "lpt9", "aux .x", "\xff\xfe"}) {
    EXPECT_TRUE(refusedName(name, ".ico").has_value()) << name;
  }
  EXPECT_NE(refusedName("a|b", ".ico")->find("「|」"), std::string::npos);
  // 251 characters and ".ico" make 255: the longest name; a character that
  // takes two UTF-16 units counts twice.
  EXPECT_FALSE(refusedName(std::string(251, 'a'), ".ico").has_value());
  EXPECT_TRUE(refusedName(std::string(252, 'a'), ".ico").has_value());
  EXPECT_FALSE(refusedName(std::string(255, 'a'), "").has_value());
  std::string emoji;
  for (int i = 0; i < 63; ++i) emoji += "\xF0\x9F\x90\xB1";  // 252 bytes, 126 units
  EXPECT_TRUE(refusedName(emoji, ".ico").has_value()) << "bytes";
}

class Library : public ::testing::Test {
 protected:
  void fill(const std::string& set, int count, const std::string& prefix = "p") {
    for (int i = 0; i < count; ++i) {
      ASSERT_FALSE(library_.addPicture(set, prefix + std::to_string(i), "ico").has_value());
    }
  }
  std::vector<std::string> setNames() {
    std::vector<std::string> names;
    for (const PictureSet& set : library_.sets()) names.push_back(set.name);
    return names;
  }

  polkamina::testsupport::TempFolder temp_;
  const fs::path game_ = temp_.path();
  PictureLibrary library_{game_};
};

TEST_F(Library, ListsTheSetInUseFirstThenTheSetsWithTheirCounts) {
  for (int i = 0; i < 20; ++i) temp_.write("g" + std::to_string(i) + ".ico", "x");
  ASSERT_FALSE(library_.makeSet("b").has_value());
  ASSERT_FALSE(library_.makeSet("A").has_value());
  fs::create_directory(game_ / "絵" / ".work");
  temp_.write("絵/loose.ico", "x");
  fill("b", 19);

  const std::vector<PictureSet> sets = library_.sets();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_TRUE(sets[0].inUse);
  EXPECT_TRUE(sets[0].playable());
  EXPECT_EQ(sets[1].name, "A");
  EXPECT_TRUE(sets[1].files.empty());
  EXPECT_EQ(sets[2].name, "b");
  EXPECT_EQ(sets[2].files.size(), 19u);
  EXPECT_FALSE(sets[2].playable());
  fill("b", 1, "q");
  EXPECT_TRUE(library_.sets()[2].playable());
  EXPECT_EQ(library_.sets()[2].label(), "b ― 20 枚、遊べます");
  EXPECT_TRUE(library_.sets()[2].usable(false));
  EXPECT_FALSE(library_.sets()[2].usable(true));
  EXPECT_FALSE(library_.sets()[0].usable(false)) << "the set in use";
  fill("b", 1, "r");
  EXPECT_FALSE(library_.sets()[2].playable());
  EXPECT_EQ(library_.sets()[2].label(), "b ― 21 枚、1 枚多すぎます");
  EXPECT_EQ(library_.sets()[1].label(), "A ― 0 枚、あと 20 枚で遊べます");
}

TEST_F(Library, SetsAreMadeRenamedAndDeletedNeverOverAnother) {
  ASSERT_FALSE(library_.makeSet("家族").has_value());
  EXPECT_TRUE(library_.makeSet("家族").has_value());
  ASSERT_FALSE(library_.makeSet("Pets").has_value());
  EXPECT_TRUE(library_.makeSet("pets").has_value());
  EXPECT_TRUE(library_.makeSet("a:b").has_value());
  EXPECT_TRUE(library_.renameSet("家族", "PETS").has_value());
  EXPECT_FALSE(library_.renameSet("Pets", "pets").has_value()) << "a change of case";
  EXPECT_FALSE(library_.renameSet("家族", "旅行").has_value());
  EXPECT_EQ(setNames(), (std::vector<std::string>{"", "pets", "旅行"}));

  fill("旅行", 3);
  temp_.write("絵/旅行/notes.txt", "mine");
  EXPECT_TRUE(library_.deleteSet("旅行").has_value()) << "other files keep the folder";
  EXPECT_TRUE(fs::exists(game_ / "絵/旅行/notes.txt"));
  EXPECT_TRUE(library_.sets()[2].files.empty());
  EXPECT_FALSE(library_.deleteSet("pets").has_value());
  EXPECT_TRUE(library_.deleteSet("pets").has_value());
  EXPECT_TRUE(library_.deleteSet("..").has_value());
}

TEST_F(Library, PicturesAreAddedRenamedAndMovedNeverOverAnother) {
  ASSERT_FALSE(library_.makeSet("a").has_value());
  ASSERT_FALSE(library_.makeSet("b").has_value());
  EXPECT_FALSE(library_.addPicture("a", "ネコ", "cat").has_value());
  EXPECT_TRUE(library_.addPicture("a", "ネコ", "other").has_value());
  EXPECT_TRUE(library_.addPicture("a", "con", "x").has_value());
  EXPECT_TRUE(library_.addPicture("missing", "x", "x").has_value());
  EXPECT_EQ(temp_.read("絵/a/ネコ.ico"), "cat");
  temp_.write("絵/a/Dog.ICO", "dog");
  EXPECT_TRUE(library_.addPicture("a", "dog", "x").has_value()) << "names fold case";
  EXPECT_TRUE(library_.renamePicture("a", "ネコ.ico", "DOG").has_value());
  EXPECT_FALSE(library_.renamePicture("a", "Dog.ICO", "dog").has_value());
  EXPECT_EQ(temp_.read("絵/a/dog.ico"), "dog");

  EXPECT_FALSE(library_.addPicture("b", "ネコ", "b's").has_value());
  EXPECT_TRUE(library_.movePicture("a", "ネコ.ico", "b").has_value());
  EXPECT_EQ(temp_.read("絵/a/ネコ.ico"), "cat");
  EXPECT_FALSE(library_.movePicture("a", "dog.ico", "b").has_value());
  EXPECT_EQ(temp_.read("絵/b/dog.ico"), "dog");
  EXPECT_FALSE(library_.deletePicture("b", "dog.ico").has_value());
  EXPECT_EQ(library_.sets()[2].files, std::vector<std::string>{"ネコ.ico"});
}

}  // namespace
