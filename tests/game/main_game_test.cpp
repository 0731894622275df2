#include "game/main_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "game_fakes.h"
#include "store/file_error.h"
#include "support/temp_folder.h"

namespace polkamina::game {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::FakeHost;
using testing::FakeRandom;

const std::string kNormal = "ノーマル";
const std::string kPanic = "パニック";
const std::string kHard = "ハード";

// Bytes written as hex pairs, "22 2C 0D 0A".
std::string hexBytes(const std::string& hex) {
  std::istringstream in(hex);
  std::string result;
  unsigned value = 0;
  while (in >> std::hex >> value) {
    result.push_back(static_cast<char>(value));
  }
  return result;
}

const std::string kNoRecordLine = hexBytes("39 39 39 39 2C 22 35 39 95 AA 35 39 95 62 22 0D 0A");

// A game folder made from the shipped defaults (Normal, names off, auto-save
// on, no records, no history) and 20 dummy icons icon01 .. icon20.
class MainGameTest : public ::testing::Test {
 protected:
  MainGameTest() : folder(dir_), game(shared, folder, host, clock, random) {
    for (const auto& entry : fs::directory_iterator(POLKAMINA_DEFAULTS_DIR)) {
      if (entry.path().extension() == ".txt") {
        fs::copy_file(entry.path(), dir_ / entry.path().filename());
      }
    }
    setIconCount(20);
  }
  // The name of dummy icon i, 1..21.
  static std::string iconName(int i) { return (i < 10 ? "icon0" : "icon") + std::to_string(i); }

  void setIconCount(int count) {
    for (int i = 1; i <= 21; ++i) {
      const fs::path icon = dir_ / (iconName(i) + ".ico");
      if (i <= count) {
        std::ofstream(icon) << "ico";
      } else {
        fs::remove(icon);
      }
    }
  }

  std::string fileBytes(const std::string& name) const { return temp_.read(name); }
  void writeFile(const std::string& name, const std::string& bytes) const {
    temp_.write(name, bytes);
  }

  // Start-up as the program runs it; a test goes on only once it is ready.
  ::testing::AssertionResult started() {
    if (game.Form_Load() == StartupResult::Ready) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "start-up did not get the window ready";
  }

  // A deal on that level with every draw 0: the pieces take the pool in order.
  void deal(const std::string& level) {
    game.chooseLevel(level);
    game.cmdStart_Click();
  }

  // The icon names on the board with the number of pieces each.
  static std::map<std::string, int> namesOn(const MainGame& game) {
    std::map<std::string, int> copies;
    for (int i = 1; i <= kPieceCount; ++i) ++copies[game.board().piece(i).name];
    return copies;
  }

  // The newest row of the history grid.
  store::HistoryRow lastRow() const {
    const store::HistoryRows& rows = game.history().rows();
    return rows.empty() ? store::HistoryRow{} : rows[rows.size() - 1];
  }

  // The two record marks of a history row, one after the other.
  static std::string marksOf(const store::HistoryRow& row) { return row[5] + row[6]; }

  void turn(int first, int second) {
    game.cmdKoma_Click(static_cast<std::int16_t>(first));
    game.cmdKoma_Click(static_cast<std::int16_t>(second));
  }

  // Plays a dealt board without a miss; the clock ticks at `seconds` of play
  // just before the last pair.
  void playToEnd(int seconds) {
    std::map<std::string, std::vector<int>> piecesByName;
    for (int i = 1; i <= kPieceCount; ++i) {
      piecesByName[game.board().piece(i).name].push_back(i);
    }
    std::vector<std::pair<int, int>> pairs;
    for (const auto& [name, pieces] : piecesByName) {
      for (std::size_t k = 0; k + 1 < pieces.size(); k += 2) {
        pairs.emplace_back(pieces[k], pieces[k + 1]);
      }
    }
    for (std::size_t p = 0; p < pairs.size(); ++p) {
      if (p + 1 == pairs.size()) {
        clock.advance(seconds);
        game.Timer1_Timer();
      }
      turn(pairs[p].first, pairs[p].second);
    }
  }

