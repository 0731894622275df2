#pragma once

#include <QPushButton>
#include <optional>

#include "ui/board_focus.h"

namespace polkamina::ui {

// Where a key moves the focus on the board: the arrows, Home and End.
std::optional<BoardDirection> boardDirectionOfKey(int key);

// The back of a piece, cmdKoma(i). The board keys move over the board instead
// of along the tab order, and Return turns the piece as Space does.
class PieceButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 signals:
  void boardKeyPressed(BoardDirection direction);
  void focused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
