#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <chrono>
#include <cmath>
#include <ctime>
#include <iostream>
#include <limits>

#include "store/file_error.h"
#include "ui/system/art.h"
#include "ui/system/bell.h"
#include "ui/system/file_error_report.h"
#include "ui/system/fonts.h"
#include "ui/system/message_box.h"
#include "ui/system/picture.h"
#include "ui/system/qt_host.h"
#include "ui/system/twips.h"
#include "ui/system/window_owner.h"
#include "ui_test_support.h"

namespace polkamina::system {
namespace {

using namespace std::chrono_literals;
using uitest::application;

// Scaled screens get the artwork drawn from images of their own pixel size,
// never from a smaller image enlarged.
TEST(Art, ScaledScreensGetImagesOfTheirPixelSize) {
  application();
  for (const char* name :
       {"button-start", "button-stop", "button-save", "button-clear", "button-settings",
        "button-help", "button-end", "button-show", "button-hide", "button-return", "piece-back"}) {
    const QIcon icon = artIcon(name);
    for (const int side : {16, 32, 48, 64, 96}) {
      EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << name << " " << side;
    }
    const QPixmap doubled = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(doubled.size(), QSize(64, 64)) << name;
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0) << name;
  }

  const QPixmap title = artPicture("title.png", 2.0);
  EXPECT_EQ(title.size(), QSize(414, 134));
  EXPECT_EQ(title.devicePixelRatio(), 2.0);
  // A pixmap holds premultiplied pixels; how semi-transparent ones round
  // there depends on the processor, so the file's image goes the same way.
  EXPECT_EQ(title.toImage().convertToFormat(QImage::Format_ARGB32),
            QImage(artPath("title@2x.png"))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(artPicture("title.png", 3.0).size(), QSize(621, 201));
  EXPECT_EQ(artPicture("title.png", 1.0).size(), QSize(207, 67));
  EXPECT_EQ(artPicture("title.png", 1.5).size(), QSize(311, 101));
  EXPECT_EQ(artPicture("record.png", 2.0).size(), QSize(128, 126));
  EXPECT_EQ(artPicture("record.png", 1.0).size(), QSize(64, 63));
}

TEST(Twips, RoundToTheNearestPixel) {
  EXPECT_EQ(twipsToPixels(9465), 631);
  EXPECT_EQ(twipsToPixels(1264), 84);   // 84.27
  EXPECT_EQ(twipsToPixels(2378), 159);  // 158.53
  EXPECT_EQ(twipsToPixels(7), 0);
  EXPECT_EQ(twipsToPixels(8), 1);
  EXPECT_EQ(twipsRect(7950, 4425, 1080, 780), QRect(530, 295, 72, 52));
}

TEST(Fonts, PointSizesBecomePixelsAt96Dpi) {
  EXPECT_EQ(pointsToPixels(8.25), 11);
  EXPECT_EQ(pointsToPixels(9), 12);
  EXPECT_EQ(pointsToPixels(11.25), 15);
  EXPECT_EQ(pointsToPixels(14.25), 19);
  EXPECT_EQ(pointsToPixels(20.25), 27);
  EXPECT_EQ(designFont(kGothic, 9).pixelSize(), 12);
}

TEST(Fonts, DesignFacesMapToInstalledFonts) {
  application();
  installFontSubstitutions();
  EXPECT_EQ(QFontInfo(designFont(kPGothic, 9)).family(), "Monapo");
  EXPECT_EQ(QFontInfo(designFont(kGothic, 9)).family(), "IPAGothic");
  EXPECT_EQ(QFontInfo(designFont(kGothic, 9)).pixelSize(), 12);
}

TEST(MessageBox, ShowsTextCaptionAndButtons) {
  application();
  EXPECT_EQ(messageBoxText("アイコンが 1個 足りません\r\n補充してください"),
            "アイコンが 1個 足りません\n補充してください");

  QString shownText;
  QString cancelText;
  QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
  // Escape answers Cancel where there is one and OK where there is not.
  game::MessageAnswer answer = game::MessageAnswer::Ok;
  uitest::withModalWindow(
      [&] {
        answer = showMessageBox("<b>a</b>\r\nb", "確認", game::MessageIcon::Exclamation,
                                game::MessageButtons::OkCancel);
      },
      [&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownIcon = box->icon();
        cancelText = box->button(QMessageBox::Cancel)->text();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->reject();
      });
  EXPECT_EQ(answer, game::MessageAnswer::Cancel);
  EXPECT_EQ(shownText, "<b>a</b>\nb");
  EXPECT_EQ(shownIcon, QMessageBox::Warning);
  EXPECT_EQ(cancelText, "キャンセル");

  {
    uitest::MessageBoxAnswerer escape(Qt::Key_Escape);
    EXPECT_EQ(showMessageBox("x", "終了", game::MessageIcon::Information, game::MessageButtons::Ok),
              game::MessageAnswer::Ok);
  }
  uitest::MessageBoxAnswerer enter(Qt::Key_Return);
  EXPECT_EQ(
      showMessageBox("y", "確認", game::MessageIcon::Exclamation, game::MessageButtons::OkCancel),
      game::MessageAnswer::Ok);
}

// A message box belongs to the active window, else to the main window once it
// is shown, so that it never opens as a window of no one's that the window it
// blocks could cover.
TEST(MessageBox, BelongsToTheActiveWindowElseToTheMainWindow) {
  application();
  QWidget main;
  setMainWindow(&main);
  EXPECT_EQ(messageBoxOwner(), nullptr);
  main.show();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(messageBoxOwner(), &other);
  other.hide();
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }));
  EXPECT_EQ(messageBoxOwner(), &main);
  setMainWindow(nullptr);
}