  testsupport::TempFolder temp_;
  const fs::path dir_ = temp_.path();
  SharedValues shared;
  store::DataFolder folder;
  FakeHost host;
  FakeClock clock;
  FakeRandom random;
  MainGame game;
};

// ---- Start-up ----

TEST_F(MainGameTest, StartupPreparesAnIdleWindow) {
  const std::string options = fileBytes("設定2.txt");
  ASSERT_TRUE(started());
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(game.helpFile(), "pkHelp.chm");
  EXPECT_FALSE(game.history().fraRirekiVisible());
  EXPECT_TRUE(game.history().rows().empty());
  EXPECT_FALSE(game.board().piece(40).nameVisible || game.board().piece(40).nameBorder);
  EXPECT_FLOAT_EQ(shared.HideDelay, 1.0f);
  EXPECT_FLOAT_EQ(shared.EraseDelay, 0.5f);
  EXPECT_EQ(game.lblTrun(), "0");
  EXPECT_EQ(game.lblZan(), "40");
  EXPECT_EQ(game.lblKiroku(), "-----");
  EXPECT_EQ(game.lblByou(), "-----");
  EXPECT_EQ(game.options().cboMondaiText(), kNormal);
  EXPECT_EQ(game.frmKirokuCaption(), "  ターン数　　コマ残り　ノーマル最短記録        時間記録 ");
  EXPECT_EQ(game.options().chkNamae(), 0);
  EXPECT_EQ(game.options().chkAs(), 1);
  EXPECT_EQ(fileBytes("設定2.txt"), options);
}

TEST_F(MainGameTest, StartupShowsTheStoredLevelAndOptions) {
  shared.best[1] = {18, "02分00秒"};
  folder.saveRecords(shared.best);
  folder.saveOptions({kHard, 1, 0});
  ASSERT_TRUE(started());
  EXPECT_EQ(game.options().cboMondaiText(), kHard);
  EXPECT_EQ(game.lblKiroku(), "-----");  // Hard's record, not Normal's
  EXPECT_EQ(game.frmKirokuCaption(), "  ターン数　　コマ残り　 ハード最短記録         時間記録 ");
  EXPECT_EQ(game.options().chkNamae(), 1);
  EXPECT_EQ(game.options().chkAs(), 0);
  EXPECT_FALSE(game.board().piece(1).nameVisible);
}

TEST_F(MainGameTest, StartupReplacesAStoredNameThatIsNoLevel) {
  folder.saveOptions({"ベリーハード", 0, 1});
  ASSERT_TRUE(started());
  EXPECT_EQ(game.options().cboMondaiText(), kNormal);
  EXPECT_EQ(folder.loadOptions().level, kNormal);
  game.cmdStart_Click();
  EXPECT_EQ(namesOn(game).size(), 4u);
}

TEST_F(MainGameTest, StartupFailsInTheOrderOfItsSteps) {
  // A missing history stops start-up before the icons are counted.
  setIconCount(19);
  fs::remove(dir_ / "履歴.txt");
  EXPECT_THROW(game.Form_Load(), store::FileError);
  EXPECT_TRUE(host.calls.empty());

  // With the history in place the icon count stops it next, writing nothing.
  writeFile("履歴.txt", "");
  fs::remove(dir_ / "設定.txt");
  const std::string options = fileBytes("設定2.txt") + "\r\n";
  writeFile("設定2.txt", options);
  EXPECT_EQ(game.Form_Load(), StartupResult::Exit);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{FakeHost::messageCall(
                "アイコンが 1個 足りません\r\nアイコンを補充してからプレイしてください。",
                "アイコン不足", MessageIcon::Exclamation, MessageButtons::Ok)}));
  EXPECT_EQ(fileBytes("設定2.txt"), options);

  // With 20 icons the missing delays file is reached.
  setIconCount(20);
  host.calls.clear();
  try {
    game.Form_Load();
    ADD_FAILURE() << "no error for the missing delays file";
  } catch (const store::FileError& error) {
    EXPECT_EQ(error.kind(), store::FileError::Kind::Missing);
  }
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(fileBytes("設定2.txt"), options);
}

TEST_F(MainGameTest, HistoryScrollsToItsEndBeyondFourteenGridRows) {
  const store::HistoryRow row{"2024/01/01", "10:00:00", kNormal, "30回", "02分00秒", "", ""};
  for (int i = 0; i < 13; ++i) {
    folder.appendHistoryRow(row);
  }
  ASSERT_TRUE(started());
  EXPECT_EQ(game.history().gridRows(), 14);
  EXPECT_EQ(game.history().topRow(), 1);
  game.cmdHozon_Click();
  EXPECT_EQ(game.history().gridRows(), 15);
  EXPECT_EQ(game.history().topRow(), 14);

  MainGame restarted(shared, folder, host, clock, random);
  ASSERT_EQ(restarted.Form_Load(), StartupResult::Ready);
  EXPECT_EQ(restarted.history().rows().size(), 14u);
  EXPECT_EQ(restarted.history().topRow(), 14);
}

// ---- The deal ----

