#include "ui/progress_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "game/clock_text.h"
#include "levels/level.h"
#include "ui/progress_chart.h"
#include "ui/shown_text.h"
#include "ui/system/art.h"
#include "ui/system/window_owner.h"

namespace polkamina::ui {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("Progress", "成績");

QString shown(const char* text) { return QCoreApplication::translate("Progress", text); }

QString turnsText(double turns) {
  const bool whole = turns == std::floor(turns);
  return QCoreApplication::translate("Progress", "%1 ターン")
      .arg(QString::number(turns, 'f', whole ? 0 : 1));
}

QString timeText(double seconds) {
  return shownClock(game::clockText(static_cast<std::int32_t>(std::lround(seconds))));
}

QString recentLabel() {
  return QCoreApplication::translate("Progress", "最近%1回の平均").arg(game::kRecentGames);
}

// What a screen reader hears of a chart: its figures in one sentence each.
QString summary(const game::Figures& figures, const std::function<QString(double)>& valueText) {
  if (figures.games == 0)
    return QCoreApplication::translate("Progress", "まだゲームがありません。");
  return QCoreApplication::translate("Progress",
                                     "全 %1 回。ベスト %2（%3 回目）。中央値 %4。%5 %6。")
      .arg(figures.games)
      .arg(valueText(figures.best))
      .arg(figures.bestGame + 1)
      .arg(valueText(figures.median))
      .arg(recentLabel())
      .arg(valueText(figures.recent));
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner, const store::HistoryRows& rows,
                               std::size_t firstLevel)
    : QDialog(nullptr), rows_(rows) {
  setObjectName("progressWindow");
  setWindowTitle(shown(kCaption));
  setWindowIcon(system::windowIcon());
  setAttribute(Qt::WA_DeleteOnClose);
  system::keepAbove(this, owner);

  levels_ = new QTabWidget(this);
  levels_->setObjectName("progressLevels");
  for (std::size_t level = 0; level < pages_.size(); ++level) {
    levels_->addTab(buildPage(pages_[level]), shownLevelText(levels::kLevelTable[level].name));
  }
  leftOut_ = new QLabel(this);
  leftOut_->setObjectName("progressLeftOut");
  leftOut_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)
      ->setText(QCoreApplication::translate("Progress", "閉じる"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(levels_);
  layout->addWidget(leftOut_);
  layout->addWidget(buttons);
  levels_->setCurrentIndex(static_cast<int>(firstLevel));
  // The keyboard starts on the levels: the arrow keys choose one.
  levels_->tabBar()->setFocus();
  refresh();
}

QWidget* ProgressWindow::buildPage(LevelPage& page) {
  auto* widget = new QWidget;
  auto* figures = new QGridLayout;
  const QStringList rowNames = {QCoreApplication::translate("Progress", "ゲーム数"),
                                QCoreApplication::translate("Progress", "ベスト"),
                                QCoreApplication::translate("Progress", "中央値"), recentLabel()};
  figures->addWidget(new QLabel(QCoreApplication::translate("Progress", "ターン数")), 0, 1);
  figures->addWidget(new QLabel(QCoreApplication::translate("Progress", "クリア時間")), 0, 2);
  for (int row = 0; row < rowNames.size(); ++row) {
    figures->addWidget(new QLabel(rowNames[row]), row + 1, 0);
    for (int column = 0; column < 2; ++column) {
      auto* value = new QLabel;
      value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
      figures->addWidget(value, row + 1, column + 1);
      page.figures[static_cast<std::size_t>(column * rowNames.size() + row)] = value;
    }
  }
  figures->setColumnStretch(3, 1);

  page.turns = new ProgressChart(widget, QCoreApplication::translate("Progress", "ターン数の推移"),
                                 [](std::int32_t turns) { return QString::number(turns); });
  page.times =
      new ProgressChart(widget, QCoreApplication::translate("Progress", "クリア時間の推移"),
                        [](std::int32_t seconds) { return shownClock(game::clockText(seconds)); });
  auto* layout = new QVBoxLayout(widget);
  layout->addLayout(figures);
  layout->addWidget(page.turns, 1);
  layout->addWidget(page.times, 1);
  return widget;
}

void ProgressWindow::refresh() {
  progress_ = game::readProgress(rows_);
  for (std::size_t level = 0; level < pages_.size(); ++level) showLevel(level);
  leftOut_->setVisible(progress_.leftOut > 0);
  leftOut_->setText(
      QCoreApplication::translate(
          "Progress", "履歴のうち %1 行は読めないか、どのレベルでもないため、数に入れていません。")
          .arg(progress_.leftOut));
}

void ProgressWindow::showLevel(std::size_t level) {
  const game::LevelProgress& games = progress_.levels[level];
  const game::Figures turns = game::figuresOf(games.turns);
  const game::Figures times = game::figuresOf(games.seconds);
  LevelPage& page = pages_[level];
  const auto fill = [&page](std::size_t first, const game::Figures& figures,
                            const std::function<QString(double)>& valueText) {
    const bool none = figures.games == 0;
    page.figures[first]->setText(
        QCoreApplication::translate("Progress", "%1 回").arg(figures.games));
    page.figures[first + 1]->setText(none ? "-----" : valueText(figures.best));
    page.figures[first + 2]->setText(none ? "-----" : valueText(figures.median));
    page.figures[first + 3]->setText(none ? "-----" : valueText(figures.recent));
  };
  fill(0, turns, turnsText);
  fill(4, times, timeText);
  page.turns->showSeries(&games.turns, turns);
  page.turns->setAccessibleDescription(summary(turns, turnsText));
  page.times->showSeries(&games.seconds, times);
  page.times->setAccessibleDescription(summary(times, timeText));
}

void ProgressWindow::bringForward() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

}  // namespace polkamina::ui
