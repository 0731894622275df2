#include "ui/game_menu.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "game/game_fakes.h"
#include "support/temp_folder.h"
#include "ui/preferences.h"
#include "ui/system/restart.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

using game::testing::FakeClock;

// The menu as it reads: each entry's text and shown shortcut, "-" for a line.
QStringList entries(const QMenu* menu) {
  QStringList shown;
  for (const QAction* action : menu->actions()) {
    shown << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString());
  }
  return shown;
}

QAction* entry(Session& session, const char* name) {
  return session.find<QMenu>("gameMenu")->findChild<QAction*>(name);
}

// Everything a screen reader is told of the board's controls.
QStringList toldOfTheBoard(Session& session) {
  QStringList told;
  for (QWidget* widget : session.find<QWidget>("fraKiri")->findChildren<QWidget*>()) {
    if (widget->isVisible())
      told << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  }
  return told;
}

// What the window system sends for a right-click at a point of widget (its
// middle by default).
void rightClick(QWidget* widget, QPoint position = {}) {
  if (position.isNull()) position = widget->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, position, widget->mapToGlobal(position));
  QApplication::sendEvent(widget, &event);
}

TEST(GameMenu, OpensOutsideThePiecesByMouseAndByKeyboard) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  auto* menu = session.find<QMenu>("gameMenu");
  EXPECT_EQ(entries(menu), (QStringList{"一時停止 P", "最小化したら一時停止 Shift+P", "-",
                                        "効果音 M", "-", "成績... R", "絵の管理... Ctrl+E",
                                        "表示倍率 "}));
  EXPECT_EQ(
      entries(menu->findChild<QMenu*>("boardScaleMenu")),
      (QStringList{"100% Ctrl+1", "125% Ctrl+2", "150% Ctrl+3", "200% Ctrl+4", "300% Ctrl+5"}));

  // A right-click on a piece is no turn and opens nothing.
  rightClick(session.back(1));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  rightClick(session.find<QWidget>("fraKiri"), QPoint(5, 345));
  EXPECT_EQ(QApplication::activePopupWidget(), menu);
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  rightClick(session.find<QToolButton>("cmdHozon"));
  EXPECT_EQ(QApplication::activePopupWidget(), menu);
  QTest::keyClick(menu, Qt::Key_Escape);

  QTest::keyClick(&session.window(), Qt::Key_F10, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::activePopupWidget(), menu);
  // Opened by keyboard, on the control that has the focus.
  EXPECT_TRUE(session.find<QToolButton>("cmdStart")
                  ->rect()
                  .contains(session.find<QToolButton>("cmdStart")->mapFromGlobal(menu->pos())));
  QTest::keyClick(menu, Qt::Key_Escape);
  // With no game, there is nothing to pause.
  EXPECT_FALSE(entry(session, "pauseEntry")->isEnabled());
}

TEST(GameMenu, PauseCoversTheDealAndStopsTheClockUntilResumed) {
  auto clock = std::make_unique<FakeClock>();
  FakeClock& time = *clock;
  Session session(0, {}, std::move(clock));
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  QTest::mouseClick(session.back(1), Qt::LeftButton);
  const QString turned = session.name(1)->text();
  ASSERT_TRUE(toldOfTheBoard(session).join(" ").contains(turned));
  time.advance(65);
  session.back(2)->setFocus();

  QTest::keyClick(&session.window(), Qt::Key_P);
  auto* cover = session.find<QWidget>("pauseCover");
  EXPECT_TRUE(cover->isVisible());
  EXPECT_TRUE(entry(session, "pauseEntry")->isChecked());
  EXPECT_EQ(session.labelText("lblByou"), "01分05秒");
  // Nothing of the deal shows or is told, and the keyboard is on the cover.
  EXPECT_FALSE(toldOfTheBoard(session).join(" ").contains(turned));
  for (int i = 1; i <= 40; ++i)
    EXPECT_FALSE(session.back(i)->isVisible() || session.face(i)->isVisible());
  EXPECT_TRUE(cover->hasFocus());

  // The window's timer ticks at once; the time is the fake clock's.
  auto* timer = session.window().findChild<QTimer*>("Timer1");
  ASSERT_NE(timer, nullptr);
  int ticks = 0;
  QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer->setInterval(1);
  const auto tick = [&ticks] {
    const int before = ticks;
    QTRY_VERIFY(ticks > before);
  };
  time.advance(600);
  tick();
  EXPECT_EQ(session.labelText("lblByou"), "01分05秒");

  QTest::mouseClick(cover, Qt::LeftButton);
  EXPECT_FALSE(cover->isVisible());
  EXPECT_TRUE(session.face(1)->isVisible());
  EXPECT_TRUE(session.back(2)->isVisible() && session.back(2)->hasFocus());
  EXPECT_EQ(session.labelText("lblByou"), "01分05秒");
  time.advance(1);
  tick();
  EXPECT_EQ(session.labelText("lblByou"), "01分06秒");

  // The Pause key does as P; スタート deals a new game out of a pause.
  QTest::keyClick(&session.window(), Qt::Key_Pause);
  ASSERT_TRUE(cover->isVisible());
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  EXPECT_FALSE(cover->isVisible());
  EXPECT_TRUE(session.back(1)->isVisible());
}

}  // namespace
}  // namespace polkamina::ui

