#pragma once

#include <cstdint>

#include "game/seams.h"

namespace polkamina::game {

// The clock of a game: the time of day it was dealt and the playing time
// since, taken at each tick of the window timer. A pause stops the playing
// time; it goes on from the same point when the game is resumed.
class GameClock {
 public:
  std::int32_t ElapsedSec() const { return ElapsedSec_; }

  // A game was dealt now.
  void start(Clock& clock);
  // A tick while the game runs.
  void tick(Clock& clock);
  // The game is paused now, which takes a tick of the time so far; resumed.
  void pause(Clock& clock);
  void resume(Clock& clock);

 private:
  std::int32_t StartSec_ = 0;    // time of day of the deal, whole seconds since midnight
  std::int32_t ElapsedSec_ = 0;  // playing time at the last tick, seconds
  double dealMonotonic_ = 0;     // monotonic time of the deal, for play across midnight
  double dealTimeOfDay_ = 0;     // time of day of the deal, with fractions
  double pausedAt_ = 0;          // monotonic time the pause began
  bool paused_ = false;          // the playing time stands still
};

}  // namespace polkamina::game
