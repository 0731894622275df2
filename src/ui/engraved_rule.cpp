#include "ui/engraved_rule.h"

#include <QPainter>

namespace polkamina::ui {

EngravedRule::EngravedRule(QWidget* parent, const QRect& geometry) : QWidget(parent) {
  setObjectName("Line1");
  setGeometry(geometry);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EngravedRule::paintEvent(QPaintEvent*) {
  // Drawn in the window's device pixels: two lines one logical pixel high
  // would each cover one and a half at 150 %.
  const qreal ratio = devicePixelRatioF();
  const int left = qRound(x() * ratio);
  const int right = qRound((x() + width()) * ratio);
  const int blackRow = qRound(y() * ratio);
  QPainter painter(this);
  painter.setWorldTransform(
      QTransform::fromScale(1 / ratio, 1 / ratio).translate(-x() * ratio, -y() * ratio));
  painter.fillRect(QRect(left, blackRow, right - left, 1), Qt::black);
  painter.fillRect(QRect(left, blackRow + 1, right - left, 1), Qt::white);
}

}  // namespace polkamina::ui
