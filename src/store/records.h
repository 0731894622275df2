#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace polkamina::store {

// The game's levels; the records file holds one line for each.
constexpr std::size_t kLevelCount = 4;

// Best results of one level. The no-record values take part in comparisons
// like any other value.
struct Record {
  std::int16_t turns = kNoTurns;
  std::string time = kNoTime;

  static constexpr std::int16_t kNoTurns = 9999;
  static constexpr const char* kNoTime = "59分59秒";
};

// One record per level, in the order Easy, Normal, Hard, Panic.
using Records = std::array<Record, kLevelCount>;

}  // namespace polkamina::store
