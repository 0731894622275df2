#include "ui/piece_button.h"

#include <QKeyEvent>
#include <optional>

#include "ui/picture_button.h"

namespace polkamina::ui {

std::optional<BoardDirection> boardDirectionOfKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      return BoardDirection::Left;
    case Qt::Key_Right:
      return BoardDirection::Right;
    case Qt::Key_Up:
      return BoardDirection::Up;
    case Qt::Key_Down:
      return BoardDirection::Down;
    case Qt::Key_Home:
      return BoardDirection::First;
    case Qt::Key_End:
      return BoardDirection::Last;
    default:
      return std::nullopt;
  }
}

void PieceButton::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<BoardDirection> direction = boardDirectionOfKey(event->key())) {
    emit boardKeyPressed(*direction);
  } else if (!pressOnReturn(this, event)) {
    QPushButton::keyPressEvent(event);
  }
}

void PieceButton::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  emit focused();
}

void PieceButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  paintFocus(this);
}

}  // namespace polkamina::ui
