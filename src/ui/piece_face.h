#pragma once

#include <QLabel>

#include "ui/board_focus.h"

namespace polkamina::ui {

// The face of a piece, imgKoma(i). It holds the keyboard focus while its
// piece lies turned up in a turn, so that a screen reader tells the picture
// turned; the board keys move on from it as from a back.
class PieceFace : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void boardKeyPressed(BoardDirection direction);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace polkamina::ui
