#include "ui/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "store/cp932.h"
#include "ui/progress_chart.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

// Adds lines (UTF-8) to the history file of folder, in code page 932.
void appendHistory(const std::string& folder, const std::string& lines) {
  std::ofstream(folder + "/履歴.txt", std::ios::binary | std::ios::app)
      << store::utf8ToCp932(lines, "履歴.txt");
}

std::string historyLine(const std::string& level, const std::string& turns,
                        const std::string& time) {
  return "\"2024/01/02\",\"10:00:00\",\"" + level + "\",\"" + turns + "\",\"" + time +
         "\",\"\",\"\"\r\n";
}

// The texts of the figures on the window's current tab, in the order made.
QStringList shownFigures(QWidget* window) {
  QStringList shown;
  const QWidget* page = window->findChild<QTabWidget*>()->currentWidget();
  for (const QLabel* label : page->findChildren<QLabel*>()) shown << label->text();
  return shown;
}

QStringList chartSummaries(QWidget* window) {
  QStringList told;
  const QWidget* page = window->findChild<QTabWidget*>()->currentWidget();
  for (const ProgressChart* chart : page->findChildren<ProgressChart*>()) {
    told << chart->accessibleName() + ": " + chart->accessibleDescription();
  }
  return told;
}

QWidget* openProgress(Session& session) {
  QTest::keyClick(&session.window(), Qt::Key_R);
  return session.window().findChild<QWidget*>("progressWindow");
}

TEST(ProgressWindow, ShowsEachLevelsFiguresAndCountsTheRowsLeftOut) {
  // The folder's three rows are of no level of the game; one more is damaged.
  Session session(3, [](const std::string& folder) {
    appendHistory(folder, historyLine("ノーマル", "30回", "01分40秒") +
                              historyLine("ノーマル", "24回", "02分00秒") +
                              historyLine("ノーマル", "", "") +
                              historyLine("ハード", "41回", "03分05秒"));
  });
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  QWidget* window = openProgress(session);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  // It opens on the level the main window shows.
  EXPECT_EQ(shownFigures(window),
            (QStringList{"ターン数", "クリア時間", "ゲーム数", "2 回", "2 回", "ベスト",
                         "24 ターン", "01分40秒", "中央値", "27 ターン", "01分50秒",
                         "最近10回の平均", "27 ターン", "01分50秒"}));
  EXPECT_EQ(chartSummaries(window),
            (QStringList{"ターン数の推移: 全 2 回。ベスト 24 ターン（2 回目）。中央値 27 ターン。"
                         "最近10回の平均 27 ターン。",
                         "クリア時間の推移: 全 2 回。ベスト 01分40秒（1 回目）。中央値 01分50秒。"
                         "最近10回の平均 01分50秒。"}));
  auto* leftOut = window->findChild<QLabel*>("progressLeftOut");
  EXPECT_TRUE(leftOut->isVisible());
  EXPECT_TRUE(leftOut->text().contains("4 行")) << leftOut->text().toStdString();

  // The keyboard moves between the levels and through the charts.
  auto* levels = window->findChild<QTabBar*>();
  EXPECT_EQ(window->focusWidget(), levels);
  QTest::keyClick(levels, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(shownFigures(window).mid(3, 2), (QStringList{"1 回", "1 回"}));
  EXPECT_TRUE(chartSummaries(window).join("").contains("ベスト 03分05秒（1 回目）"));

  // A game saved meanwhile is taken up at once: here the save before any
  // game, whose time "-----" is no clear time.
  QTest::mouseClick(session.find<QToolButton>("cmdHozon"), Qt::LeftButton);
  EXPECT_TRUE(leftOut->text().contains("5 行")) << leftOut->text().toStdString();
  // Asked for again, the one window comes forward.
  EXPECT_EQ(openProgress(session), window);
  EXPECT_EQ(session.window().findChildren<ProgressWindow*>().size(), 1);
}

TEST(ProgressWindow, OpensOverAMillionGames) {
  Session session(0, [](const std::string& folder) {
    std::string lines;
    for (int i = 0; i < 1000000; ++i) {
      lines += historyLine(i % 2 ? "ノーマル" : "パニック", std::to_string(20 + i % 40) + "回",
                           "01分" + std::to_string(10 + i % 50) + "秒");
    }
    appendHistory(folder, lines);
  });
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  QWidget* window = openProgress(session);
  ASSERT_NE(window, nullptr);
  window->grab();  // painted, charts and all
  EXPECT_EQ(shownFigures(window)[3], "500000 回");
  EXPECT_FALSE(window->findChild<QLabel*>("progressLeftOut")->isVisible());
}

}  // namespace
}  // namespace polkamina::ui
