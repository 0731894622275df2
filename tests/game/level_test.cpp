#include "levels/level.h"

#include <gtest/gtest.h>

#include "levels/record_display.h"

namespace polkamina::levels {
namespace {

std::size_t codePoints(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text) {
    count += (c & 0xC0) != 0x80;
  }
  return count;
}

TEST(LevelTable, HoldsTheFourLevelsInOrder) {
  const auto& table = kLevelTable;
  const char* names[] = {"イージー", "ノーマル", "ハード", "パニック"};
  const int kinds[] = {2, 4, 10, 20};
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(levelIndex(table[i].level), i);
    EXPECT_STREQ(table[i].name, names[i]);
    EXPECT_EQ(table[i].kindCount, kinds[i]);
    EXPECT_EQ(levelFromName(names[i]), table[i].level);
    EXPECT_EQ(std::string(table[i].turnRecordText),
              std::string(names[i]) + "モードのターン記録を更新しました！");
    EXPECT_EQ(std::string(table[i].timeRecordText),
              std::string(names[i]) + "モードのタイム記録を更新しました！");
    EXPECT_EQ(codePoints(table[i].recordHeader), table[i].level == Level::Hard ? 35u : 34u);
  }
  EXPECT_STREQ(levelInfo(Level::Hard).recordHeader,
               "  ターン数　　コマ残り　 ハード最短記録         時間記録 ");
  EXPECT_STREQ(levelInfo(Level::Panic).recordHeader,
               "  ターン数　　コマ残り　パニック最短記録        時間記録 ");
  // Names compare exactly.
  EXPECT_FALSE(levelFromName(""));
  EXPECT_FALSE(levelFromName(" ハード"));
  EXPECT_FALSE(levelFromName("ハード "));
  EXPECT_FALSE(levelFromName("ﾊｰﾄﾞ"));
}

TEST(RecordDisplay, ShowsPlaceholderOnlyForTheNoRecordValues) {
  const store::Record none;
  EXPECT_EQ(bestTurnsDisplay(none), "-----");
  EXPECT_EQ(bestTurnsDisplayWithUnit(none), "-----");
  EXPECT_EQ(bestTimeDisplay(none), "-----");

  const store::Record set{12, "01分23秒"};
  EXPECT_EQ(bestTurnsDisplay(set), "12");
  EXPECT_EQ(bestTurnsDisplayWithUnit(set), "12回");
  EXPECT_EQ(bestTimeDisplay(set), "01分23秒");
  // Each half of a record is judged on its own.
  EXPECT_EQ(bestTimeDisplay(store::Record{12, store::Record::kNoTime}), "-----");
  EXPECT_EQ(bestTurnsDisplay(store::Record{9998, "59分58秒"}), "9998");
}

}  // namespace
}  // namespace polkamina::levels
