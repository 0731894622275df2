#include "ui/record_panel.h"

#include <QLabel>

#include "ui/design.h"
#include "ui/system/fonts.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using system::twipsRect;

QLabel* display(QWidget* parent, const QString& name, const QRect& geometry) {
  return boxedLabel(parent, name, geometry, design::kPeach,
                    system::designFont(system::kPGothic, design::kDisplayPoints));
}

// The display shows count; a screen reader hears what it counts first.
void showCount(QLabel* display, const QString& whatItCounts, const QString& count) {
  display->setText(count);
  setAccessibleNameIfChanged(display, whatItCounts + " " + count);
}

}  // namespace

RecordPanel::RecordPanel(QWidget* parent) : CaptionedFrame(parent) {
  setObjectName("frmKiroku");
  setGeometry(twipsRect(3075, 225, 5910, 810));
  setFont(system::designFont(system::kGothic, design::kWindowPoints));
  lblTrun_ = display(this, "lblTrun", twipsRect(150, 225, 975, 465));
  lblZan_ = display(this, "lblZan", twipsRect(1200, 225, 975, 465));
  lblKiroku_ = display(this, "lblKiroku", twipsRect(2250, 225, 1485, 465));
  lblByou_ = display(this, "lblByou", twipsRect(3825, 225, 1935, 465));
}

void RecordPanel::showCounters(const QString& turns, const QString& piecesLeft) {
  showCount(lblTrun_, tr("ターン数"), turns);
  showCount(lblZan_, tr("コマ残り"), piecesLeft);
}

void RecordPanel::showClock(const QString& time) { showCount(lblByou_, tr("時間"), time); }

void RecordPanel::showRecords(const QString& caption, const QString& levelName,
                              const QString& bestTurns) {
  setTitle(caption);
  showCount(lblKiroku_, tr("%1最短記録").arg(levelName), bestTurns);
}

}  // namespace polkamina::ui