TEST_F(MainGameTest, DealSpreadsTheLevelsIconsOverTheBoard) {
  ASSERT_TRUE(started());
  random.fallback = 0.99999994f;  // the largest float below 1: always the last entry
  for (const auto& [level, kinds] : std::vector<std::pair<std::string, int>>{
           {"イージー", 2}, {kNormal, 4}, {kHard, 10}, {kPanic, 20}}) {
    // Two deals in a row draw alike: each starts from all twenty names again.
    for (int round = 0; round < 2; ++round) {
      random.reseedsAt.clear();
      random.drawn = 0;
      deal(level);
      EXPECT_EQ(random.reseedsAt, (std::vector<std::size_t>{0, static_cast<std::size_t>(kinds)}));
      EXPECT_EQ(random.drawn, static_cast<std::size_t>(kinds + 40));
      const std::map<std::string, int> copies = namesOn(game);
      ASSERT_EQ(copies.size(), static_cast<std::size_t>(kinds)) << level;
      // Taken from the end of the icon list.
      EXPECT_EQ(copies.begin()->first, iconName(21 - kinds)) << level;
      for (const auto& [name, count] : copies) {
        EXPECT_EQ(count, 40 / kinds) << name;
      }
      for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& piece = game.board().piece(i);
        EXPECT_TRUE(piece.backVisible && piece.faceVisible && !piece.nameVisible);
        EXPECT_EQ(piece.picture, dir_ / (piece.name + ".ico"));
      }
      EXPECT_TRUE(game.board().Playing());
      EXPECT_FALSE(game.options().cboMondaiEnabled());
      game.cmdYame_Click();
    }
  }
  // The pool is filled in the order the kinds were drawn: its last entry is
  // the first icon of the list.
  EXPECT_EQ(game.board().piece(1).name, "icon01");

  // Whatever the draws, every kind lies on the same number of pieces: here the
  // last two entries left in the pool are the first two.
  random.values.assign(2, 0.0f);
  random.values.insert(random.values.end(), 39, 0.99999994f);
  random.values.push_back(0.4f);
  random.drawn = 0;
  deal("イージー");
  for (const auto& [name, count] : namesOn(game)) EXPECT_EQ(count, 20) << name;
  game.cmdYame_Click();

  // A box without a level name before any deal falls back to the Normal count:
  // a start-up that stopped before it chose a level leaves it so.
  fs::remove(dir_ / "設定.txt");
  MainGame stopped(shared, folder, host, clock, random);
  EXPECT_THROW(stopped.Form_Load(), store::FileError);
  ASSERT_EQ(stopped.options().cboMondaiText(), "");
  stopped.cmdStart_Click();
  EXPECT_EQ(namesOn(stopped).size(), 4u);
}

TEST_F(MainGameTest, PicturesAreFoundWhateverTheCaseOfTheirExtension) {
  fs::rename(dir_ / "icon01.ico", dir_ / "icon01.ICO");
  ASSERT_TRUE(started());
  deal(kPanic);
  for (int i = 1; i <= kPieceCount; ++i) {
    const Piece& piece = game.board().piece(i);
    EXPECT_EQ(piece.picture, dir_ / (piece.name + (piece.name == "icon01" ? ".ICO" : ".ico")));
  }
}

TEST_F(MainGameTest, NothingIsDealtWithoutTheIconSet) {
  game.cmdStart_Click();
  EXPECT_FALSE(game.board().Playing());
  setIconCount(19);
  EXPECT_EQ(game.Form_Load(), StartupResult::Exit);
  game.cmdStart_Click();
  EXPECT_FALSE(game.board().Playing());
  EXPECT_EQ(random.drawn, 0u);
}

TEST_F(MainGameTest, ADealClearsTheRecordMarksOfTheGameBefore) {
  ASSERT_TRUE(started());  // auto-save on
  deal(kPanic);
  playToEnd(83);
  deal(kPanic);
  playToEnd(90);  // neither fewer turns nor a shorter time
  ASSERT_EQ(game.history().rows().size(), 2u);
  EXPECT_EQ(marksOf(game.history().rows()[0]), "○○");
  EXPECT_EQ(marksOf(game.history().rows()[1]), "");
}

// ---- The turn ----

TEST_F(MainGameTest, ClickBeforeTheDealOnlyReminds) {
  ASSERT_TRUE(started());
  game.cmdKoma_Click(7);
  EXPECT_EQ(host.calls, (std::vector<std::string>{
                            FakeHost::messageCall("スタートボタンを押してください", "スタート確認",
                                                  MessageIcon::Exclamation, MessageButtons::Ok)}));
  EXPECT_TRUE(game.board().piece(7).backVisible);
  EXPECT_FALSE(game.board().FirstOpen());
}

