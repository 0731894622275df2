#pragma once

#include <QFrame>

#include "game/history.h"

class QTableView;

namespace polkamina::ui {

class HistoryModel;

// The history frame fraRireki, which lies over the board when shown, and the
// grid msgRireki in it, built the first time the frame is shown: start-up
// never waits for it.
class HistoryPanel : public QFrame {
 public:
  // The grid shows history's rows.
  HistoryPanel(QWidget* parent, const game::History& history);

  // The grid comes after previous in the tab order.
  void followInTabOrder(QWidget* previous) { previous_ = previous; }

  // Shows or hides the frame; the keyboard focus, if focusHere, goes to the grid.
  void setShown(bool shown, bool focusHere);
  bool gridHasFocus() const;
  // Picks up the rows added or removed, scrolled as the history says.
  void showRows();

 private:
  void buildGrid();

  const game::History& history_;
  QWidget* previous_ = nullptr;      // the control before the grid in the tab order
  QTableView* msgRireki_ = nullptr;  // built the first time the frame is shown
  HistoryModel* model_ = nullptr;
  int shownRows_ = -1;  // grid rows and top row last scrolled to
  int shownTopRow_ = -1;
};

}  // namespace polkamina::ui
