#include "ui/piece_face.h"

#include <QKeyEvent>

#include "ui/piece_button.h"

namespace polkamina::ui {

void PieceFace::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<BoardDirection> direction = boardDirectionOfKey(event->key())) {
    emit boardKeyPressed(*direction);
  } else {
    QLabel::keyPressEvent(event);
  }
}

}  // namespace polkamina::ui
