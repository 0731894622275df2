#include "ui/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/system/art.h"
#include "ui/system/colours.h"

namespace polkamina::ui {

namespace {

// Where a frame's caption starts, and the blank kept on each side of it.
constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;
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

// A group box drawn as a classic etched frame whose line passes through the
// middle of the caption; the style's own group box puts its line below the
// caption, over controls placed in the caption's height.
class CaptionedFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    const QRect line(0, lineTop, width() - 2, height() - lineTop - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.translated(1, 1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(line);
    if (title().isEmpty()) {
      return;
    }
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
  }
};

// Follows the window's last input: a key shows the keyboard focus, a mouse
// press hides it.
class FocusVisibility : public QObject {
 public:
  explicit FocusVisibility(QWidget* window) : QObject(window), window_(window) {
    QApplication::instance()->installEventFilter(this);
  }

  void show(bool shown) {
    if (window_->testAttribute(Qt::WA_KeyboardFocusChange) == shown) {
      return;
    }
    window_->setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget* focused = window_->focusWidget()) {
      focused->update();
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool key = event->type() == QEvent::KeyPress;
    if ((key || event->type() == QEvent::MouseButtonPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      show(key);
    }
    return false;
  }

 private:
  QWidget* window_;
};

// An icon-name label; its accessible interface is IconNameAccessible.
class IconNameLabel : public QLabel {
 public:
  using QLabel::QLabel;

  void setVisible(bool visible) override {
    const bool changed = visible != isVisibleTo(parentWidget());
    QLabel::setVisible(visible);
    if (changed) {
      // The name read out appears or goes with the label.
      QAccessibleEvent event(this, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&event);
    }
  }
};

class IconNameAccessible : public QAccessibleWidget {
 public:
  explicit IconNameAccessible(IconNameLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    if (!label->isVisibleTo(label->window())) {
      return QString();
    }
    return kind == QAccessible::Name ? label->text() : QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* iconNameAccessible(const QString&, QObject* object) {
  auto* label = dynamic_cast<IconNameLabel*>(object);
  return label != nullptr ? new IconNameAccessible(label) : nullptr;
}

}  // namespace

void fillBackground(QWidget* widget, const QColor& color) {
  widget->setPalette(system::onDesignBackground(widget->palette(), color));
  widget->setAutoFillBackground(true);
}

QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font) {
  auto* label = placed(new QLabel(parent), name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setFont(font);
  fillBackground(label, background);
  return label;
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

void showFocusWhileTheKeyboardIsUsed(QWidget* window) { (new FocusVisibility(window))->show(true); }

void paintFocus(QAbstractButton* button) {
  if (!button->hasFocus()) {
    return;
  }
  QStylePainter painter(button);
  QStyleOptionFocusRect option;
  option.initFrom(button);
  option.rect = button->rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
  option.backgroundColor = button->palette().color(QPalette::Button);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

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

QGroupBox* captionedFrame(QWidget* parent, const QString& name, const QRect& geometry,
                          const QFont& font) {
  auto* frame = placed(new CaptionedFrame(parent), name, geometry);
  frame->setFont(font);
  return frame;
}

QLabel* iconNameLabel(QWidget* parent, const QString& name, const QRect& geometry,
                      const QFont& font) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(iconNameAccessible);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  auto* label = placed(new IconNameLabel(parent), name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  return label;
}

QString cellPlace(int index, int columns) {
  return QString("%1行%2列").arg(index / columns + 1).arg(index % columns + 1);
}

void setAccessibleNameIfChanged(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) {
    widget->setAccessibleName(name);
  }
}

}  // namespace polkamina::ui
