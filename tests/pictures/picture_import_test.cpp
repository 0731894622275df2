#include "ui/system/picture_import.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace polkamina::system;

namespace {

// A 120 × 60 picture: red on the left half, blue on the right.
QImage twoHalves() {
  QImage image(120, 60, QImage::Format_RGB32);
  image.fill(Qt::blue);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
  }
  return image;
}

class Import : public ::testing::Test {
 protected:
  std::string save(const QImage& image, const char* format) {
    const std::string name = std::string("picture.") + format;
    QImageWriter writer(QString::fromStdString((dir_ / name).string()), format);
    EXPECT_TRUE(writer.write(image)) << format;
    return name;
  }
  std::variant<QImage, std::string> read(const std::string& name) {
    return readPictureToImport(dir_ / name);
  }
  bool refused(const std::string& name) { return std::holds_alternative<std::string>(read(name)); }

  polkamina::testsupport::TempFolder temp_;
  const fs::path dir_ = temp_.path();
};

TEST_F(Import, ReadsEveryFormatByItsBytesWhateverItsName) {
  for (const char* format : {"png", "jpeg", "bmp", "webp"}) {
    const auto picture = read(save(twoHalves(), format));
    ASSERT_TRUE(std::holds_alternative<QImage>(picture)) << format;
    EXPECT_EQ(std::get<QImage>(picture).size(), QSize(120, 60)) << format;
  }
  // Qt writes no GIF: a red and a blue pixel, written by hand.
  temp_.write("picture.gif", std::string("GIF89a\x02\0\x01\0\x80\0\0"
                                         "\xff\0\0\0\0\xff"
                                         ",\0\0\0\0\x02\0\x01\0\0"
                                         "\x02\x02\x44\x0a\0;",
                                         35));
  const auto gif = read("picture.gif");
  ASSERT_TRUE(std::holds_alternative<QImage>(gif));
  EXPECT_EQ(std::get<QImage>(gif).pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(std::get<QImage>(gif).pixelColor(1, 0), QColor(Qt::blue));
  fs::rename(dir_ / "picture.png", dir_ / "picture.jpg");
  EXPECT_FALSE(refused("picture.jpg"));

  // A photo is read no larger than an icon and its preview need.
  QImage photo(3000, 2000, QImage::Format_RGB32);
  photo.fill(Qt::green);
  const auto read = readPictureToImport(dir_ / save(photo, "jpeg"));
  ASSERT_TRUE(std::holds_alternative<QImage>(read));
  EXPECT_EQ(std::get<QImage>(read).size(), QSize(1536, 1024));
}

TEST_F(Import, RefusesOtherFormatsDamageAndSizesBeyondTheBounds) {
  temp_.write("drawing.svg",
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>");
  temp_.write("drawing.png", "<?xml version=\"1.0\"?><svg/>");
  temp_.write("empty.png", "");
  EXPECT_TRUE(refused("drawing.svg"));
  EXPECT_TRUE(refused("drawing.png"));
  EXPECT_TRUE(refused("empty.png"));
  EXPECT_TRUE(refused("missing.png"));
  fs::create_directory(dir_ / "folder.png");
  EXPECT_TRUE(refused("folder.png"));

  const std::string png = temp_.read(save(twoHalves(), "png"));
  temp_.write("cut.png", png.substr(0, png.size() / 2));
  EXPECT_TRUE(refused("cut.png"));

  // A JPEG whose frame claims 20000 × 20000 pixels is refused unread.
  std::string jpeg = temp_.read(save(twoHalves(), "jpeg"));
  const std::size_t frame = jpeg.find("\xff\xc0");
  ASSERT_NE(frame, std::string::npos);
  for (std::size_t at : {frame + 5, frame + 7}) jpeg.replace(at, 2, "\x4e\x20");
  temp_.write("huge.jpg", jpeg);
  const auto huge = read("huge.jpg");
  ASSERT_TRUE(std::holds_alternative<std::string>(huge));
  EXPECT_NE(std::get<std::string>(huge).find("大きすぎ"), std::string::npos)
      << std::get<std::string>(huge);

  temp_.write("big.png", png);
  fs::resize_file(dir_ / "big.png", kLargestImportBytes + 1);
  EXPECT_NE(std::get<std::string>(read("big.png")).find("MB"), std::string::npos);
}

TEST_F(Import, SquaresStartInTheCentreAndStayInsideThePicture) {
  EXPECT_EQ(centredSquare(QSize(120, 60)), QRect(30, 0, 60, 60));
  EXPECT_EQ(centredSquare(QSize(40, 101)), QRect(0, 30, 40, 40));
  const QRect square = centredSquare(QSize(120, 60));
  EXPECT_EQ(movedSquare(QSize(120, 60), square, QPoint(-100, 5)), QRect(0, 0, 60, 60));
  EXPECT_EQ(movedSquare(QSize(120, 60), square, QPoint(25, 0)), QRect(55, 0, 60, 60));
  EXPECT_EQ(movedSquare(QSize(120, 60), square, QPoint(99, 0)), QRect(60, 0, 60, 60));
}

TEST_F(Import, IconFilesHoldEverySideOfTheChosenSquare) {
  const QByteArray bytes = iconFileBytes(twoHalves(), QRect(0, 0, 60, 60));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  ASSERT_EQ(reader.imageCount(), 4);
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), QSize(kIconSides[i], kIconSides[i]));
    // The left square is all red: no blue at any size.
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), QColor(Qt::red));
  }
}

}  // namespace