namespace polkamina::ui {
namespace {

TEST(GameMenu, SwitchesAreKeptInThePlayersPreferencesFile) {
  testsupport::TempFolder folder;
  const QString file = QString::fromStdString(folder.path().string()) + "/polkamina.ini";
  {
    Session session(0, {}, std::make_unique<game::SystemClock>(), file);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
    EXPECT_TRUE(entry(session, "soundEntry")->isChecked());
    EXPECT_TRUE(session.game().matchSound());
    QTest::keyClick(&session.window(), Qt::Key_M);
    EXPECT_FALSE(entry(session, "soundEntry")->isChecked());
    EXPECT_FALSE(session.game().matchSound());

    // Off by default, a minimised window leaves the game running.
    QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
    session.window().showMinimized();
    QTRY_VERIFY(session.window().isMinimized());
    EXPECT_FALSE(session.game().paused());
    session.window().showNormal();
    QTRY_VERIFY(!session.window().isMinimized());
    QTest::keyClick(&session.window(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_TRUE(entry(session, "pauseWhenHiddenEntry")->isChecked());
    session.window().showMinimized();
    QTRY_VERIFY(session.game().paused());
  }
  Session again(0, {}, std::make_unique<game::SystemClock>(), file);
  EXPECT_FALSE(entry(again, "soundEntry")->isChecked());
  EXPECT_FALSE(again.game().matchSound());
  EXPECT_TRUE(entry(again, "pauseWhenHiddenEntry")->isChecked());
  // The game folder holds only its own files.
  EXPECT_FALSE(QFile::exists(QString::fromStdString(again.folder()) + "/polkamina.ini"));
}

TEST(GameMenu, ABoardSizeIsKeptAndComesWithARestartOrTheNextStart) {
  testsupport::TempFolder folder;
  const QString file = QString::fromStdString(folder.path().string()) + "/polkamina.ini";
  Session session(0, {}, std::make_unique<game::SystemClock>(), file);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  const auto scale = [&session](int entry) {
    return session.find<QMenu>("boardScaleMenu")->actions()[entry];
  };
  EXPECT_TRUE(scale(0)->isChecked());
  {
    uitest::MessageBoxAnswerer cancel(Qt::Key_Escape);
    QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
    QTest::keyClick(&session.window(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(cancel.texts,
              QStringList{"表示倍率を 150% にしました。今すぐ起動し直して、この大きさにしますか？\n"
                          "遊んでいる途中のゲームは記録されずに終わります。\n"
                          "「キャンセル」のときは、次に起動したときからこの大きさになります。"});
  }
  EXPECT_TRUE(scale(2)->isChecked() && !scale(0)->isChecked());
  EXPECT_EQ(Preferences(file).boardScale(), 150);
  EXPECT_TRUE(session.game().board().Playing());

  // OK ends the event loop for main() to start the program again.
  QEventLoop loop;
  QTimer::singleShot(0, [&scale] {
    const uitest::MessageBoxAnswerer ok(Qt::Key_Return);
    scale(4)->trigger();
  });
  QTimer::singleShot(5000, &loop, [&loop] { loop.exit(-1); });  // no restart asked for
  EXPECT_EQ(loop.exec(), system::kRestartStatus);
  EXPECT_EQ(Preferences(file).boardScale(), 300);

  // Back to the size this run shows: nothing to ask.
  uitest::MessageBoxAnswerer answerer;
  scale(0)->trigger();
  EXPECT_TRUE(answerer.texts.isEmpty());
  EXPECT_EQ(Preferences(file).boardScale(), 100);
}

TEST(Preferences, ValuesNotUnderstoodReadAsDefaults) {
  testsupport::TempFolder folder;
  const QString file = QString::fromStdString(folder.path().string()) + "/polkamina.ini";
  uitest::writeFile(file, "[sound]\nmatch=1\n[pause]\nwhenHidden=yes\n[view]\nboardScale=175\n");
  Preferences preferences(file);
  EXPECT_TRUE(preferences.matchSound());
  EXPECT_FALSE(preferences.pauseWhenHidden());
  EXPECT_EQ(preferences.boardScale(), 100);
  preferences.setBoardScale(90);
  EXPECT_EQ(Preferences(file).boardScale(), 100);
  preferences.setBoardScale(150);
  preferences.setMatchSound(false);
  EXPECT_EQ(Preferences(file).boardScale(), 150);
  EXPECT_FALSE(Preferences(file).matchSound());
}

TEST(Preferences, TheBoardSizeScalesOnTopOfTheScreensOwnFactor) {
  const QByteArray before = qgetenv("QT_SCALE_FACTOR");
  qputenv("QT_SCALE_FACTOR", "2");
  qunsetenv("POLKAMINA_SCREEN_SCALE_FACTOR");
  scaleWindowsBy(150);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "3");
  // A restart starts from the screen's own factor again.
  scaleWindowsBy(125);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2.5");
  scaleWindowsBy(100);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2");

  // With no factor of the environment's own, the designed size sets none.
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("POLKAMINA_SCREEN_SCALE_FACTOR");
  scaleWindowsBy(300);
  EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "3");
  scaleWindowsBy(100);
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));

  qunsetenv("POLKAMINA_SCREEN_SCALE_FACTOR");
  if (before.isNull()) {
    qunsetenv("QT_SCALE_FACTOR");
  } else {
    qputenv("QT_SCALE_FACTOR", before);
  }
}

}  // namespace
}  // namespace polkamina::ui
