#include "game/main_game.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "game/clock_text.h"
#include "icons/icon_set.h"
#include "levels/level.h"
#include "levels/record_display.h"

namespace polkamina::game {

namespace {

const char* const kHelpFile = "pkHelp.chm";
const char* const kFallbackLevel = "ノーマル";
const char* const kRecordMark = "○";

const char* const kStartReminder = "スタートボタンを押してください";
const char* const kStartReminderCaption = "スタート確認";
const char* const kClearQuestion = "履歴データをクリアします。よろしいですか？";
const char* const kClearQuestionCaption = "クリア確認";
const char* const kClearDone = "履歴データをクリアしました";
const char* const kClearDoneCaption = "クリア終了";

// Grid rows, the header included, that fit the history grid without scrolling.
constexpr int kHistoryVisibleRows = 14;

std::int16_t incrementTurns(std::int16_t turns) {
  return turns < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(turns + 1)
                                                          : turns;
}

int checkBoxValue(int value) { return value == 1 ? 1 : 0; }

}  // namespace

MainGame::MainGame(SharedValues& shared, const store::DataFolder& folder, Host& host, Clock& clock,
                   Random& random)
    : shared_(shared), folder_(folder), host_(host), clock_(clock), random_(random) {}

// ---- Start-up ----

StartupResult MainGame::Form_Load() {
  helpFile = kHelpFile;
  fraRirekiVisible = false;
  initRireki();
  historyRows = folder_.readHistory();
  scrollHistoryToEnd();

  const std::vector<std::string> iconFiles = icons::listIconFiles(folder_.path());
  if (const auto problem = icons::checkIconCount(iconFiles.size())) {
    host_.messageBox(problem->text, problem->caption, MessageIcon::Exclamation, MessageButtons::Ok);
    return StartupResult::Exit;
  }
  IconName.clear();
  for (const std::string& file : iconFiles) {
    IconName.push_back(icons::iconName(file));
  }
  lstInp = IconName;

  for (Piece& piece : pieces_) {
    piece.nameBorder = false;
    piece.nameVisible = false;
  }

  const store::Delays delays = folder_.loadDelays();
  shared_.HideDelay = delays.hide;
  shared_.EraseDelay = delays.erase;
  shared_.best = folder_.loadRecords();

  lblTrun = "0";
  lblZan = "40";
  lblKiroku = levels::bestTurnsDisplay(shared_.best[levels::levelIndex(levels::Level::Normal)]);

  cboMondaiItems.clear();
  for (const levels::LevelInfo& info : levels::levelTable()) {
    cboMondaiItems.push_back(info.name);
  }

  const store::Options options = folder_.loadOptions();
  storedLevel = options.level;
  nameDisplayValue = options.nameDisplay;
  autoSaveValue = options.autoSave;

  // The list offers only the four level names; a stored name outside them
  // (an edited file) cannot be selected, so the default level takes its place.
  chooseLevel(levels::levelFromName(storedLevel) ? storedLevel : kFallbackLevel);
  setNameDisplayBox(nameDisplayValue);
  setAutoSaveBox(autoSaveValue);
  return StartupResult::Ready;
}

void MainGame::initRireki() {
  historyRows.clear();
  historyTopRow = 1;
}

// ---- The deal ----

void MainGame::cmdStart_Click() {
  // Without the icon set of a successful start-up there is nothing to deal.
  if (IconName.size() != icons::kIconCount) {
    return;
  }
  fraRirekiVisible = false;
  cboMondaiEnabled = false;
  TurnRecordSet = false;
  TimeRecordSet = false;
  for (Piece& piece : pieces_) {
    piece.backVisible = true;
    piece.faceVisible = true;
  }
  TurnCount = 0;
  lblTrun = std::to_string(TurnCount);
  ZanCount = kPieceCount;
  lblZan = std::to_string(ZanCount);
  FirstOpen = false;
  FirstName.clear();
  FirstIndex = 0;

  if (const auto level = levels::levelFromName(cboMondaiText)) {
    KindCount = levels::levelInfo(*level).kindCount;
  }
  if (KindCount <= 0) {
    // No level has been dealt yet and the box holds no level name.
    KindCount = levels::levelInfo(levels::Level::Normal).kindCount;
  }

  drawIconKinds();
  buildPool();
  fillPieces();
  for (int i = 0; i < kPieceCount; ++i) {
    pieces_[i].name = KomaName[i];
  }
  ++dealSerial_;

  lstInp = IconName;
  for (Piece& piece : pieces_) {
    piece.nameVisible = false;
  }

  Playing = true;
  dealTimeOfDay_ = clock_.secondsSinceMidnight();
  dealMonotonic_ = clock_.monotonicSeconds();
  StartSec = static_cast<std::int32_t>(std::floor(dealTimeOfDay_));
}

void MainGame::drawIconKinds() {
  lstKoma.clear();
  random_.reseed();
  for (int k = 0; k < KindCount && !lstInp.empty(); ++k) {
    lstKoma.push_back(takeRandomEntry(random_, lstInp));
  }
}

void MainGame::buildPool() {
  lstKoma2.clear();
  const int copies = kPieceCount / KindCount;
  for (int copy = 0; copy < copies; ++copy) {
    lstKoma2.insert(lstKoma2.end(), lstKoma.begin(), lstKoma.end());
  }
}

void MainGame::fillPieces() {
  KomaName.fill(std::string());
  random_.reseed();
  for (std::string& name : KomaName) {
    if (lstKoma2.empty()) {
      break;
    }
    name = takeRandomEntry(random_, lstKoma2);
  }
}

// ---- The turn ----

void MainGame::cmdKoma_Click(std::int16_t index) {
  if (index < 1 || index > kPieceCount || !pieces_[index - 1].backVisible) {
    return;
  }
  if (!Playing) {
    host_.messageBox(kStartReminder, kStartReminderCaption, MessageIcon::Exclamation,
                     MessageButtons::Ok);
    return;
  }
  Piece& clicked = pieces_[index - 1];
  if (chkNamae == 1) {
    clicked.nameVisible = true;
  }
  clicked.backVisible = false;

  const unsigned serialBeforeYield = dealSerial_;
  host_.yieldToEvents();
  if (dealSerial_ != serialBeforeYield) {
    // A new game was dealt meanwhile and this piece is face down again in it.
    return;
  }

  if (!FirstOpen) {
    FirstName = clicked.name;
    FirstOpen = true;
    FirstIndex = index;
  } else {
    settleTurn(clicked, pieces_[FirstIndex - 1]);
    FirstOpen = false;
  }
  if (ZanCount == 0) {
    endGame();
  }
}

void MainGame::settleTurn(Piece& second, Piece& first) {
  if (second.name == FirstName) {
    host_.beep();
    host_.waitWithoutInput(shared_.EraseDelay);
    second.nameVisible = false;
    first.nameVisible = false;
    second.faceVisible = false;
    first.faceVisible = false;
    TurnCount = incrementTurns(TurnCount);
    lblTrun = std::to_string(TurnCount);
    ZanCount = static_cast<std::int16_t>(ZanCount - 2);
    lblZan = std::to_string(ZanCount);
  } else {
    host_.waitWithoutInput(shared_.HideDelay);
    first.nameVisible = false;
    second.nameVisible = false;
    first.backVisible = true;
    second.backVisible = true;
    TurnCount = incrementTurns(TurnCount);
    lblTrun = std::to_string(TurnCount);
  }
}

// ---- Clock and stop ----

void MainGame::Timer1_Timer() {
  if (!Playing) {
    return;
  }
  NowSec = static_cast<std::int32_t>(std::floor(clock_.secondsSinceMidnight()));
  // The playing time runs on the monotonic clock from the deal's time of day,
  // so it turns over with the time of day's seconds and goes on past midnight.
  const double played = clock_.monotonicSeconds() - dealMonotonic_;
  ElapsedSec = static_cast<std::int32_t>(std::floor(dealTimeOfDay_ + played)) - StartSec;
  lblByou = clockText(ElapsedSec);
}

void MainGame::cmdYame_Click() { cboMondaiEnabled = true; }

// ---- Game end ----

void MainGame::endGame() {
  Playing = false;
  fraRirekiVisible = true;

  shared_.RecordMessage.clear();
  if (const auto level = levels::levelFromName(cboMondaiText)) {
    store::Record& best = shared_.best[levels::levelIndex(*level)];
    if (TurnCount < best.turns) {
      shared_.RecordMessage = levels::levelInfo(*level).turnRecordText;
      best.turns = TurnCount;
    }
  }
  if (!shared_.RecordMessage.empty()) {
    lblKiroku = std::to_string(TurnCount);
    folder_.saveRecords(shared_.best);
    TurnRecordSet = true;
    host_.showRecordWindow(shared_.RecordMessage);
  }

  shared_.RecordMessage.clear();
  if (const auto level = levels::levelFromName(cboMondaiText)) {
    store::Record& best = shared_.best[levels::levelIndex(*level)];
    if (isShorterTime(lblByou, best.time)) {
      shared_.RecordMessage = levels::levelInfo(*level).timeRecordText;
      best.time = lblByou;
    }
  }
  if (!shared_.RecordMessage.empty()) {
    folder_.saveRecords(shared_.best);
    TimeRecordSet = true;
    host_.showRecordWindow(shared_.RecordMessage);
  }

  if (autoSaveValue == 1) {
    cmdHozon_Click();
  }
  cboMondaiEnabled = true;
}

// ---- History ----

void MainGame::cmdHozon_Click() {
  if (Playing) {
    return;
  }
  const store::HistoryRow row{
      clock_.dateText(),          clock_.timeText(),         cboMondaiText, lblTrun + "回", lblByou,
      historyMark(TurnRecordSet), historyMark(TimeRecordSet)};
  // The file first: the grid never shows a row that was not stored.
  folder_.appendHistoryRow(row);
  historyRows.push_back(row);
  scrollHistoryToEnd();
}

std::string MainGame::historyMark(bool set) const { return set ? kRecordMark : ""; }

void MainGame::scrollHistoryToEnd() {
  if (historyGridRows() > kHistoryVisibleRows) {
    historyTopRow = historyGridRows() - 1;
  }
}

void MainGame::cmdClear_Click() {
  if (host_.messageBox(kClearQuestion, kClearQuestionCaption, MessageIcon::Exclamation,
                       MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return;
  }
  folder_.clearHistory();
  shared_.best = store::Records{};
  folder_.saveRecords(shared_.best);
  lblKiroku = levels::kNoRecordDisplay;
  lblByou = levels::kNoRecordDisplay;
  initRireki();
  host_.messageBox(kClearDone, kClearDoneCaption, MessageIcon::Information, MessageButtons::Ok);
}

void MainGame::fraKiri_DblClick() {
  fraRirekiVisible = historyToggle_ == 0;
  historyToggle_ = 1 - historyToggle_;
}

// ---- Level and options ----

void MainGame::cboMondai_Click() {
  if (const auto level = levels::levelFromName(cboMondaiText)) {
    const store::Record& best = shared_.best[levels::levelIndex(*level)];
    lblKiroku = levels::bestTurnsDisplay(best);
    lblByou = levels::bestTimeDisplay(best);
    frmKirokuCaption = levels::levelInfo(*level).recordHeader;
  }
  storedLevel = cboMondaiText;
  saveOptions();
}

void MainGame::chkNamae_Click() {
  if (chkNamae == 0) {
    for (Piece& piece : pieces_) {
      piece.nameVisible = false;
    }
  }
  nameDisplayValue = static_cast<std::int16_t>(chkNamae);
  saveOptions();
}

void MainGame::chkAs_Click() {
  autoSaveValue = static_cast<std::int16_t>(chkAs);
  saveOptions();
}

void MainGame::saveOptions() {
  folder_.saveOptions(store::Options{storedLevel, nameDisplayValue, autoSaveValue});
}

void MainGame::chooseLevel(const std::string& levelName) {
  // The list holds only the level names and cannot be used while disabled.
  if (!cboMondaiEnabled || !levels::levelFromName(levelName)) {
    return;
  }
  cboMondaiText = levelName;
  cboMondai_Click();
}

void MainGame::setNameDisplayBox(int value) {
  const int boxValue = checkBoxValue(value);
  if (boxValue == chkNamae) {
    return;
  }
  chkNamae = boxValue;
  chkNamae_Click();
}

void MainGame::setAutoSaveBox(int value) {
  const int boxValue = checkBoxValue(value);
  if (boxValue == chkAs) {
    return;
  }
  chkAs = boxValue;
  chkAs_Click();
}

}  // namespace polkamina::game
