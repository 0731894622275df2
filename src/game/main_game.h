#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/seams.h"
#include "game/shared_values.h"
#include "store/data_folder.h"

namespace polkamina::game {

constexpr int kPieceCount = 40;
constexpr int kBoardColumns = 8;

// What one cell of the board shows: the back button cmdKoma(i), the face
// picture imgKoma(i) beneath it and the name label lblKoma(i).
struct Piece {
  bool backVisible = true;   // face down while the back is shown
  bool faceVisible = true;   // hidden once the piece is removed
  bool nameVisible = true;   // the label shows the icon name
  bool nameBorder = true;    // the label's design-time border, removed at start-up
  std::string name;          // the label's caption: the icon dealt to the piece
};

// How start-up ended.
enum class StartupResult {
  Ready,  // the main window may be shown
  Exit,   // the icon count was wrong and its message has been shown
};

// The main window's game: the board, the counters, the clock, the level and
// option boxes, the history rows and every text the window shows. The window
// renders this state and forwards its events to the handlers below; it makes
// no decision of its own. Handlers may throw store::FileError.
class MainGame {
 public:
  MainGame(SharedValues& shared, const store::DataFolder& folder, Host& host, Clock& clock,
           Random& random);

  // Start-up, before the window is shown.
  StartupResult Form_Load();

  void cmdStart_Click();
  void cmdKoma_Click(std::int16_t index);  // piece 1..40
  void Timer1_Timer();
  void cmdYame_Click();
  void cmdHozon_Click();
  void cmdClear_Click();
  void fraKiri_DblClick();
  void cboMondai_Click();
  void chkNamae_Click();
  void chkAs_Click();

  // The player's changes to the boxes. Each sets the box and runs its handler
  // as a change of the box would.
  void chooseLevel(const std::string& levelName);
  void setNameDisplayBox(int value);
  void setAutoSaveBox(int value);

  // Piece 1..40.
  const Piece& piece(int index) const { return pieces_.at(index - 1); }

  // ---- Board state ----
  bool Playing = false;        // a game is running: from the end of a deal to the last pair
  bool FirstOpen = false;      // the first piece of a turn is face up, waiting for its partner
  std::string FirstName;       // icon name of that first piece
  std::int16_t FirstIndex = 0;   // piece number of that first piece
  std::int16_t KindCount = 0;    // different icons in the current deal
  std::int16_t TurnCount = 0;    // turns taken in this game
  std::int16_t ZanCount = 0;     // pieces left on the board
  std::int32_t StartSec = 0;     // time of day of the deal, whole seconds since midnight
  std::int32_t NowSec = 0;       // time of day of the last clock tick, whole seconds
  std::int32_t ElapsedSec = 0;   // playing time at the last clock tick, seconds
  bool TurnRecordSet = false;  // the game that just ended set a new best turn count
  bool TimeRecordSet = false;  // the game that just ended set a new best time
  std::array<std::string, kPieceCount> KomaName;  // icon dealt to piece i at KomaName[i - 1]

  std::vector<std::string> IconName;  // the 20 icon names in icon-list order
  std::vector<std::string> lstInp;    // icon names still to be drawn in a deal
  std::vector<std::string> lstKoma;   // icon kinds drawn for the current deal
  std::vector<std::string> lstKoma2;  // the 40-name pool the pieces are filled from

  // ---- What the window shows ----
  std::string lblTrun = "5555";      // turns taken
  std::string lblZan = "15";         // pieces left
  std::string lblKiroku = "24";      // best turns of the level
  std::string lblByou = "00分00秒";  // clock, or best time of the level
  std::string frmKirokuCaption;      // the level's record header
  std::vector<std::string> cboMondaiItems;  // the level list's entries
  std::string cboMondaiText;         // the level list's selection
  bool cboMondaiEnabled = true;
  int chkNamae = 0;                  // name display box, 0 or 1
  int chkAs = 0;                     // auto-save box, 0 or 1
  bool fraRirekiVisible = true;      // the history frame over the board
  std::string helpFile;              // the help file, by bare name

  // ---- History grid ----
  std::vector<store::HistoryRow> historyRows;  // grid rows 1.. in file order
  int historyTopRow = 1;  // first visible scrollable grid row
  // Grid rows including the header row.
  int historyGridRows() const { return static_cast<int>(historyRows.size()) + 1; }

  // ---- Options as last stored ----
  std::string storedLevel;
  std::int16_t nameDisplayValue = 0;
  std::int16_t autoSaveValue = 0;

  // Counts deals; the window reloads the face pictures when it changes.
  unsigned dealSerial() const { return dealSerial_; }

 private:
  void initRireki();
  void drawIconKinds();
  void buildPool();
  void fillPieces();
  void settleTurn(Piece& second, Piece& first);
  void endGame();
  void saveOptions();
  std::string historyMark(bool set) const;
  void scrollHistoryToEnd();

  SharedValues& shared_;
  const store::DataFolder& folder_;
  Host& host_;
  Clock& clock_;
  Random& random_;

  std::array<Piece, kPieceCount> pieces_{};
  int historyToggle_ = 0;  // flipped by each double-click on the board frame
  unsigned dealSerial_ = 0;
  double dealMonotonic_ = 0;  // monotonic time of the deal, for play across midnight
  double dealTimeOfDay_ = 0;  // time of day of the deal, with fractions
};

}  // namespace polkamina::game
