#include "levels/level.h"

namespace polkamina::levels {

const LevelInfo& levelInfo(Level level) { return kLevelTable[levelIndex(level)]; }

std::optional<Level> levelFromName(const std::string& name) {
  for (const LevelInfo& info : kLevelTable) {
    if (name == info.name) {
      return info.level;
    }
  }
  return std::nullopt;
}

}  // namespace polkamina::levels
