#include "game/progress.h"

#include <gtest/gtest.h>

#include <string>

#include "store/history.h"

namespace polkamina::game {
namespace {

// History rows as the file holds them, from "level,turns,time" lines in UTF-8.
store::HistoryRows historyOf(const std::vector<std::string>& games) {
  store::HistoryRows rows;
  for (const std::string& game : games) {
    const std::size_t first = game.find(',');
    const std::size_t second = game.find(',', first + 1);
    rows.append({"2024/01/02", "10:00:00", game.substr(0, first),
                 game.substr(first + 1, second - first - 1), game.substr(second + 1), "", ""});
  }
  return rows;
}

TEST(Progress, FieldsAreReadOnlyInTheFormsTheGameWrites) {
  EXPECT_EQ(turnsOfField("24回"), 24);
  EXPECT_EQ(turnsOfField("0回"), 0);
  EXPECT_EQ(turnsOfField("32767回"), 32767);
  for (const char* damaged : {"", "回", "24", "24回 ", " 24回", "-1回", "32768回", "999999回",
                              "000024回", "２４回", "24回回"}) {
    EXPECT_EQ(turnsOfField(damaged), std::nullopt) << damaged;
  }
  EXPECT_EQ(secondsOfField("01分23秒"), 83);
  EXPECT_EQ(secondsOfField("100分00秒"), 6000);
  EXPECT_EQ(secondsOfField("99999分59秒"), 99999 * 60 + 59);
  EXPECT_EQ(secondsOfField("0分5秒"), 5);
  for (const char* damaged : {"", "01分", "01分60秒", "分23秒", "01:23", "01分23秒x", "-----",
                              "100000分00秒", "01分123秒", "000001分00秒", "01分023秒"}) {
    EXPECT_EQ(secondsOfField(damaged), std::nullopt) << damaged;
  }
}

TEST(Progress, FiguresOfAKnownHistory) {
  const store::HistoryRows rows = historyOf({
      "ノーマル,30回,01分40秒", "イージー,25回,00分50秒", "ノーマル,24回,02分00秒",
      "Normal,30回,01分00秒",  // no level of the game
      "ノーマル,28回,01分10秒",
      "ノーマル,二十回,01分00秒",  // damaged turns
      "ノーマル,24回,01分10秒", "ハード,40回,03分00秒",
      "ハード,41回,99分99秒",  // damaged time
  });
  const Progress progress = readProgress(rows);
  EXPECT_EQ(progress.leftOut, 3u);
  const LevelProgress& normal = progress.levels[1];
  EXPECT_EQ(normal.turns, (std::vector<std::int32_t>{30, 24, 28, 24}));
  EXPECT_EQ(normal.seconds, (std::vector<std::int32_t>{100, 120, 70, 70}));
  EXPECT_TRUE(progress.levels[3].turns.empty());

  const Figures turns = figuresOf(normal.turns);
  EXPECT_EQ(turns.games, 4u);
  EXPECT_EQ(turns.best, 24);
  EXPECT_EQ(turns.bestGame, 1u);  // the first game that reached it
  EXPECT_DOUBLE_EQ(turns.median, 26);
  EXPECT_DOUBLE_EQ(turns.recent, 26.5);
  const Figures times = figuresOf(normal.seconds);
  EXPECT_EQ(times.best, 70);
  EXPECT_EQ(times.bestGame, 2u);
  EXPECT_DOUBLE_EQ(times.median, 85);
  EXPECT_EQ(figuresOf(progress.levels[2].turns).median, 40);

  // Recent figures are the last ten games'; the median is of all of them.
  std::vector<std::int32_t> many(15, 100);
  for (std::size_t i = 5; i < many.size(); ++i) many[i] = 20;
  const Figures manyFigures = figuresOf(many);
  EXPECT_DOUBLE_EQ(manyFigures.recent, 20);
  EXPECT_DOUBLE_EQ(manyFigures.median, 20);
  EXPECT_EQ(figuresOf({}).games, 0u);
}

TEST(Progress, AMillionGamesAreReadWhole) {
  std::string bytes;
  const std::string normal = "\x83m\x81[\x83}\x83\x8b";  // ノーマル in code page 932
  for (int i = 0; i < 1000000; ++i) {
    bytes += "\"2024/01/02\",\"10:00:00\",\"" + normal + "\",\"" + std::to_string(20 + i % 50) +
             "\x89\xf1\",\"01\x95\xaa" + std::to_string(10 + i % 50) + "\x95\x62\",\"\",\"\"\r\n";
  }
  bytes += "\"broken\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  const store::HistoryRows rows = store::parseHistory(bytes, "履歴.txt");
  const Progress progress = readProgress(rows);
  const Figures figures = figuresOf(progress.levels[1].turns);
  EXPECT_EQ(progress.levels[1].turns.size(), 1000000u);
  EXPECT_EQ(progress.leftOut, 1u);
  EXPECT_EQ(figures.best, 20);
  EXPECT_EQ(figures.bestGame, 0u);
  EXPECT_DOUBLE_EQ(figures.median, 44.5);
  EXPECT_DOUBLE_EQ(figures.recent, 64.5);  // the last ten of each fifty: 60 to 69
}

}  // namespace
}  // namespace polkamina::game
