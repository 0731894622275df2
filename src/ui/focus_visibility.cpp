#include "ui/focus_visibility.h"

#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

#include "ui/input_watcher.h"

namespace polkamina::ui {

namespace {

constexpr int kFrameWidth = 2;
// How far the ring lies outside the picture it frames.
constexpr int kRingMargin = 2 + kFrameWidth;

void showFocus(QWidget* window, bool shown) {
  if (window->testAttribute(Qt::WA_KeyboardFocusChange) == shown) {
    return;
  }
  window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
  // Focus frames may lie beside the control that has the focus.
  window->update();
}

// The relative luminance of a colour, from 0 (black) to 1 (white).
double luminance(const QColor& colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

class ClearFocusStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_FrameFocusRect) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    if (option->state & State_KeyboardFocusChange) {
      drawFocusFrame(*painter, option->rect, option->palette.color(QPalette::Window));
    }
  }
};

}  // namespace

void showFocusWhileTheKeyboardIsUsed(QWidget* window, InputWatcher* input) {
  QObject::connect(input, &InputWatcher::keyPressed, window, [window] { showFocus(window, true); });
  QObject::connect(input, &InputWatcher::mousePressed, window,
                   [window] { showFocus(window, false); });
  showFocus(window, true);
}

bool focusIsShown(const QWidget* control) {
  return control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusFrame(QPainter& painter, const QRect& rect, const QColor& background) {
  // Black on a background lighter than this stands out at least 4.58:1, white
  // on a darker one as much.
  const QColor colour = luminance(background) > 0.18 ? Qt::black : Qt::white;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(colour, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0,
                                         -kFrameWidth / 2.0));
  painter.restore();
}

void useClearFocusFrame(QWidget* control) {
  auto* style = new ClearFocusStyle(control->style()->name());
  style->setParent(control);
  control->setStyle(style);
}

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FocusRing::watch(QWidget* picture) { picture->installEventFilter(this); }

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  auto* picture = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::FocusIn) {
    framed_ = picture;
    setGeometry(picture->geometry().adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin));
    raise();
    show();
    update();
  } else if ((event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) &&
             picture == framed_) {
    framed_ = nullptr;
    hide();
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent*) {
  if (framed_ == nullptr || !focusIsShown(this)) return;
  QPainter painter(this);
  drawFocusFrame(painter, rect(),
                 parentWidget()->palette().color(parentWidget()->backgroundRole()));
}

}  // namespace polkamina::ui
