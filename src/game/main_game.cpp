#include "game/main_game.h"

#include <utility>
#include <vector>

#include "game/clock_text.h"
#include "icons/icon_set.h"
#include "levels/level.h"
#include "levels/record_display.h"
#include "store/translation.h"

namespace polkamina::game {

namespace {

// The help file's name is translated: each language names its own help file.
const char* const kHelpFile = store::untranslated("Game", "pkHelp.chm");
const char* const kFallbackLevel = "ノーマル";
const char* const kRecordMark = "○";

std::string historyMark(bool set) { return set ? kRecordMark : ""; }

// Counts a running step for as long as it lives, however the step ends.
class StepCount {
 public:
  explicit StepCount(int& count) : count_(count) { ++count_; }
  ~StepCount() { --count_; }
  StepCount(const StepCount&) = delete;
  StepCount& operator=(const StepCount&) = delete;

 private:
  int& count_;
};

// Every level deals icons of the set, each on the same number of pieces.
constexpr bool levelsFillTheBoard() {
  for (const levels::LevelInfo& info : levels::kLevelTable) {
    if (info.kindCount < 1 || static_cast<std::size_t>(info.kindCount) > icons::kIconCount ||
        kPieceCount % info.kindCount != 0) {
      return false;
    }
  }
  return true;
}
static_assert(levelsFillTheBoard(), "a level's icons must fill the board evenly");

}  // namespace

MainGame::MainGame(SharedValues& shared, const store::DataFolder& folder, Host& host, Clock& clock,
                   Random& random)
    : shared_(shared),
      folder_(folder),
      host_(host),
      clock_(clock),
      random_(random),
      records_(shared, folder, host) {}

// ---- Start-up ----

StartupResult MainGame::Form_Load() {
  history_.load(folder_);

  const std::vector<std::string> iconFiles = icons::listIconFiles(folder_.path());
  if (const auto problem = icons::checkIconCount(iconFiles.size())) {
    host_.messageBox(problem->text, problem->caption, MessageIcon::Exclamation, MessageButtons::Ok);
    return StartupResult::Exit;
  }
  std::vector<std::string> names;
  for (const std::string& file : iconFiles) names.push_back(icons::iconName(file));
  board_.takeIconSet(std::move(names));
  board_.prepareNameLabels();

  const store::Delays delays = folder_.loadDelays();
  shared_.HideDelay = delays.hide;
  shared_.EraseDelay = delays.erase;
  shared_.best = folder_.loadRecords();

  const store::Options stored = folder_.loadOptions();
  options_.restore(stored);
  // The list offers only the four level names; a stored name outside them
  // (an edited file) cannot be selected, so the default level takes its place.
  chooseLevel(levels::levelFromName(stored.level) ? stored.level : kFallbackLevel);
  setNameDisplayBox(stored.nameDisplay);
  setAutoSaveBox(stored.autoSave);
  return StartupResult::Ready;
}

// ---- The deal ----

void MainGame::cmdStart_Click() {
  if (!board_.hasIconSet()) return;
  history_.hide();
  options_.enableLevelList(false);
  records_.clearFlags();
  // Before start-up has chosen a level the list is empty; Normal is dealt.
  const levels::Level level = options_.level().value_or(levels::Level::Normal);
  board_.deal(levels::levelInfo(level).kindCount, folder_.path(), random_);
  gameClock_.start(clock_);
  pausePending_ = false;
  setPaused(false);
}

// ---- The turn ----

void MainGame::cmdKoma_Click(std::int16_t index) {
  // Under the cover no piece can be reached.
  if (!board_.hasBack(index) || paused_) return;
  if (!board_.Playing()) {
    host_.messageBox(store::translated("Game", "スタートボタンを押してください"),
                     store::translated("Game", "スタート確認"), MessageIcon::Exclamation,
                     MessageButtons::Ok);
    return;
  }
  {
    const StepCount step(turnSteps_);
    playTurnStep(index);
  }
  // A pause asked for during the turn begins now that it is over.
  if (turnSteps_ == 0 && std::exchange(pausePending_, false)) pause();
}

void MainGame::playTurnStep(int index) {
  board_.turnUp(index, options_.chkNamae() == 1);

  const unsigned dealBeforeYield = board_.dealSerial();
  host_.yieldToEvents();
  // A new game dealt meanwhile has this piece face down again.
  if (board_.dealSerial() != dealBeforeYield) return;

  if (!board_.FirstOpen()) {
    board_.keepOpen(index);
  } else {
    settleTurn(index);
    board_.closeTurn();
  }
  if (board_.ZanCount() == 0) endGame();
}

void MainGame::settleTurn(int index) {
  if (board_.matchesFirst(index)) {
    if (matchSound_) host_.beep();
    host_.waitWithoutInput(shared_.EraseDelay);
    board_.removePair(index);
  } else {
    host_.waitWithoutInput(shared_.HideDelay);
    board_.turnBackPair(index);
  }
}

// ---- Clock and stop ----

void MainGame::Timer1_Timer() {
  if (!board_.Playing() || paused_) return;
  gameClock_.tick(clock_);
  showPlayingTime();
}

void MainGame::cmdYame_Click() { options_.enableLevelList(true); }

// ---- Pause ----

void MainGame::pause() {
  if (!board_.Playing() || paused_) return;
  if (turnSteps_ > 0) {
    pausePending_ = true;
    return;
  }
  gameClock_.pause(clock_);
  showPlayingTime();
  setPaused(true);
}

// The clock shows the time paused at once: the level list or the clear
// button may have put another text there meanwhile.
void MainGame::resume() {
  pausePending_ = false;
  if (!paused_) return;
  gameClock_.resume(clock_);
  showPlayingTime();
  setPaused(false);
}

void MainGame::togglePause() {
  if (paused_ || pausePending_) {
    resume();
  } else {
    pause();
  }
}

void MainGame::setPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  changes_.add(ViewChanges::Pause);
}

