#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/progress.h"

namespace polkamina::ui {

// A chart of one series of results over the games in order, drawn with
// QPainter in the palette's colours: the results as a line (as the highest
// and lowest of each pixel column once there are more games than columns),
// the best result marked. It takes the keyboard focus so that a screen
// reader reads its summary, which its owner gives as its description.
class ProgressChart : public QWidget {
  Q_OBJECT

 public:
  // A result as the chart writes it on its axis, "24" or "01分23秒".
  using ValueText = std::function<QString(std::int32_t)>;

  ProgressChart(QWidget* parent, const QString& title, ValueText valueText);

  // The series (kept by the owner until the next call) and its figures.
  void showSeries(const std::vector<std::int32_t>* series, const game::Figures& figures);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the results are drawn, inside the axes' labels.
  QRect plotArea() const;
  void drawAxes(QPainter& painter, const QRect& plot, std::int32_t low, std::int32_t high) const;
  void drawSeries(QPainter& painter, const QRect& plot, std::int32_t low, std::int32_t high) const;
  void drawBest(QPainter& painter, const QRect& plot, std::int32_t low, std::int32_t high) const;

  QString title_;
  ValueText valueText_;
  const std::vector<std::int32_t>* series_ = nullptr;
  game::Figures figures_;
};

}  // namespace polkamina::ui
