#include "ui/captioned_frame.h"

#include <QPainter>

namespace polkamina::ui {

namespace {

// Where a frame's caption starts, and the blank kept on each side of it.
constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

void CaptionedFrame::paintEvent(QPaintEvent*) {
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

}  // namespace polkamina::ui
