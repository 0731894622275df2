#include "icons/icon_set.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>

#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace polkamina::icons;

namespace {

class IconFolder : public ::testing::Test {
 protected:
  void touch(const std::string& name) { temp_.write(name, "x"); }

  polkamina::testsupport::TempFolder temp_;
  const fs::path dir_ = temp_.path();
};

TEST_F(IconFolder, ListsIcoFilesOfAnyCaseSortedWithoutRegardToCase) {
  for (const char* name : {"c.ico", "b.ico", "B.ico", "A.ico", "Apple.ICO", "ねこ.ico", "notes.txt",
                           ".hidden.ico", "ico", "x.icon"}) {
    touch(name);
  }
  fs::create_directory(dir_ / "folder.ico");
  fs::create_symlink(dir_ / "b.ico", dir_ / "link.ico");
  fs::create_symlink(dir_ / "missing", dir_ / "dangling.ico");

  // Names equal but for case keep a fixed order; non-ASCII names sort after ASCII.
  const std::vector<std::string> expected{"A.ico", "Apple.ICO", "B.ico",   "b.ico",
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

// A real picture: at least partly see-through somewhere (the alpha survived the
// file) and solid somewhere.
bool hasClearAndSolidPixels(const QImage& image) {
  bool clear = false;
  bool solid = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(image.pixel(x, y));
      clear = clear || alpha < 255;
      solid = solid || alpha == 255;
    }
  }
  return clear && solid;
}

// The square sizes of the images in an .ico file, each checked to be a real picture.
std::vector<int> iconSizes(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  std::vector<int> sizes;
  for (int i = 0; i < reader.imageCount(); ++i) {
    if (!reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << path;
    if (image.isNull()) break;
    EXPECT_EQ(image.width(), image.height()) << path;
    EXPECT_TRUE(hasClearAndSolidPixels(image)) << path << " image " << i;
    sizes.push_back(image.width());
  }
  return sizes;
}

// 32 and 16 as designed, and larger images for faces on scaled screens.
TEST(ShippedIcons, TwentyPicturesEachInEverySize) {
  const std::vector<std::string> files = listIconFiles(POLKAMINA_DEFAULTS_DIR);
  ASSERT_EQ(files.size(), kIconCount);
  for (const std::string& file : files) {
    EXPECT_EQ(iconSizes(std::string(POLKAMINA_DEFAULTS_DIR) + "/" + file),
              (std::vector<int>{32, 16, 48, 64, 128}))
        << file;
  }
}

TEST(Artwork, EveryWindowPictureDecodesAtItsSize) {
  const std::string art = POLKAMINA_ART_DIR;
  for (const char* name :
       {"button-start", "button-stop", "button-save", "button-clear", "button-settings",
        "button-help", "button-end", "button-show", "button-hide", "button-return", "piece-back"}) {
    for (const int side : {16, 32, 48, 64, 96}) {
      const QString path = QString::fromStdString(art + "/" + name + "-") + QString::number(side);
      const QImage image(path + ".png");
      EXPECT_EQ(image.size(), QSize(side, side)) << name << " " << side;
      EXPECT_TRUE(hasClearAndSolidPixels(image)) << name << " " << side;
    }
  }
  EXPECT_EQ(QImage(QString::fromStdString(art + "/title.png")).size(), QSize(207, 67));
  EXPECT_EQ(QImage(QString::fromStdString(art + "/record.png")).size(), QSize(64, 63));
}

}  // namespace
