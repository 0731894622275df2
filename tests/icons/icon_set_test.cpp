#include "icons/icon_set.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace polkamina::icons;

namespace {

class IconFolder : public ::testing::Test {
 protected:
  IconFolder() {
    std::string pattern = (fs::temp_directory_path() / "icons_test_XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  ~IconFolder() override { fs::remove_all(dir_); }
  void touch(const std::string& name) { std::ofstream(dir_ / name) << "x"; }

  fs::path dir_;
};

TEST_F(IconFolder, ListsIcoFilesOfAnyCaseSortedWithoutRegardToCase) {
  for (const char* name : {"c.ico", "b.ico", "A.ico", "Apple.ICO", "ねこ.ico", "notes.txt",
                           ".hidden.ico", "ico", "x.icon"}) {
    touch(name);
  }
  fs::create_directory(dir_ / "folder.ico");
  fs::create_symlink(dir_ / "b.ico", dir_ / "link.ico");
  fs::create_symlink(dir_ / "missing", dir_ / "dangling.ico");

  const std::vector<std::string> expected{"A.ico", "Apple.ICO", "b.ico",
                                          "c.ico", "link.ico",  "ねこ.ico"};
  EXPECT_EQ(listIconFiles(dir_), expected);
  EXPECT_TRUE(listIconFiles(dir_ / "no-such-folder").empty());
}

TEST(IconCount, MessagesForTooFewAndTooMany) {
  EXPECT_FALSE(checkIconCount(20).has_value());
  auto few = checkIconCount(19);
  ASSERT_TRUE(few.has_value());
  EXPECT_EQ(few->text, "アイコンが 1個 足りません\r\nアイコンを補充してからプレイしてください。");
  EXPECT_EQ(few->caption, "アイコン不足");
  EXPECT_EQ(checkIconCount(0)->text.rfind("アイコンが 20個 足りません\r\n", 0), 0u);
  auto many = checkIconCount(21);
  ASSERT_TRUE(many.has_value());
  EXPECT_EQ(many->text,
            "アイコンが 1個 余分です\r\n不要なアイコンを削除してからプレイしてください。");
  EXPECT_EQ(many->caption, "アイコン余分");
}

TEST_F(IconFolder, NamesAndPictureFilesWhateverTheExtensionsCase) {
  EXPECT_EQ(iconName("ネコ.ico"), "ネコ");
  EXPECT_EQ(iconName("Dog.ICO"), "Dog");
  touch("Dog.ICO");
  touch("ネコ.ico");
  EXPECT_EQ(iconPicturePath(dir_, "Dog"), dir_ / "Dog.ICO");
  EXPECT_EQ(iconPicturePath(dir_, "ネコ"), dir_ / "ネコ.ico");
  // Only the extension's case is forgiven, never the name's.
  EXPECT_EQ(iconPicturePath(dir_, "dog"), dir_ / "dog.ico");
  // A folder that happens to carry the exact name is passed over for the file.
  fs::create_directory(dir_ / "Cat.ico");
  touch("Cat.Ico");
  EXPECT_EQ(iconPicturePath(dir_, "Cat"), dir_ / "Cat.Ico");
}

TEST(ShippedIcons, TwentyPicturesEachWithBothSizes) {
  const std::vector<std::string> files = listIconFiles(POLKAMINA_DEFAULTS_DIR);
  ASSERT_EQ(files.size(), kIconCount);
  for (const std::string& file : files) {
    QImageReader reader(QString::fromStdString(std::string(POLKAMINA_DEFAULTS_DIR) + "/" + file));
    std::vector<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
      ASSERT_TRUE(reader.jumpToImage(i));
      QImage image = reader.read();
      ASSERT_FALSE(image.isNull()) << file;
      EXPECT_EQ(image.width(), image.height()) << file;
      sizes.push_back(image.width());
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16})) << file;
  }
}

}  // namespace