TEST_F(MainGameTest, MatchBeepsWaitsAndRemovesThePair) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.setNameDisplayBox(1);
  host.onYield = [this] {
    EXPECT_FALSE(game.board().piece(1).backVisible);
    EXPECT_TRUE(game.board().piece(1).nameVisible);
  };
  game.cmdKoma_Click(1);
  EXPECT_TRUE(game.board().FirstOpen());
  EXPECT_TRUE(game.board().piece(1).nameVisible);

  host.onWait = [this] {
    EXPECT_TRUE(game.board().piece(1).faceVisible && game.board().piece(5).faceVisible);
    EXPECT_TRUE(game.board().piece(5).nameVisible);
  };
  game.cmdKoma_Click(5);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"yield", "yield", "beep", FakeHost::waitCall(0.5f)}));
  for (int i : {1, 5}) {
    EXPECT_FALSE(game.board().piece(i).backVisible || game.board().piece(i).faceVisible ||
                 game.board().piece(i).nameVisible);
  }
  EXPECT_EQ(game.lblTrun(), "1");
  EXPECT_EQ(game.lblZan(), "38");
  EXPECT_FALSE(game.board().FirstOpen());

  host.calls.clear();
  game.cmdKoma_Click(5);  // a removed piece has no back to click
  EXPECT_TRUE(host.calls.empty());

  // The next deal starts again from a full board and no turns.
  game.cmdStart_Click();
  EXPECT_EQ(game.lblTrun(), "0");
  EXPECT_EQ(game.lblZan(), "40");
  EXPECT_TRUE(game.board().piece(1).faceVisible && game.board().piece(5).faceVisible);
}

TEST_F(MainGameTest, MissWaitsSilentlyAndTurnsThePairBack) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.setNameDisplayBox(1);
  turn(1, 2);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"yield", "yield", FakeHost::waitCall(1.0f)}));
  for (int i : {1, 2}) {
    EXPECT_TRUE(game.board().piece(i).backVisible && game.board().piece(i).faceVisible);
    EXPECT_FALSE(game.board().piece(i).nameVisible);
  }
  EXPECT_EQ(game.lblTrun(), "1");
  EXPECT_EQ(game.lblZan(), "40");

  // A counted number of turns, so that a counter that stops advancing fails
  // at once instead of looping.
  for (int played = 1; played < 32767; ++played) turn(1, 2);
  EXPECT_EQ(game.board().TurnCount(), 32767);
  turn(1, 2);
  EXPECT_EQ(game.board().TurnCount(), 32767);
  EXPECT_EQ(game.lblTrun(), "32767");
}

TEST_F(MainGameTest, NameDisplayOffHidesNamesAtOnceAndOnShowsOnlyLaterPieces) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.setNameDisplayBox(1);
  game.cmdKoma_Click(40);  // the last piece
  game.setNameDisplayBox(0);
  EXPECT_FALSE(game.board().piece(40).nameVisible);
  game.cmdStart_Click();
  game.setNameDisplayBox(1);
  game.cmdKoma_Click(1);
  game.setNameDisplayBox(0);
  EXPECT_FALSE(game.board().piece(1).nameVisible);
  game.setNameDisplayBox(1);
  EXPECT_FALSE(game.board().piece(1).nameVisible);
  host.onWait = [this] { EXPECT_TRUE(game.board().piece(2).nameVisible); };
  game.cmdKoma_Click(2);
}

TEST_F(MainGameTest, ClickQueuedDuringTheYieldBecomesTheFirstPiece) {
  ASSERT_TRUE(started());
  deal(kNormal);
  host.onYield = [this] { game.cmdKoma_Click(5); };
  game.cmdKoma_Click(1);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"yield", "yield", "beep", FakeHost::waitCall(0.5f)}));
  EXPECT_EQ(game.board().ZanCount(), 38);
  EXPECT_FALSE(game.board().piece(1).faceVisible || game.board().piece(5).faceVisible);
}

TEST_F(MainGameTest, DealDuringTheYieldEndsTheInterruptedStep) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.setNameDisplayBox(1);
  host.onYield = [this] { game.cmdStart_Click(); };
  game.cmdKoma_Click(1);
  EXPECT_FALSE(game.board().FirstOpen());
  EXPECT_TRUE(game.board().piece(1).backVisible);
  EXPECT_FALSE(game.board().piece(1).nameVisible);

  // The piece is a plain face-down piece of the new game: it cannot be its
  // own partner.
  turn(1, 1);
  EXPECT_TRUE(game.board().FirstOpen());
  EXPECT_EQ(game.board().TurnCount(), 0);
  EXPECT_EQ(game.board().ZanCount(), 40);
}

TEST_F(MainGameTest, ADealAfterTheFirstPieceOfATurnStartsTheNextTurnAfresh) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.cmdKoma_Click(1);
  ASSERT_TRUE(game.board().FirstOpen());
  game.cmdStart_Click();
  EXPECT_FALSE(game.board().FirstOpen());
  game.cmdKoma_Click(3);
  EXPECT_TRUE(game.board().FirstOpen());
  EXPECT_FALSE(game.board().piece(3).backVisible);
  EXPECT_EQ(game.board().TurnCount(), 0);
}

// ---- Clock and stop ----

