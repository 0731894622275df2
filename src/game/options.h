#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/view_changes.h"
#include "levels/level.h"
#include "store/data_folder.h"

namespace polkamina::game {

// The level list cboMondai and the two switches, the name display chkNamae
// and the history auto-save chkAs, with the values the options file keeps.
// What the boxes show is noted in changes when it changes.
class GameOptions {
 public:
  explicit GameOptions(ViewChanges& changes) : changes_(changes) {}

  const std::string& cboMondaiText() const { return cboMondaiText_; }
  bool cboMondaiEnabled() const { return cboMondaiEnabled_; }
  // The level list's entries: the level names in their fixed order.
  std::vector<std::string> cboMondaiItems() const;
  // The level of the list's selection; nothing before start-up chose one.
  std::optional<levels::Level> level() const;
  int chkNamae() const { return chkNamae_; }
  int chkAs() const { return chkAs_; }
  std::int16_t autoSaveValue() const { return autoSaveValue_; }

  // Start-up: the values as the options file holds them, before the boxes show them.
  void restore(const store::Options& stored);

  // The list shows one of its entries; false for any other text.
  bool select(const std::string& levelName);
  void enableLevelList(bool enabled);
  // A box's new value, 0 or 1 (anything but 1 leaves it unticked); false when
  // the box already showed it, so that nothing changed.
  bool setNameDisplayBox(int value);
  bool setAutoSaveBox(int value);
  // The options file's values follow the boxes.
  void takeNameDisplayFromBox() { nameDisplayValue_ = static_cast<std::int16_t>(chkNamae_); }
  void takeAutoSaveFromBox() { autoSaveValue_ = static_cast<std::int16_t>(chkAs_); }

  // Writes the selected level and both values to the options file.
  void save(const store::DataFolder& folder) const;

 private:
  // Sets box to the box form of value; false when it showed that already.
  bool setBox(int& box, int value);

  ViewChanges& changes_;
  std::string cboMondaiText_;          // the level list's selection
  bool cboMondaiEnabled_ = true;       // the list takes a choice; not during a game
  int chkNamae_ = 0;                   // name display box, 0 or 1
  int chkAs_ = 0;                      // auto-save box, 0 or 1
  std::int16_t nameDisplayValue_ = 0;  // as stored: 1 shows the names of turned pieces
  std::int16_t autoSaveValue_ = 0;     // as stored: 1 saves each finished game by itself
};

}  // namespace polkamina::game