TEST(FileErrorReport, ShowsTheReportAndEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto failingHandler = [] {
    application();
    // The child tells the parent what its box said.
    QTimer::singleShot(20, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) {
        std::cerr << box->windowTitle().toStdString() << ": " << box->text().toStdString()
                  << std::endl;
        box->accept();
      }
    });
    runReportingFileErrors(
        [] { throw store::FileError(store::FileError::Kind::Missing, "履歴.txt"); });
  };
  const std::string caption = store::kFileErrorCaption;
  EXPECT_EXIT(failingHandler(), testing::ExitedWithCode(1), caption + ": .*履歴\\.txt");

  bool ran = false;
  runReportingFileErrors([&] { ran = true; });
  EXPECT_TRUE(ran);
}

// With no sound server to play the theme's bell, the window system's bell
// rings, from the thread of the windows; once that is known, at once.
TEST(Bell, RingsTheWindowSystemBellWhereNoSoundServerAnswers) {
  application();
  const QByteArray server = qgetenv("PULSE_SERVER");
  qputenv("PULSE_SERVER", "unix:/nonexistent/polkamina-test/native");
  int windowSystemRings = 0;
  Qt::HANDLE ringThread = nullptr;
  {
    Bell bell([&] {
      ++windowSystemRings;
      ringThread = QThread::currentThreadId();
    });
    bell.ring();
    EXPECT_TRUE(QTest::qWaitFor([&] { return windowSystemRings == 1; }, 5000));
    EXPECT_EQ(ringThread, QThread::currentThreadId());
    bell.ring();
    EXPECT_EQ(windowSystemRings, 2);
  }
  qputenv("PULSE_SERVER", server);
  if (server.isNull()) qunsetenv("PULSE_SERVER");
}

// The wait holds the game's timer and no other event that is not input:
// repaints and the calls of screen readers go on. It burns no processor time,
// and a tick held back runs once, right after it.
TEST(QtHost, WaitHoldsTheGamesTimerAndStaysAlive) {
  application();
  int renders = 0;
  QtHost host(nullptr);
  QWidget window;
  host.attachView(&window, [&] { ++renders; });

  QTimer gameTimer;
  gameTimer.setInterval(10);
  int ticks = 0;
  QObject::connect(&gameTimer, &QTimer::timeout, [&] { ++ticks; });
  host.holdDuringWaits(&gameTimer);
  gameTimer.start();
  bool otherEventRan = false;
  QTimer::singleShot(20, [&] { otherEventRan = true; });

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t processorStart = std::clock();
  host.waitWithoutInput(0.3f);
  const double processorSeconds = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
  EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
  EXPECT_LT(processorSeconds, 0.1) << "the wait kept the processor busy";
  EXPECT_EQ(ticks, 0) << "the game's timer ran during the wait";
  EXPECT_TRUE(otherEventRan) << "the wait answered no event";
  EXPECT_EQ(renders, 1);

  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 1) << "the held tick did not run right after the wait";
  // The timer runs on as before.
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 1000));
}

TEST(QtHost, WaitLengthsFromUnvalidatedDelays) {
  EXPECT_EQ(waitDuration(0.5f), 500ms);
  EXPECT_EQ(waitDuration(0.1f), 100ms);
  EXPECT_EQ(waitDuration(0), 0ms);
  EXPECT_EQ(waitDuration(-3), 0ms);
  EXPECT_EQ(waitDuration(std::nanf("")), 0ms);
  EXPECT_EQ(waitDuration(std::numeric_limits<float>::infinity()), 10s);
  EXPECT_EQ(waitDuration(1e30f), 10s);
  EXPECT_EQ(waitDuration(9.5f), 9500ms);
}

QByteArray pngOf(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::red);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

class PictureTest : public testing::Test {
 protected:
  void SetUp() override { application(); }

