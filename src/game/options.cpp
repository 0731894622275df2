#include "game/options.h"

namespace polkamina::game {

namespace {

// A check box shows 1 only for 1; every other value leaves it unticked.
int checkBoxValue(int value) { return value == 1 ? 1 : 0; }

}  // namespace

std::vector<std::string> GameOptions::cboMondaiItems() const {
  std::vector<std::string> items;
  for (const levels::LevelInfo& info : levels::kLevelTable) items.push_back(info.name);
  return items;
}

std::optional<levels::Level> GameOptions::level() const {
  return levels::levelFromName(cboMondaiText_);
}

void GameOptions::restore(const store::Options& stored) {
  nameDisplayValue_ = stored.nameDisplay;
  autoSaveValue_ = stored.autoSave;
}

bool GameOptions::select(const std::string& levelName) {
  if (!levels::levelFromName(levelName)) return false;
  cboMondaiText_ = levelName;
  changes_.add(ViewChanges::LevelList);
  return true;
}

void GameOptions::enableLevelList(bool enabled) {
  if (enabled == cboMondaiEnabled_) return;
  cboMondaiEnabled_ = enabled;
  changes_.add(ViewChanges::LevelList);
}

bool GameOptions::setBox(int& box, int value) {
  const int boxValue = checkBoxValue(value);
  if (boxValue == box) return false;
  box = boxValue;
  changes_.add(ViewChanges::Switches);
  return true;
}

bool GameOptions::setNameDisplayBox(int value) { return setBox(chkNamae_, value); }

bool GameOptions::setAutoSaveBox(int value) { return setBox(chkAs_, value); }

void GameOptions::save(const store::DataFolder& folder) const {
  folder.saveOptions(store::Options{cboMondaiText_, nameDisplayValue_, autoSaveValue_});
}

}  // namespace polkamina::game