TEST_F(MainGameTest, ClockShowsThePlayingTimeAlsoAcrossMidnight) {
  ASSERT_TRUE(started());
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "-----");  // no game, no clock

  clock.timeOfDay = 86399.6;
  deal(kNormal);
  clock.advance(0.3);
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "00分00秒");
  clock.advance(0.2);  // the time of day passes midnight
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "00分01秒");
  clock.advance(6000);
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "100分01秒");

  game.cmdYame_Click();
  EXPECT_TRUE(game.options().cboMondaiEnabled());
  EXPECT_TRUE(game.board().Playing());
  EXPECT_FALSE(game.history().fraRirekiVisible());
}

// ---- Pause ----

TEST_F(MainGameTest, APauseStopsTheClockAndTheRecordedTimeLeavesItOut) {
  ASSERT_TRUE(started());
  game.pause();  // no game, nothing to pause
  EXPECT_FALSE(game.paused());

  deal(kNormal);
  clock.advance(10.7);
  game.pause();
  EXPECT_TRUE(game.paused());
  EXPECT_EQ(game.lblByou(), "00分10秒");  // taken at the pause itself
  EXPECT_TRUE(game.takeViewChanges().has(ViewChanges::Pause));

  // Paused: ticks leave the clock alone and the covered pieces take no click.
  clock.advance(500);
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "00分10秒");
  host.calls.clear();
  game.cmdKoma_Click(1);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(game.board().piece(1).backVisible);
  // A level chosen meanwhile shows its best time until the game resumes.
  game.cmdYame_Click();
  game.chooseLevel(kHard);
  EXPECT_EQ(game.lblByou(), "-----");
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "-----");

  game.togglePause();
  EXPECT_FALSE(game.paused());
  EXPECT_EQ(game.lblByou(), "00分10秒");
  clock.advance(0.4);  // 11.1 s of play
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "00分11秒");

  // The game's time, as recorded, is the playing time alone.
  playToEnd(20);
  EXPECT_EQ(lastRow()[4], "00分31秒");
  EXPECT_EQ(lastRow()[2], kHard);
}

TEST_F(MainGameTest, APauseAskedForDuringATurnBeginsAfterIt) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.cmdKoma_Click(1);
  host.onWait = [this] {
    game.pause();
    EXPECT_FALSE(game.paused());
  };
  game.cmdKoma_Click(2);  // a miss, with its wait
  EXPECT_TRUE(game.paused());
  EXPECT_TRUE(game.board().piece(1).backVisible && game.board().piece(2).backVisible);
  EXPECT_EQ(game.lblTrun(), "1");

  // Asked for twice during a turn, the pause is called off again.
  game.togglePause();
  game.cmdKoma_Click(1);
  host.onWait = [this] {
    game.togglePause();
    game.togglePause();
  };
  game.cmdKoma_Click(2);
  EXPECT_FALSE(game.paused());

  // A deal ends a pause, also one asked for during a turn the deal cut short;
  // the last pair ends the game and any pause asked for.
  game.pause();
  game.cmdStart_Click();
  EXPECT_FALSE(game.paused());
  clock.advance(3);
  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "00分03秒");
  host.onYield = [this] {
    game.pause();
    game.cmdStart_Click();
  };
  game.cmdKoma_Click(1);
  EXPECT_FALSE(game.paused());
  std::function<void()> duringTheLastWait = [&] {
    if (game.board().ZanCount() == 2) {
      game.pause();
    } else {
      host.onWait = duringTheLastWait;
    }
  };
  host.onWait = duringTheLastWait;
  playToEnd(5);
  EXPECT_FALSE(game.board().Playing());
  EXPECT_FALSE(game.paused());
}

TEST_F(MainGameTest, TheMatchSoundCanBeSwitchedOff) {
  ASSERT_TRUE(started());
  deal(kNormal);
  game.setMatchSound(false);
  turn(1, 5);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"yield", "yield", FakeHost::waitCall(0.5f)}));
  EXPECT_EQ(game.lblZan(), "38");
  game.setMatchSound(true);
  host.calls.clear();
  turn(2, 6);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"yield", "yield", "beep", FakeHost::waitCall(0.5f)}));
}

// ---- Game end ----