  QPixmap load(const QByteArray& bytes) {
    const QString path = folder_.filePath("picture.ico");
    uitest::writeFile(path, bytes);
    return loadIconPicture(path.toStdString());
  }

  QTemporaryDir folder_;
};

TEST_F(PictureTest, FacesFitTheirCellAtAnyPixelRatio) {
  EXPECT_EQ(load(uitest::icoFile(32, Qt::red)).size(), QSize(32, 32));
  // Larger pictures are scaled down into the cell.
  EXPECT_EQ(load(uitest::icoFile(48, Qt::red)).size(), QSize(32, 32));
  // Of several images, the smallest that fills the cell.
  const QByteArray multi =
      uitest::combinedIco({uitest::icoFile(16, Qt::red), uitest::icoFile(48, Qt::green),
                           uitest::icoFile(32, Qt::blue), uitest::icoFile(64, Qt::black)});
  const QPixmap chosen = load(multi);
  ASSERT_EQ(chosen.size(), QSize(32, 32));
  EXPECT_EQ(chosen.toImage().pixelColor(5, 5), QColor(Qt::blue));
  // Smaller ones stay at their own size.
  EXPECT_EQ(
      load(uitest::combinedIco({uitest::icoFile(16, Qt::red), uitest::icoFile(24, Qt::green)}))
          .size(),
      QSize(24, 24));

  // On a screen of twice the pixels a face takes twice as many device pixels
  // and still covers the same 32 × 32 cell.
  const QString path = folder_.filePath("multi.ico");
  uitest::writeFile(path, multi);
  const QPixmap sharp = loadIconPicture(path.toStdString(), 2.0);
  EXPECT_EQ(sharp.size(), QSize(64, 64));
  EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 32));
  EXPECT_EQ(sharp.toImage().pixelColor(5, 5), QColor(Qt::black));
  uitest::writeFile(path, uitest::icoFile(16, Qt::red));
  EXPECT_EQ(loadIconPicture(path.toStdString(), 2.0).deviceIndependentSize(), QSizeF(16, 16));
  uitest::writeFile(path, uitest::icoFile(40, Qt::red));
  EXPECT_EQ(loadIconPicture(path.toStdString(), 1.5).deviceIndependentSize(), QSizeF(32, 32));

  // A picture saved as .ico keeps its aspect; a large one inside an icon
  // entry, whose directory can only say 256, is taken too.
  EXPECT_EQ(load(pngOf(512, 128)).size(), QSize(32, 8));
  EXPECT_EQ(load(uitest::icoWithPng(pngOf(512, 512), 256)).size(), QSize(32, 32));
}

// A one-bit picture shows in its own colours, whether it fits the cell or
// is scaled into it: Qt would draw a one-bit pixmap as a mask in black.
TEST_F(PictureTest, OneBitPicturesShowInTheirColours) {
  for (const int side : {32, 48}) {
    const QPixmap face = load(uitest::oneBitBmpFile(side, Qt::red, Qt::blue, 4));
    ASSERT_EQ(face.size(), QSize(32, 32));
    QImage shown(32, 32, QImage::Format_ARGB32);
    shown.fill(Qt::white);
    QPainter(&shown).drawPixmap(0, 0, face);
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::red)) << side;
    EXPECT_EQ(shown.pixelColor(30, 1), QColor(Qt::blue)) << side;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QColor colour = shown.pixelColor(x, y);
        ASSERT_TRUE(colour.green() == 0 && std::abs(colour.red() + colour.blue() - 255) <= 2)
            << side << ": " << x << "," << y << " " << colour.name().toStdString();
      }
    }
  }
}

TEST_F(PictureTest, UnreadableOrOversizedPicturesAreEmpty) {
  EXPECT_TRUE(load(QByteArray()).isNull());
  EXPECT_TRUE(load(QByteArray(300, '\x5a')).isNull());
  QByteArray truncated = uitest::icoFile(32, Qt::red);
  truncated.truncate(40);
  EXPECT_TRUE(load(truncated).isNull());
  EXPECT_TRUE(loadIconPicture(folder_.filePath("missing.ico").toStdString()).isNull());

  // A PNG inside the icon whose header claims 60000 × 60000.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(load(uitest::icoWithPng(uitest::pngHeaderOnly(60000, 60000), 256)).isNull());
  EXPECT_TRUE(load(uitest::pngHeaderOnly(60000, 60000)).isNull());
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);

  // A directory entry that understates the real picture, and a picture too
  // large to be an icon.
  EXPECT_TRUE(load(uitest::icoWithPng(pngOf(300, 300), 32)).isNull());
  EXPECT_TRUE(load(pngOf(2048, 16)).isNull());
}

}  // namespace
}  // namespace polkamina::system