// ---- Game end ----

void MainGame::endGame() {
  board_.stop();
  history_.show();
  if (const auto level = options_.level()) {
    records_.compare(*level, board_.TurnCount(), lblByou_);
    changes_.add(ViewChanges::Records);
  }
  if (options_.autoSaveValue() == 1) cmdHozon_Click();
  options_.enableLevelList(true);
}

// ---- History ----

void MainGame::cmdHozon_Click() {
  if (board_.Playing()) return;
  history_.save(
      {clock_.dateText(), clock_.timeText(), options_.cboMondaiText(), lblTrun() + "回", lblByou_,
       historyMark(records_.TurnRecordSet()), historyMark(records_.TimeRecordSet())},
      folder_);
}

void MainGame::cmdClear_Click() {
  if (host_.messageBox(store::translated("Game", "履歴データをクリアします。よろしいですか？"),
                       store::translated("Game", "クリア確認"), MessageIcon::Exclamation,
                       MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return;
  }
  history_.clear(folder_);
  records_.clear();
  changes_.add(ViewChanges::Records);
  showTime(levels::kNoRecordDisplay);
  host_.messageBox(store::translated("Game", "履歴データをクリアしました"),
                   store::translated("Game", "クリア終了"), MessageIcon::Information,
                   MessageButtons::Ok);
}

void MainGame::fraKiri_DblClick() { history_.toggle(); }

// ---- Level and options ----

void MainGame::cboMondai_Click() {
  if (const auto level = options_.level()) {
    showTime(levels::bestTimeDisplay(shared_.best[levels::levelIndex(*level)]));
    changes_.add(ViewChanges::Records);
  }
  options_.save(folder_);
}

void MainGame::chkNamae_Click() {
  if (options_.chkNamae() == 0) board_.hideNames();
  options_.takeNameDisplayFromBox();
  options_.save(folder_);
}

void MainGame::chkAs_Click() {
  options_.takeAutoSaveFromBox();
  options_.save(folder_);
}

void MainGame::chooseLevel(const std::string& levelName) {
  // The list holds only the level names and cannot be used while disabled.
  if (!options_.cboMondaiEnabled() || !options_.select(levelName)) return;
  cboMondai_Click();
}

void MainGame::setNameDisplayBox(int value) {
  if (options_.setNameDisplayBox(value)) chkNamae_Click();
}

void MainGame::setAutoSaveBox(int value) {
  if (options_.setAutoSaveBox(value)) chkAs_Click();
}

// ---- What the window shows ----

ViewChanges MainGame::takeViewChanges() { return std::exchange(changes_, ViewChanges{}); }

void MainGame::showPlayingTime() { showTime(clockText(gameClock_.ElapsedSec())); }

void MainGame::showTime(std::string text) {
  if (text == lblByou_) return;
  lblByou_ = std::move(text);
  changes_.add(ViewChanges::Clock);
}

std::string MainGame::lblTrun() const { return std::to_string(board_.TurnCount()); }

std::string MainGame::lblZan() const { return std::to_string(board_.ZanCount()); }

std::string MainGame::lblKiroku() const {
  const auto level = options_.level();
  return level ? levels::bestTurnsDisplay(shared_.best[levels::levelIndex(*level)])
               : levels::kNoRecordDisplay;
}

std::string MainGame::frmKirokuCaption() const {
  const auto level = options_.level();
  return level ? levels::levelInfo(*level).recordHeader : "";
}

std::string MainGame::helpFile() const { return store::translated("Game", kHelpFile); }

}  // namespace polkamina::game
