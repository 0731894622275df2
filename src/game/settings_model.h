#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/seams.h"
#include "game/shared_values.h"
#include "store/data_folder.h"
#include "store/records.h"

namespace polkamina::game {

// Cells of the settings window's icon catalogue, and record rows (a turn row
// and a time row per level).
constexpr int kCatalogueCells = 20;
constexpr int kCatalogueColumns = 5;
constexpr std::size_t kRecordRows = 2 * store::kLevelCount;

// One cell of the catalogue: the picture imgKoma(k) and the name lblKoma(k)
// under it. A cell left without an icon has an empty name and picture.
struct CatalogueCell {
  std::string name;               // the icon name, the label's caption
  std::filesystem::path picture;  // the icon file the picture is loaded from
  bool nameVisible = false;       // the label shows the name
};

// The settings window frmSub: the best records of every level, the icon
// catalogue with names on request, and the choice of the two delays. The
// window renders this state and forwards its events to the handlers below.
// The delay handlers may throw store::FileError.
class SettingsModel {
 public:
  SettingsModel(SharedValues& shared, const store::DataFolder& folder, Random& random, Host& host);

  // Reads the records, lists and shuffles the icons and fills the delay lists.
  // The window's placement is the window's own business.
  void Form_Load();

  // The player chose entry entryIndex (0-based) of the delay list.
  void cboHide_Click(int entryIndex);
  void cboDel_Click(int entryIndex);

  void cmdShow_Click();
  void cmdHide_Click();
  void imgKoma_Click(std::int16_t index);  // cell 1..20

  // Cell 1..20.
  const CatalogueCell& cell(int index) const { return cells_.at(index - 1); }

  // ---- What the window shows ----
  // Row 2L the best turns and row 2L+1 the best time of level L.
  const std::array<std::string, kRecordRows>& lblKiroku() const { return lblKiroku_; }
  // The entries of both delay lists.
  const std::vector<std::string>& delayList() const { return delayList_; }
  // The edit fields of the hide and erase delay lists.
  const std::string& cboHideText() const { return cboHideText_; }
  const std::string& cboDelText() const { return cboDelText_; }

 private:
  void showRecords();
  void readNames();
  void shuffleNames();
  void fillCells();
  void fillDelayLists();
  // Stores the chosen entry in delay, saves both delays and confirms the
  // choice; an index outside the list does nothing.
  void chooseDelay(int entryIndex, float& delay, std::string& shownText, const char* message);

  SharedValues& shared_;
  const store::DataFolder& folder_;
  Random& random_;
  Host& host_;

  std::array<CatalogueCell, kCatalogueCells> cells_{};
  std::array<std::string, kRecordRows> lblKiroku_;
  std::vector<std::string> delayList_;
  std::string cboHideText_;
  std::string cboDelText_;
  std::vector<std::string> lstInp_;   // icon names still to be drawn
  std::vector<std::string> lstKoma_;  // icon names in catalogue order
};

}  // namespace polkamina::game
