#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace polkamina::ui {

// Sees the mouse and key presses that reach a window's widgets before they
// do, widgets made later included, and tells of them. A press that a widget
// passes on to its parent is told again for the parent.
class InputWatcher : public QObject {
  Q_OBJECT

 public:
  explicit InputWatcher(QWidget* window);

 signals:
  // A mouse button went down on receiver, at position in receiver's coordinates.
  void mousePressed(QWidget* receiver, QPoint position);
  void keyPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Watches object and every widget inside it.
  void watch(QObject* object);

  QWidget* window_;
};

}  // namespace polkamina::ui
