#pragma once

#include <cstdint>
#include <string>

#include "game/best_records.h"
#include "game/board.h"
#include "game/game_clock.h"
#include "game/history.h"
#include "game/host.h"
#include "game/options.h"
#include "game/seams.h"
#include "game/shared_values.h"
#include "game/view_changes.h"
#include "store/data_folder.h"

namespace polkamina::game {

// How start-up ended.
enum class StartupResult {
  Ready,  // the main window may be shown
  Exit,   // the icon count was wrong and its message has been shown
};

// The main window's game: start-up and the handlers of the window's events,
// over the board, the game clock, the best records, the history and the
// options. The window shows what the accessors give and forwards its events
// to the handlers; it makes no decision of its own, and nothing else changes
// the game. What a handler changed of the window's picture is gathered for the
// view to take (takeViewChanges). Handlers may throw store::FileError.
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

  // Pause: while a game runs, the board is covered and the clock stands
  // still. Asked for during a turn, the pause begins once the turn is over.
  // togglePause pauses a running game or resumes a paused one.
  void pause();
  void resume();
  void togglePause();
  bool paused() const { return paused_; }
  // The sound of a match, on unless switched off.
  void setMatchSound(bool on) { matchSound_ = on; }
  bool matchSound() const { return matchSound_; }

  // The player's changes to the boxes. Each sets the box and runs its handler
  // as a change of the box would.
  void chooseLevel(const std::string& levelName);
  void setNameDisplayBox(int value);
  void setAutoSaveBox(int value);

  const Board& board() const { return board_; }
  const History& history() const { return history_; }
  const GameOptions& options() const { return options_; }
  // What changed of the window's picture since the last call; everything the
  // first time.
  ViewChanges takeViewChanges();

  // The texts of the record frame's four displays and its caption.
  std::string lblTrun() const;                             // turns taken
  std::string lblZan() const;                              // pieces left
  std::string lblKiroku() const;                           // best turns of the level
  const std::string& lblByou() const { return lblByou_; }  // clock, or best time of the level
  std::string frmKirokuCaption() const;                    // the level's record header
  // The help file, by bare name in the working folder.
  std::string helpFile() const;

 private:
  void playTurnStep(int index);
  void settleTurn(int index);
  void endGame();
  void showTime(std::string text);
  void showPlayingTime();
  void setPaused(bool paused);

  SharedValues& shared_;
  const store::DataFolder& folder_;
  Host& host_;
  Clock& clock_;
  Random& random_;

  ViewChanges changes_ = ViewChanges::everything();  // not yet taken by the view
  Board board_{changes_};
  GameClock gameClock_;
  BestRecords records_;
  History history_{changes_};
  GameOptions options_{changes_};
  // The time display: the clock during a game; a finished game's time, which
  // the records and the history read back from it; the level's best time
  // after a change of level.
  std::string lblByou_ = "00分00秒";
  bool paused_ = false;        // the running game is paused
  bool pausePending_ = false;  // a pause asked for during a turn, to begin after it
  int turnSteps_ = 0;          // turn steps running, nested ones included
  bool matchSound_ = true;     // a match sounds the beep
};

}  // namespace polkamina::game
