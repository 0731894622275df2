#include "game/options.h"

namespace polkamina::game {

namespace {

// A check box shows 1 only for 1; every other value leaves it unticked.
int checkBoxValue(int value) { return value == 1 ? 1 : 0; }

// Sets box to the box form of value; false when it showed that already.
bool setBox(int& box, int value) {
  const int boxValue = checkBoxValue(value);
  if (boxValue == box) return false;
  box = boxValue;
  return true;
}

}  // namespace

std::vector<std::string> GameOptions::cboMondaiItems() const {
  std::vector<std::string> items;
  for (const levels::LevelInfo& info : levels::levelTable()) items.push_back(info.name);
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
  return true;
}

bool GameOptions::setNameDisplayBox(int value) { return setBox(chkNamae_, value); }

bool GameOptions::setAutoSaveBox(int value) { return setBox(chkAs_, value); }

void GameOptions::save(const store::DataFolder& folder) const {
  folder.saveOptions(store::Options{cboMondaiText_, nameDisplayValue_, autoSaveValue_});
}

}  // namespace polkamina::game
