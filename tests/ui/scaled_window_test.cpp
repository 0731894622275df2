// The main window on a scaled screen; built once per scale, which
// POLKAMINA_TEST_SCALE gives as QT_SCALE_FACTOR, or which the player chose as
// the board size POLKAMINA_TEST_BOARD_SCALE in the preferences file.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "support/temp_folder.h"
#include "ui/preferences.h"
#include "ui/system/picture.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

QApplication& scaledApplication() {
#ifdef POLKAMINA_TEST_BOARD_SCALE
  const testsupport::TempFolder folder;
  const QString file = QString::fromStdString(folder.path().string()) + "/polkamina.ini";
  Preferences(file).setBoardScale(POLKAMINA_TEST_BOARD_SCALE);
  scaleWindowsBy(Preferences(file).boardScale());
#else
  qputenv("QT_SCALE_FACTOR", POLKAMINA_TEST_SCALE);
#endif
  return uitest::application();
}

TEST(ScaledScreen, RuleIsOneDevicePixelOfBlackRightAboveOneOfWhite) {
  scaledApplication();
  Session session;
  const qreal ratio = session.window().devicePixelRatioF();
  ASSERT_EQ(ratio, QByteArray(POLKAMINA_TEST_SCALE).toDouble());
  const QImage shot = session.window().grab().toImage();
  const QColor background = session.window().palette().color(QPalette::Window);
  const int black = qRound(84 * ratio);
  for (const int x : {qRound(10 * ratio), qRound(300 * ratio), qRound(620 * ratio)}) {
    EXPECT_EQ(shot.pixelColor(x, black - 1), background) << x;
    EXPECT_EQ(shot.pixelColor(x, black), QColor(Qt::black)) << x;
    EXPECT_EQ(shot.pixelColor(x, black + 1), QColor(Qt::white)) << x;
    EXPECT_EQ(shot.pixelColor(x, black + 2), background) << x;
  }
}

TEST(ScaledScreen, ArtworkIsDrawnAtTheScreensPixelSize) {
  scaledApplication();
  Session session;
  const qreal ratio = session.window().devicePixelRatioF();
  const QPixmap title = session.find<QLabel>("Image1")->pixmap();
  EXPECT_EQ(title.size(), QSize(qRound(207 * ratio), qRound(67 * ratio)));
  EXPECT_EQ(title.deviceIndependentSize().toSize(), QSize(207, 67));
  const QPixmap back = session.back(1)->icon().pixmap(QSize(32, 32), ratio);
  EXPECT_EQ(back.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
  EXPECT_EQ(session.window().windowIcon().pixmap(QSize(32, 32), ratio).size(), back.size());
}

// Every position stays the designed one, and the shipped pictures hold
// enough pixels for the face at the scale.
TEST(ScaledScreen, TheWindowKeepsItsDesignAndTheShippedPicturesTheirSharpness) {
  scaledApplication();
  Session session;
  const qreal ratio = session.window().devicePixelRatioF();
  ASSERT_EQ(ratio, QByteArray(POLKAMINA_TEST_SCALE).toDouble());
  EXPECT_EQ(session.window().size(), QSize(631, 452));
  EXPECT_EQ(session.back(40)->geometry(), QRect(530, 295, 72, 52));
  const QDir shipped(POLKAMINA_DEFAULTS_DIR);
  for (const QString& icon : shipped.entryList({"*.ico"})) {
    const QPixmap face = system::loadIconPicture(shipped.filePath(icon).toStdString(), ratio);
    EXPECT_EQ(face.size(), QSize(qRound(32 * ratio), qRound(32 * ratio))) << icon.toStdString();
    EXPECT_EQ(face.deviceIndependentSize(), QSizeF(32, 32)) << icon.toStdString();
  }
}

}  // namespace
}  // namespace polkamina::ui
