#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace polkamina::ui {

// A picture with the square that will become the icon drawn over it: the
// player moves the square by dragging it or with the arrow keys (Shift for
// larger steps); the rest of the picture is shaded.
class SquarePicker : public QWidget {
  Q_OBJECT

 public:
  SquarePicker(const QImage& picture, QWidget* parent);

  // The chosen square, in the picture's pixels.
  QRect square() const { return square_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Where the picture is drawn, scaled to fit the widget keeping its shape.
  QRect pictureArea() const;
  qreal scale() const;
  void moveSquare(const QPoint& offset);
  void describePlace();

  QImage picture_;
  QRect square_;
  bool dragging_ = false;
  QPoint dragStart_;    // in widget pixels
  QRect squareAtDrag_;  // the square when the drag began
};

}  // namespace polkamina::ui
