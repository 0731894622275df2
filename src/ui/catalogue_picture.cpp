#include "ui/catalogue_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/piece_button.h"

namespace polkamina::ui {

void CataloguePicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void CataloguePicture::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) emit clicked();
  } else if (const std::optional<BoardDirection> direction = boardDirectionOfKey(key)) {
    emit boardKeyPressed(*direction);
  } else {
    QLabel::keyPressEvent(event);
  }
}

void CataloguePicture::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  emit focused();
}

int catalogueCellInDirection(int cell, BoardDirection direction, int cells, int columns) {
  switch (direction) {
    case BoardDirection::Left:
      return (cell + cells - 1) % cells;
    case BoardDirection::Right:
      return (cell + 1) % cells;
    case BoardDirection::Up:
      return (cell + cells - columns) % cells;
    case BoardDirection::Down:
      return (cell + columns) % cells;
    case BoardDirection::First:
      return 0;
    case BoardDirection::Last:
      return cells - 1;
  }
  return cell;
}

}  // namespace polkamina::ui
