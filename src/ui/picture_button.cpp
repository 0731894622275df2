#include "ui/picture_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/focus_visibility.h"
#include "ui/system/art.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

// How far inside a button its focus frame runs.
constexpr int kFocusInset = 3;

// A tool button that Return presses as well as Space.
class PictureButton : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!pressOnReturn(this, event)) {
      QToolButton::keyPressEvent(event);
    }
  }

  void paintEvent(QPaintEvent* event) override {
    QToolButton::paintEvent(event);
    paintFocus(this);
  }
};

}  // namespace

QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, const QString& toolTip, const QString& icon,
                           const QFont& font) {
  auto* button = placed(new PictureButton(parent), name, geometry);
  button->setText(caption);
  button->setToolTip(toolTip);
  button->setIcon(system::artIcon(icon));
  button->setIconSize(QSize(kIconSide, kIconSide));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setFont(font);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

bool pressOnReturn(QAbstractButton* button, const QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    return false;
  }
  if (!event->isAutoRepeat()) {
    button->click();
  }
  return true;
}

void paintFocus(QAbstractButton* button) {
  if (!button->hasFocus() || !focusIsShown(button)) {
    return;
  }
  QPainter painter(button);
  drawFocusFrame(painter,
                 button->rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset),
                 button->palette().color(QPalette::Button));
}

}  // namespace polkamina::ui
