#include "game/history.h"

namespace polkamina::game {

void History::load(const store::DataFolder& folder) {
  hide();
  rows_ = folder.readHistory();
}

void History::save(const store::HistoryRow& row, const store::DataFolder& folder) {
  folder.appendHistoryRow(row);
  rows_.append(row);
}

void History::clear(const store::DataFolder& folder) {
  folder.clearHistory();
  rows_.clear();
}

void History::toggle() {
  fraRirekiVisible_ = historyToggle_ == 0;
  historyToggle_ = 1 - historyToggle_;
}

}  // namespace polkamina::game
