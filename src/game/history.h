#pragma once

#include "game/view_changes.h"
#include "store/data_folder.h"
#include "store/history.h"

namespace polkamina::game {

// Grid rows, the header included, that the history grid shows without
// scrolling; beyond them it is scrolled to its end.
constexpr int kHistoryVisibleRows = 14;

// The play history: the saved games of the history file, as the grid
// msgRireki shows them, and the frame fraRireki that lies over the board.
// Every change is noted in changes.
class History {
 public:
  explicit History(ViewChanges& changes) : changes_(changes) {}

  const store::HistoryRows& rows() const { return rows_; }
  // Grid rows, the header included.
  int gridRows() const { return static_cast<int>(rows_.size()) + 1; }
  // The first scrollable grid row in view: the last row once the rows no
  // longer fit, as loading and saving scroll the grid to its end.
  int topRow() const { return gridRows() > kHistoryVisibleRows ? gridRows() - 1 : 1; }
  bool fraRirekiVisible() const { return fraRirekiVisible_; }

  // Start-up: the frame hidden, the rows of the history file.
  void load(const store::DataFolder& folder);
  // A saved game: stored in the file first, so the grid never shows a row
  // that was not stored.
  void save(const store::HistoryRow& row, const store::DataFolder& folder);
  // The file emptied and the grid with it.
  void clear(const store::DataFolder& folder);

  void show() { setFrameVisible(true); }
  void hide() { setFrameVisible(false); }
  // A double-click on the board frame: shows or hides the frame by its own
  // two-state toggle, whatever the frame's visibility.
  void toggle();

 private:
  void setFrameVisible(bool visible);

  ViewChanges& changes_;
  store::HistoryRows rows_;
  bool fraRirekiVisible_ = true;  // the frame over the board; start-up hides it
  int historyToggle_ = 0;         // flipped by each double-click on the board frame
};

}  // namespace polkamina::game
