#include "levels/level.h"

namespace polkamina::levels {

// The record headers line their titles up over the four displays of the
// record frame; the spaces are part of that layout.
const std::array<LevelInfo, 4>& levelTable() {
  static const std::array<LevelInfo, 4> table{{
      {Level::Easy, "イージー", "  ターン数　　コマ残り　イージー最短記録        時間記録 ", 2,
       "イージーモードのターン記録を更新しました！", "イージーモードのタイム記録を更新しました！"},
      {Level::Normal, "ノーマル", "  ターン数　　コマ残り　ノーマル最短記録        時間記録 ", 4,
       "ノーマルモードのターン記録を更新しました！", "ノーマルモードのタイム記録を更新しました！"},
      {Level::Hard, "ハード", "  ターン数　　コマ残り　 ハード最短記録         時間記録 ", 10,
       "ハードモードのターン記録を更新しました！", "ハードモードのタイム記録を更新しました！"},
      {Level::Panic, "パニック", "  ターン数　　コマ残り　パニック最短記録        時間記録 ", 20,
       "パニックモードのターン記録を更新しました！", "パニックモードのタイム記録を更新しました！"},
  }};
  return table;
}

const LevelInfo& levelInfo(Level level) { return levelTable()[levelIndex(level)]; }

std::optional<Level> levelFromName(const std::string& name) {
  for (const LevelInfo& info : levelTable()) {
    if (name == info.name) {
      return info.level;
    }
  }
  return std::nullopt;
}

}  // namespace polkamina::levels
