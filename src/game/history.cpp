#include "game/history.h"

namespace polkamina::game {

void History::load(const store::DataFolder& folder) {
  hide();
  rows_ = folder.readHistory();
  changes_.add(ViewChanges::HistoryRows);
}

void History::save(const store::HistoryRow& row, const store::DataFolder& folder) {
  folder.appendHistoryRow(row);
  rows_.append(row);
  changes_.add(ViewChanges::HistoryRows);
}

void History::clear(const store::DataFolder& folder) {
  folder.clearHistory();
  rows_.clear();
  changes_.add(ViewChanges::HistoryRows);
}

void History::toggle() {
  setFrameVisible(historyToggle_ == 0);
  historyToggle_ = 1 - historyToggle_;
}

void History::setFrameVisible(bool visible) {
  if (visible == fraRirekiVisible_) return;
  fraRirekiVisible_ = visible;
  changes_.add(ViewChanges::HistoryFrame);
}

}  // namespace polkamina::game
