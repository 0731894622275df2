#include "ui/progress_chart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace polkamina::ui {

namespace {

constexpr int kMargin = 6;
constexpr int kMarkRadius = 5;

// The vertical place of value between low and high within plot.
double yOf(const QRect& plot, std::int32_t value, std::int32_t low, std::int32_t high) {
  const double span = std::max(1, high - low);
  return plot.bottom() - (value - low) * (plot.height() - 1) / span;
}

// The horizontal place of game (0-based) of count within plot.
double xOf(const QRect& plot, std::size_t game, std::size_t count) {
  if (count < 2) return plot.center().x();
  return plot.left() +
         static_cast<double>(game) * (plot.width() - 1) / static_cast<double>(count - 1);
}

}  // namespace

ProgressChart::ProgressChart(QWidget* parent, const QString& title, ValueText valueText)
    : QWidget(parent), title_(title), valueText_(std::move(valueText)) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(title);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void ProgressChart::showSeries(const std::vector<std::int32_t>* series,
                               const game::Figures& figures) {
  series_ = series;
  figures_ = figures;
  update();
}

QSize ProgressChart::sizeHint() const {
  const int line = fontMetrics().height();
  return {40 * line, 12 * line};
}

QSize ProgressChart::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {20 * line, 8 * line};
}

QRect ProgressChart::plotArea() const {
  const QFontMetrics metrics = fontMetrics();
  const int labelWidth = metrics.horizontalAdvance(valueText_(99999)) + kMargin;
  const int line = metrics.height();
  return rect().adjusted(kMargin + labelWidth, kMargin + line + kMargin, -kMargin - kMarkRadius,
                         -kMargin - line);
}

void ProgressChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                   Qt::AlignLeft | Qt::AlignTop, title_);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
  const QRect plot = plotArea();
  if (series_ == nullptr || series_->empty() || plot.width() < 2 || plot.height() < 2) {
    painter.drawText(rect(), Qt::AlignCenter,
                     QCoreApplication::translate("Progress", "まだゲームがありません"));
    return;
  }
  const auto [lowest, highest] = std::minmax_element(series_->begin(), series_->end());
  drawAxes(painter, plot, *lowest, *highest);
  drawSeries(painter, plot, *lowest, *highest);
  drawBest(painter, plot, *lowest, *highest);
}

void ProgressChart::drawAxes(QPainter& painter, const QRect& plot, std::int32_t low,
                             std::int32_t high) const {
  painter.setPen(palette().color(QPalette::Text));
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  const int labelRight = plot.left() - kMargin;
  const QFontMetrics metrics = fontMetrics();
  const auto label = [&](std::int32_t value) {
    const int y = static_cast<int>(yOf(plot, value, low, high));
    painter.drawText(QRect(0, y - metrics.height() / 2, labelRight, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, valueText_(value));
  };
  label(high);
  if (high != low) label(low);
  const int below = plot.bottom() + 2;
  painter.drawText(QRect(plot.left(), below, plot.width(), metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop, "1");
  painter.drawText(QRect(plot.left(), below, plot.width(), metrics.height()),
                   Qt::AlignRight | Qt::AlignTop,
                   QCoreApplication::translate("Progress", "%1 回目").arg(series_->size()));
}

// One line through the results while each has a column of its own; beyond
// that, each pixel column draws the span of the results that fall in it, so
// that a million games draw as fast as a thousand.
void ProgressChart::drawSeries(QPainter& painter, const QRect& plot, std::int32_t low,
                               std::int32_t high) const {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
  const std::vector<std::int32_t>& series = *series_;
  const std::size_t count = series.size();
  const std::size_t columns = static_cast<std::size_t>(plot.width());
  if (count <= columns) {
    QPainterPath path;
    path.moveTo(xOf(plot, 0, count), yOf(plot, series[0], low, high));
    for (std::size_t game = 1; game < count; ++game) {
      path.lineTo(xOf(plot, game, count), yOf(plot, series[game], low, high));
    }
    painter.drawPath(path);
    if (count == 1)
      painter.drawPoint(QPointF(xOf(plot, 0, count), yOf(plot, series[0], low, high)));
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (std::size_t column = 0; column < columns; ++column) {
    const std::size_t first = column * count / columns;
    const std::size_t last = (column + 1) * count / columns;
    const auto [lowest, highest] =
        std::minmax_element(series.begin() + static_cast<std::ptrdiff_t>(first),
                            series.begin() + static_cast<std::ptrdiff_t>(last));
    const int x = plot.left() + static_cast<int>(column);
    painter.drawLine(x, static_cast<int>(yOf(plot, *lowest, low, high)), x,
                     static_cast<int>(yOf(plot, *highest, low, high)));
  }
}

// The best result: a ring on its first game, with its value beside it.
void ProgressChart::drawBest(QPainter& painter, const QRect& plot, std::int32_t low,
                             std::int32_t high) const {
  const QPointF centre(xOf(plot, figures_.bestGame, series_->size()),
                       yOf(plot, figures_.best, low, high));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::Text), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, kMarkRadius, kMarkRadius);
  const QString text =
      QCoreApplication::translate("Progress", "ベスト %1").arg(valueText_(figures_.best));
  const QFontMetrics metrics = fontMetrics();
  const int width = metrics.horizontalAdvance(text);
  // Beside the ring, turned inward near the right edge.
  int left = static_cast<int>(centre.x()) + kMarkRadius + 2;
  if (left + width > plot.right()) left = static_cast<int>(centre.x()) - kMarkRadius - 2 - width;
  const int top = std::max(0, static_cast<int>(centre.y()) - kMarkRadius - metrics.height());
  painter.drawText(QRect(left, top, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
}

}  // namespace polkamina::ui