TEST_F(MainGameTest, FirstGameOfALevelSetsBothRecordsThenSavesTheGame) {
  ASSERT_TRUE(started());
  deal(kPanic);
  std::vector<std::string> recordsAtWindows;
  host.onRecordWindow = [&] {
    recordsAtWindows.push_back(fileBytes("記録.txt"));
    EXPECT_TRUE(game.history().rows().empty());
    host.onRecordWindow = [&] {
      recordsAtWindows.push_back(fileBytes("記録.txt"));
      EXPECT_TRUE(game.history().rows().empty());
    };
  };
  playToEnd(83);
  const std::vector<std::string> tail(host.calls.end() - 2, host.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"record パニックモードのターン記録を更新しました！",
                                            "record パニックモードのタイム記録を更新しました！"}));
  const std::string noRecords = kNoRecordLine + kNoRecordLine + kNoRecordLine;
  ASSERT_EQ(recordsAtWindows.size(), 2u);
  EXPECT_EQ(recordsAtWindows[0],
            noRecords + "20,\"59" + hexBytes("95 AA") + "59" + hexBytes("95 62") + "\"\r\n");
  EXPECT_EQ(recordsAtWindows[1],
            noRecords + "20,\"01" + hexBytes("95 AA") + "23" + hexBytes("95 62") + "\"\r\n");
  EXPECT_EQ(shared.RecordMessage, "パニックモードのタイム記録を更新しました！");
  EXPECT_EQ(game.lblKiroku(), "20");
  EXPECT_FALSE(game.board().Playing());
  EXPECT_TRUE(game.history().fraRirekiVisible());
  EXPECT_TRUE(game.options().cboMondaiEnabled());
  ASSERT_EQ(game.history().rows().size(), 1u);
  EXPECT_EQ(game.history().rows()[0],
            (store::HistoryRow{"2024/01/02", "03:04:05", kPanic, "20回", "01分23秒", "○", "○"}));
  EXPECT_EQ(fileBytes("履歴.txt"),
            "\"2024/01/02\",\"03:04:05\",\"" + hexBytes("83 70 83 6A 83 62 83 4E") + "\",\"20" +
                hexBytes("89 F1") + "\",\"01" + hexBytes("95 AA") + "23" + hexBytes("95 62") +
                "\",\"" + hexBytes("81 9B") + "\",\"" + hexBytes("81 9B") + "\"\r\n");
  const store::HistoryRows stored = folder.readHistory();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], game.history().rows()[0]);

  game.Timer1_Timer();
  EXPECT_EQ(game.lblByou(), "01分23秒");  // the clock stopped with the game
}

TEST_F(MainGameTest, EqualResultsSetNoRecord) {
  ASSERT_TRUE(started());
  shared.best[3] = {20, "01分23秒"};
  folder.saveRecords(shared.best);
  const std::string records = fileBytes("記録.txt");
  game.setAutoSaveBox(0);
  deal(kPanic);
  playToEnd(83);
  EXPECT_EQ(host.calls.back(), FakeHost::waitCall(0.5f));
  EXPECT_EQ(fileBytes("記録.txt"), records);
  EXPECT_TRUE(game.history().fraRirekiVisible());
  EXPECT_TRUE(game.history().rows().empty());

  // The flags stay for a save made afterwards.
  game.cmdHozon_Click();
  game.cmdHozon_Click();
  ASSERT_EQ(game.history().rows().size(), 2u);
  EXPECT_EQ(marksOf(game.history().rows()[1]), "");
}

TEST_F(MainGameTest, TurnOnlyRecordLeavesNoAnnouncementBehind) {
  ASSERT_TRUE(started());
  shared.best[3] = {25, "00分30秒"};
  deal(kPanic);
  playToEnd(83);
  EXPECT_EQ(host.calls.back(), "record パニックモードのターン記録を更新しました！");
  EXPECT_EQ(shared.RecordMessage, "");  // emptied again before the time was compared
  EXPECT_EQ(game.lblKiroku(), "20");
  EXPECT_EQ(folder.loadRecords()[3].time, "00分30秒");
  EXPECT_EQ(lastRow()[5], "○");
  EXPECT_EQ(lastRow()[6], "");
}

TEST_F(MainGameTest, TimeOnlyRecordGoesToTheLevelShownAtTheEnd) {
  ASSERT_TRUE(started());
  shared.best[0] = {18, "05分00秒"};
  deal(kPanic);
  game.cmdYame_Click();
  game.chooseLevel("イージー");
  EXPECT_EQ(game.lblKiroku(), "18");
  playToEnd(83);
  EXPECT_EQ(std::count_if(host.calls.begin(), host.calls.end(),
                          [](const std::string& call) { return call.rfind("record", 0) == 0; }),
            1);
  EXPECT_EQ(host.calls.back(), "record イージーモードのタイム記録を更新しました！");
  EXPECT_EQ(game.lblKiroku(), "18");
  EXPECT_EQ(folder.loadRecords()[0].time, "01分23秒");
  EXPECT_EQ(shared.best[3].time, store::Record::kNoTime);
  EXPECT_EQ(lastRow()[2], "イージー");
  EXPECT_EQ(lastRow()[5], "");
  EXPECT_EQ(lastRow()[6], "○");
}

// ---- History ----

