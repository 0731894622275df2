#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

class QPainter;

namespace polkamina::ui {

class InputWatcher;

// Draws the keyboard focus in the window from now on, and afterwards while the
// keyboard is in use: a press of the mouse hides it until the next key. Once
// per window, with the window's input watcher.
void showFocusWhileTheKeyboardIsUsed(QWidget* window, InputWatcher* input);

// Whether the window draws the keyboard focus now.
bool focusIsShown(const QWidget* control);

// The focus frame: a solid line two pixels wide just inside rect, black or
// white, whichever stands out more against the background (at least 4.5:1).
void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& background);

// Draws the style's focus frames of the control as drawFocusFrame does: the
// style's own, a pale tint, hardly stands out.
void useClearFocusFrame(QWidget* control);

// A frame around a picture that holds the keyboard focus, drawn on what lies
// around the picture rather than over the picture. It follows the focus of
// the pictures it is asked to frame.
class FocusRing : public QWidget {
 public:
  explicit FocusRing(QWidget* parent);

  // Frames picture (a child of the ring's parent) while it holds the focus.
  void watch(QWidget* picture);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* framed_ = nullptr;
};

}  // namespace polkamina::ui
