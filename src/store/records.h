#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace polkamina::store {

// Best results of one level. The no-record values take part in comparisons
// like any other value.
struct Record {
  std::int16_t turns = kNoTurns;
  std::string time = kNoTime;

  static constexpr std::int16_t kNoTurns = 9999;
  static constexpr const char* kNoTime = "59分59秒";
};

// One record per level, in the order Easy, Normal, Hard, Panic.
using Records = std::array<Record, 4>;

}  // namespace polkamina::store
