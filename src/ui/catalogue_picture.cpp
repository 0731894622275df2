#include "ui/catalogue_picture.h"

#include <QMouseEvent>

namespace polkamina::ui {

void CataloguePicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace polkamina::ui
