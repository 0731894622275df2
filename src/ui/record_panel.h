#pragma once

#include <QCoreApplication>
#include <QString>

#include "ui/captioned_frame.h"

class QLabel;

namespace polkamina::ui {

// The record frame frmKiroku: four displays side by side, lblTrun (turns
// taken), lblZan (pieces left), lblKiroku (the level's best turns) and lblByou
// (the clock, or the level's best time), under a caption that names them.
// A screen reader hears each display as what it counts, then the count.
class RecordPanel : public CaptionedFrame {
  Q_DECLARE_TR_FUNCTIONS(RecordPanel)

 public:
  explicit RecordPanel(QWidget* parent);

  void showCounters(const QString& turns, const QString& piecesLeft);
  void showClock(const QString& time);
  // The level's caption and best turn count; levelName names the count.
  void showRecords(const QString& caption, const QString& levelName, const QString& bestTurns);

 private:
  QLabel* lblTrun_ = nullptr;
  QLabel* lblZan_ = nullptr;
  QLabel* lblKiroku_ = nullptr;
  QLabel* lblByou_ = nullptr;
};

}  // namespace polkamina::ui
