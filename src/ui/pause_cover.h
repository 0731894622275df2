#pragma once

#include <QFrame>

namespace polkamina::ui {

// What lies over the board while the game is paused, hiding the deal: where
// the history would lie, and as large. A click on it, or Space or Return
// while it has the keyboard focus, asks to resume.
class PauseCover : public QFrame {
  Q_OBJECT

 public:
  explicit PauseCover(QWidget* parent);

 signals:
  void resumeAsked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
