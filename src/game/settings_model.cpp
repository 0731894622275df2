#include "game/settings_model.h"

#include <algorithm>
#include <charconv>

#include "game/clock_text.h"
#include "icons/icon_set.h"
#include "levels/record_display.h"
#include "store/line_writer.h"
#include "store/translation.h"

namespace polkamina::game {

namespace {

// The messages of a new delay, with %1 for the seconds.
const char* const kHideMessage =
    store::untranslated("Settings", "コマが隠れるまでの時間を%1秒に設定しました");
const char* const kEraseMessage =
    store::untranslated("Settings", "コマが消えるまでの時間を%1秒に設定しました");

// Appends from, from + step, ... up to and including to, counting in single
// precision as the list has always been built; both runs reach their end
// value exactly.
void appendDelayRun(std::vector<std::string>& list, float from, float to, float step) {
  for (float value = from; value <= to; value += step) {
    list.push_back(store::shortestDecimal(value));
  }
}

// A list entry as a number. The entries are written by shortestDecimal, so
// they read back whatever the process's locale.
float entryValue(const std::string& text) {
  float value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

SettingsModel::SettingsModel(SharedValues& shared, const store::DataFolder& folder, Random& random,
                             Host& host)
    : shared_(shared), folder_(folder), random_(random), host_(host) {}

void SettingsModel::Form_Load() {
  showRecords();
  for (CatalogueCell& cell : cells_) {
    cell.nameVisible = false;
  }
  readNames();
  shuffleNames();
  fillCells();
  fillDelayLists();
}

void SettingsModel::showRecords() {
  for (std::size_t level = 0; level < shared_.best.size(); ++level) {
    lblKiroku_[2 * level] = levels::bestTurnsDisplayWithUnit(shared_.best[level]);
    lblKiroku_[2 * level + 1] = shownClockText(levels::bestTimeDisplay(shared_.best[level]));
  }
}

// The folder may have changed since start-up checked it: fewer files leave
// cells empty, more are cut off after the first twenty.
void SettingsModel::readNames() {
  const std::vector<std::string> File1 = icons::listIconFiles(folder_.path());
  lstInp_.clear();
  const std::size_t count = std::min<std::size_t>(File1.size(), kCatalogueCells);
  for (std::size_t i = 0; i < count; ++i) {
    lstInp_.push_back(icons::iconName(File1[i]));
  }
}

void SettingsModel::shuffleNames() {
  lstKoma_.clear();
  random_.reseed();
  while (!lstInp_.empty()) {
    lstKoma_.push_back(takeRandomEntry(random_, lstInp_));
  }
}

void SettingsModel::fillCells() {
  for (std::size_t k = 0; k < cells_.size(); ++k) {
    CatalogueCell& cell = cells_[k];
    if (k < lstKoma_.size()) {
      cell.name = lstKoma_[k];
      cell.picture = icons::iconPicturePath(folder_.path(), cell.name);
    } else {
      cell.name.clear();
      cell.picture.clear();
    }
  }
}

void SettingsModel::fillDelayLists() {
  delayList_.clear();
  appendDelayRun(delayList_, 0.1f, 0.5f, 0.1f);
  appendDelayRun(delayList_, 0.5f, 5.0f, 0.5f);
  cboHideText_ = store::shortestDecimal(shared_.HideDelay);
  cboDelText_ = store::shortestDecimal(shared_.EraseDelay);
}

void SettingsModel::cboHide_Click(int entryIndex) {
  chooseDelay(entryIndex, shared_.HideDelay, cboHideText_, kHideMessage);
}

void SettingsModel::cboDel_Click(int entryIndex) {
  chooseDelay(entryIndex, shared_.EraseDelay, cboDelText_, kEraseMessage);
}

void SettingsModel::chooseDelay(int entryIndex, float& delay, std::string& shownText,
                                const char* message) {
  if (entryIndex < 0 || entryIndex >= static_cast<int>(delayList_.size())) {
    return;
  }
  shownText = delayList_[static_cast<std::size_t>(entryIndex)];
  delay = entryValue(shownText);
  folder_.saveDelays({shared_.HideDelay, shared_.EraseDelay});
  host_.messageBox(
      store::filled(store::translated("Settings", message), {store::shortestDecimal(delay)}),
      store::translated("Settings", "設定更新"), MessageIcon::Information, MessageButtons::Ok);
}

void SettingsModel::cmdShow_Click() {
  for (CatalogueCell& cell : cells_) {
    cell.nameVisible = true;
  }
}

void SettingsModel::cmdHide_Click() {
  for (CatalogueCell& cell : cells_) {
    cell.nameVisible = false;
  }
}

void SettingsModel::imgKoma_Click(std::int16_t index) {
  if (index >= 1 && index <= kCatalogueCells) {
    cells_[static_cast<std::size_t>(index - 1)].nameVisible = true;
  }
}

}  // namespace polkamina::game