TEST_F(MainGameTest, SaveIsIgnoredDuringAGameAndStoresTheDisplaysOtherwise) {
  ASSERT_TRUE(started());
  game.cmdHozon_Click();
  EXPECT_EQ(fileBytes("履歴.txt"), "\"2024/01/02\",\"03:04:05\",\"" +
                                       hexBytes("83 6D 81 5B 83 7D 83 8B") + "\",\"0" +
                                       hexBytes("89 F1") + "\",\"-----\",\"\",\"\"\r\n");
  deal(kNormal);
  game.cmdHozon_Click();
  game.cmdYame_Click();
  game.cmdHozon_Click();
  EXPECT_EQ(game.history().rows().size(), 1u);
  EXPECT_EQ(folder.readHistory().size(), 1u);
}

TEST_F(MainGameTest, ClearAsksThenEmptiesHistoryAndRecords) {
  ASSERT_TRUE(started());
  deal(kPanic);
  playToEnd(83);
  const std::string history = fileBytes("履歴.txt");
  const std::string records = fileBytes("記録.txt");
  host.calls.clear();

  host.answer = MessageAnswer::Cancel;
  game.cmdClear_Click();
  EXPECT_EQ(host.calls.size(), 1u);
  EXPECT_EQ(fileBytes("履歴.txt"), history);
  EXPECT_EQ(fileBytes("記録.txt"), records);

  host.answer = MessageAnswer::Ok;
  host.calls.clear();
  game.cmdClear_Click();
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{
                FakeHost::messageCall("履歴データをクリアします。よろしいですか？", "クリア確認",
                                      MessageIcon::Exclamation, MessageButtons::OkCancel),
                FakeHost::messageCall("履歴データをクリアしました", "クリア終了",
                                      MessageIcon::Information, MessageButtons::Ok)}));
  EXPECT_EQ(fileBytes("履歴.txt"), "");
  EXPECT_EQ(fileBytes("記録.txt"), kNoRecordLine + kNoRecordLine + kNoRecordLine + kNoRecordLine);
  EXPECT_EQ(game.lblKiroku(), "-----");
  EXPECT_EQ(game.lblByou(), "-----");
  EXPECT_TRUE(game.history().rows().empty());
  EXPECT_EQ(game.history().topRow(), 1);

  game.cmdHozon_Click();
  EXPECT_EQ(folder.readHistory().size(), 1u);
}

TEST_F(MainGameTest, ASaveThatCannotBeStoredAddsNoRow) {
  ASSERT_TRUE(started());
  fs::remove(dir_ / "履歴.txt");
  fs::create_directory(dir_ / "履歴.txt");
  EXPECT_THROW(game.cmdHozon_Click(), store::FileError);
  EXPECT_TRUE(game.history().rows().empty());
}

TEST_F(MainGameTest, HistoryToggleFollowsOnlyItsOwnDoubleClicks) {
  ASSERT_TRUE(started());
  game.fraKiri_DblClick();
  EXPECT_TRUE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_FALSE(game.history().fraRirekiVisible());

  // The end of a game shows the frame and leaves the toggle at 0: the next
  // double-click keeps it shown, the one after hides it.
  deal(kNormal);
  playToEnd(60);
  ASSERT_TRUE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_TRUE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_FALSE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_TRUE(game.history().fraRirekiVisible());

  // A deal hides the frame with the toggle at 1: the next double-click hides it.
  deal(kNormal);
  EXPECT_FALSE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_FALSE(game.history().fraRirekiVisible());
  game.fraKiri_DblClick();
  EXPECT_TRUE(game.history().fraRirekiVisible());
}

// ---- Level and options ----

TEST_F(MainGameTest, ChoosingALevelShowsItsOwnRecords) {
  shared.best[0] = {18, "01分23秒"};
  shared.best[2] = {30, store::Record::kNoTime};
  folder.saveRecords(shared.best);
  ASSERT_TRUE(started());
  game.chooseLevel("イージー");
  EXPECT_EQ(game.lblKiroku(), "18");
  EXPECT_EQ(game.lblByou(), "01分23秒");
  EXPECT_EQ(game.frmKirokuCaption(), "  ターン数　　コマ残り　イージー最短記録        時間記録 ");
  game.chooseLevel(kHard);
  EXPECT_EQ(game.lblKiroku(), "30");
  EXPECT_EQ(game.lblByou(), "-----");
  game.chooseLevel(kPanic);
  EXPECT_EQ(game.lblKiroku(), "-----");
  EXPECT_EQ(game.lblByou(), "-----");
  // A text that is no level changes nothing, in the list or in the file.
  game.chooseLevel("ベリーハード");
  EXPECT_EQ(game.options().cboMondaiText(), kPanic);
  EXPECT_EQ(folder.loadOptions().level, kPanic);
}

