#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "store/records.h"
#include "store/translation.h"

namespace polkamina::levels {

enum class Level { Easy, Normal, Hard, Panic };
static_assert(static_cast<std::size_t>(Level::Panic) + 1 == store::kLevelCount,
              "one level for each line of the records file");

struct LevelInfo {
  Level level;
  const char* name;            // list entry and stored name, for example "ノーマル"
  const char* recordHeader;    // caption of the record frame for this level
  std::int16_t kindCount;      // different icons a deal puts on the board
  const char* turnRecordText;  // announcement of a new best turn count
  const char* timeRecordText;  // announcement of a new best time
};

// Index of the level in kLevelTable and in store::Records, from 0.
constexpr std::size_t levelIndex(Level level) { return static_cast<std::size_t>(level); }

// The levels in their fixed order (list, records file, settings window). The
// record headers line their titles up over the four displays of the record
// frame; the spaces are part of that layout. The texts are the Japanese
// source: the names are stored as they are, and every text is translated
// (context "Level") where it is shown.
inline constexpr std::array kLevelTable{
    LevelInfo{
        Level::Easy, store::untranslated("Level", "イージー"),
        store::untranslated("Level", "  ターン数　　コマ残り　イージー最短記録        時間記録 "),
        2, store::untranslated("Level", "イージーモードのターン記録を更新しました！"),
        store::untranslated("Level", "イージーモードのタイム記録を更新しました！")},
    LevelInfo{
        Level::Normal, store::untranslated("Level", "ノーマル"),
        store::untranslated("Level", "  ターン数　　コマ残り　ノーマル最短記録        時間記録 "),
        4, store::untranslated("Level", "ノーマルモードのターン記録を更新しました！"),
        store::untranslated("Level", "ノーマルモードのタイム記録を更新しました！")},
    LevelInfo{
        Level::Hard, store::untranslated("Level", "ハード"),
        store::untranslated("Level", "  ターン数　　コマ残り　 ハード最短記録         時間記録 "),
        10, store::untranslated("Level", "ハードモードのターン記録を更新しました！"),
        store::untranslated("Level", "ハードモードのタイム記録を更新しました！")},
    LevelInfo{
        Level::Panic, store::untranslated("Level", "パニック"),
        store::untranslated("Level", "  ターン数　　コマ残り　パニック最短記録        時間記録 "),
        20, store::untranslated("Level", "パニックモードのターン記録を更新しました！"),
        store::untranslated("Level", "パニックモードのタイム記録を更新しました！")},
};
static_assert(kLevelTable.size() == store::kLevelCount, "one entry for each level");

// Entry i describes the level of index i.
constexpr bool isInLevelOrder() {
  for (std::size_t i = 0; i < kLevelTable.size(); ++i) {
    if (levelIndex(kLevelTable[i].level) != i) return false;
  }
  return true;
}
static_assert(isInLevelOrder(), "the entries in the order of the levels");

const LevelInfo& levelInfo(Level level);

// The level of that exact name, or nothing for any other text.
std::optional<Level> levelFromName(const std::string& name);

}  // namespace polkamina::levels
