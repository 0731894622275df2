#pragma once

#include <QPushButton>

#include "ui/board_focus.h"

namespace polkamina::ui {

// The back of a piece, cmdKoma(i). The arrow keys move over the board instead
// of along the tab order, and Return turns the piece as Space does.
class PieceButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 signals:
  void arrowPressed(BoardDirection direction);
  void focused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