TEST_F(MainGameTest, StoredSwitchValuesOtherThanOneLeaveTheBoxesUnticked) {
  writeFile("設定2.txt", hexBytes("22 83 6E 81 5B 83 68 22 2C 32 2C 2D 31 0D 0A"));  // ハード,2,-1
  ASSERT_TRUE(started());
  EXPECT_EQ(game.options().chkNamae(), 0);
  EXPECT_EQ(game.options().chkAs(), 0);
  // The values go back to the file as they were read.
  EXPECT_EQ(fileBytes("設定2.txt"), hexBytes("22 83 6E 81 5B 83 68 22 2C 32 2C 2D 31 0D 0A"));

  // Neither shows names nor saves a finished game.
  deal(kPanic);
  game.cmdKoma_Click(1);
  EXPECT_FALSE(game.board().piece(1).nameVisible);
  playToEnd(60);
  EXPECT_TRUE(game.history().rows().empty());

  // Ticking a box stores 1 for it and keeps the other value.
  game.setAutoSaveBox(1);
  EXPECT_EQ(fileBytes("設定2.txt"), hexBytes("22 83 70 83 6A 83 62 83 4E 22 2C 32 2C 31 0D 0A"));
}

TEST_F(MainGameTest, TheViewIsToldWhatChanged) {
  ASSERT_TRUE(started());
  // All of it, once; there are no faces before the first deal.
  const ViewChanges first = game.takeViewChanges();
  EXPECT_TRUE(first.has(ViewChanges::HistoryRows) && first.hasPiece(40));
  EXPECT_FALSE(first.has(ViewChanges::Deal));
  EXPECT_TRUE(game.takeViewChanges().empty());
  game.Timer1_Timer();
  EXPECT_TRUE(game.takeViewChanges().empty());  // no game, no clock

  deal(kNormal);
  ViewChanges changes = game.takeViewChanges();
  for (const ViewChanges::Part part :
       {ViewChanges::Counters, ViewChanges::Deal, ViewChanges::LevelList}) {
    EXPECT_TRUE(changes.has(part)) << part;
  }
  EXPECT_TRUE(changes.hasPiece(1) && changes.hasPiece(40));

  // A tick that moves the clock changes the clock only; one that does not,
  // nothing.
  clock.advance(1);
  game.Timer1_Timer();
  changes = game.takeViewChanges();
  EXPECT_TRUE(changes.has(ViewChanges::Clock));
  EXPECT_FALSE(changes.hasAnyPiece() || changes.has(ViewChanges::Counters));
  clock.advance(0.2);
  game.Timer1_Timer();
  EXPECT_TRUE(game.takeViewChanges().empty());

  // A turn changes its two pieces and the counters, nothing else.
  turn(1, 5);
  changes = game.takeViewChanges();
  EXPECT_TRUE(changes.has(ViewChanges::Counters));
  for (int i = 1; i <= kPieceCount; ++i) EXPECT_EQ(changes.hasPiece(i), i == 1 || i == 5) << i;
  EXPECT_FALSE(changes.has(ViewChanges::Clock) || changes.has(ViewChanges::Deal));

  game.fraKiri_DblClick();
  changes = game.takeViewChanges();
  EXPECT_TRUE(changes.has(ViewChanges::HistoryFrame));
  EXPECT_FALSE(changes.hasAnyPiece());
  game.setNameDisplayBox(1);
  EXPECT_TRUE(game.takeViewChanges().has(ViewChanges::Switches));
  game.cmdYame_Click();
  EXPECT_TRUE(game.takeViewChanges().has(ViewChanges::LevelList));
  // Another level shows in the list and its records in the frame.
  game.chooseLevel(kHard);
  changes = game.takeViewChanges();
  EXPECT_TRUE(changes.has(ViewChanges::LevelList) && changes.has(ViewChanges::Records));
}

TEST_F(MainGameTest, EveryChangeRewritesAllThreeOptions) {
  ASSERT_TRUE(started());
  writeFile("設定2.txt", "");
  game.chooseLevel(kNormal);  // same values: still written
  EXPECT_EQ(fileBytes("設定2.txt"), hexBytes("22 83 6D 81 5B 83 7D 83 8B 22 2C 30 2C 31 0D 0A"));

  game.setAutoSaveBox(0);
  game.setNameDisplayBox(1);
  EXPECT_EQ(fileBytes("設定2.txt"), hexBytes("22 83 6D 81 5B 83 7D 83 8B 22 2C 31 2C 30 0D 0A"));

  game.setNameDisplayBox(0);
  game.chooseLevel(kHard);
  game.setAutoSaveBox(1);
  EXPECT_EQ(fileBytes("設定2.txt"), hexBytes("22 83 6E 81 5B 83 68 22 2C 30 2C 31 0D 0A"));

  // A disabled list takes no choice.
  game.cmdStart_Click();
  game.chooseLevel(kPanic);
  EXPECT_EQ(game.options().cboMondaiText(), kHard);
  EXPECT_EQ(folder.loadOptions().level, kHard);
}

}  // namespace
}  // namespace polkamina::game
