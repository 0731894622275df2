#pragma once

#include <cstdint>

#include "game/seams.h"

namespace polkamina::game {

// The clock of a game: the time of day it was dealt and the playing time
// since, taken at each tick of the window timer.
class GameClock {
 public:
  std::int32_t ElapsedSec() const { return ElapsedSec_; }

  // A game was dealt now.
  void start(Clock& clock);
  // A tick while the game runs.
  void tick(Clock& clock);

 private:
  std::int32_t StartSec_ = 0;    // time of day of the deal, whole seconds since midnight
  std::int32_t ElapsedSec_ = 0;  // playing time at the last tick, seconds
  double dealMonotonic_ = 0;     // monotonic time of the deal, for play across midnight
  double dealTimeOfDay_ = 0;     // time of day of the deal, with fractions
};

}  // namespace polkamina::game
