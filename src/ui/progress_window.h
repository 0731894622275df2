#pragma once

#include <QDialog>
#include <array>
#include <cstddef>

#include "game/progress.h"
#include "store/history.h"
#include "store/records.h"

class QLabel;
class QTabWidget;

namespace polkamina::ui {

class ProgressChart;

// The progress window 成績: for each level, on a tab of its own, how many
// games were played, the best, median and recent turns and times, and two
// charts of the turns and the clear time over the games, all read from the
// play history. Modeless; it follows the history while it is open.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows rows, which must outlive the window, starting on the level of
  // index firstLevel.
  ProgressWindow(QWidget* owner, const store::HistoryRows& rows, std::size_t firstLevel);

  // Reads the history again, after a game was saved or the history cleared.
  void refresh();
  // Shows the window, or brings it forward, with the keyboard in it.
  void bringForward();

 private:
  // What one level's tab shows.
  struct LevelPage {
    std::array<QLabel*, 8> figures{};  // games, best, median and recent, turns then times
    ProgressChart* turns = nullptr;
    ProgressChart* times = nullptr;
  };

  QWidget* buildPage(LevelPage& page);
  void showLevel(std::size_t level);

  const store::HistoryRows& rows_;
  game::Progress progress_;
  QTabWidget* levels_ = nullptr;
  std::array<LevelPage, store::kLevelCount> pages_{};
  QLabel* leftOut_ = nullptr;
};

}  // namespace polkamina::ui
