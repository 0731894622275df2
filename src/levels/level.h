#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace polkamina::levels {

enum class Level { Easy, Normal, Hard, Panic };

struct LevelInfo {
  Level level;
  const char* name;          // list entry and stored name, for example "ノーマル"
  const char* recordHeader;  // caption of the record frame for this level
  std::int16_t kindCount;    // different icons a deal puts on the board
  const char* turnRecordText;  // announcement of a new best turn count
  const char* timeRecordText;  // announcement of a new best time
};

// The four levels in their fixed order (list, records file, settings window).
const std::array<LevelInfo, 4>& levelTable();

const LevelInfo& levelInfo(Level level);

// The level of that exact name, or nothing for any other text.
std::optional<Level> levelFromName(const std::string& name);

// Index 0..3 of the level in levelTable() and in store::Records.
inline std::size_t levelIndex(Level level) { return static_cast<std::size_t>(level); }

}  // namespace polkamina::levels
