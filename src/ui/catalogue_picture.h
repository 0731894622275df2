#pragma once

#include <QLabel>

#include "ui/board_focus.h"

namespace polkamina::ui {

// A picture of the settings window's icon catalogue, imgKoma(k): a left
// click on it is its own event, and so are Space and Return while it holds
// the keyboard focus. The board keys move the focus over the catalogue.
class CataloguePicture : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();
  void boardKeyPressed(BoardDirection direction);
  void focused();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};

// The cell (0..cells - 1, row by row, `columns` to a row, all of them filled)
// a board key leads to from `cell`, going round past the edges.
int catalogueCellInDirection(int cell, BoardDirection direction, int cells, int columns);

}  // namespace polkamina::ui
