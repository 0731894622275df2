#include "ui/square_picker.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/system/picture_import.h"

namespace polkamina::ui {

namespace {

// The largest side the picture is shown at, in logical pixels.
constexpr int kShownSide = 320;
// Arrow-key steps, as parts of the square's side.
constexpr int kStepsPerSide = 20;
constexpr int kLargeStepsPerSide = 4;

}  // namespace

SquarePicker::SquarePicker(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), square_(system::centredSquare(picture.size())) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::SizeAllCursor);
  setAccessibleName(QCoreApplication::translate("Import", "絵から使う正方形"));
  describePlace();
}

// Where the square lies, as parts of the room it has to move in, so that a
// player who cannot see it hears where the keys took it.
void SquarePicker::describePlace() {
  const auto percent = [](int at, int room) { return room > 0 ? at * 100 / room : 0; };
  const int across = percent(square_.left(), picture_.width() - square_.width());
  const int down = percent(square_.top(), picture_.height() - square_.height());
  setAccessibleDescription(
      QCoreApplication::translate("Import",
                                  "正方形は左から %1%、上から %2% のところです。"
                                  "ドラッグするか矢印キーで動かします。Shift で大きく動きます。")
          .arg(across)
          .arg(down));
}

QSize SquarePicker::sizeHint() const {
  return picture_.size().scaled(kShownSide, kShownSide, Qt::KeepAspectRatio).expandedTo({1, 1}) +
         QSize(4, 4);
}

QRect SquarePicker::pictureArea() const {
  const QSize shown = picture_.size().scaled(size() - QSize(4, 4), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

qreal SquarePicker::scale() const {
  return picture_.width() > 0 ? qreal(pictureArea().width()) / picture_.width() : 1.0;
}

void SquarePicker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect area = pictureArea();
  painter.drawImage(area, picture_);
  const QRectF square(area.topLeft() + QPointF(square_.topLeft()) * scale(),
                      QSizeF(square_.size()) * scale());
  QPainterPath outside;
  outside.addRect(area);
  outside.addRect(square);
  painter.fillPath(outside, QColor(0, 0, 0, 140));
  painter.setPen(QPen(Qt::white, 2));
  painter.drawRect(square);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 2, Qt::DashLine));
    painter.drawRect(square.adjusted(-2, -2, 2, 2));
  }
}

void SquarePicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragStart_ = event->position().toPoint();
  squareAtDrag_ = square_;
}

void SquarePicker::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPointF moved = QPointF(event->position().toPoint() - dragStart_) / scale();
  square_ = squareAtDrag_;
  moveSquare(moved.toPoint());
}

void SquarePicker::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void SquarePicker::keyPressEvent(QKeyEvent* event) {
  const int parts = event->modifiers() & Qt::ShiftModifier ? kLargeStepsPerSide : kStepsPerSide;
  const int step = qMax(1, square_.width() / parts);
  switch (event->key()) {
    case Qt::Key_Left:
      return moveSquare({-step, 0});
    case Qt::Key_Right:
      return moveSquare({step, 0});
    case Qt::Key_Up:
      return moveSquare({0, -step});
    case Qt::Key_Down:
      return moveSquare({0, step});
    default:
      QWidget::keyPressEvent(event);
  }
}

void SquarePicker::moveSquare(const QPoint& offset) {
  square_ = system::movedSquare(picture_.size(), square_, offset);
  describePlace();
  update();
}

}  // namespace polkamina::ui
