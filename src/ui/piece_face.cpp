#include "ui/piece_face.h"

#include <QKeyEvent>

#include "ui/picture_button.h"
#include "ui/piece_button.h"

namespace polkamina::ui {

void PieceFace::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<BoardDirection> direction = boardDirectionOfKey(event->key())) {
    emit boardKeyPressed(*direction);
  } else {
    QLabel::keyPressEvent(event);
  }
}

void PieceFace::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  paintFocus(this);
}

}  // namespace polkamina::ui
