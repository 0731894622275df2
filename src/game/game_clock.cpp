#include "game/game_clock.h"

#include <cmath>

namespace polkamina::game {

void GameClock::start(Clock& clock) {
  dealTimeOfDay_ = clock.secondsSinceMidnight();
  dealMonotonic_ = clock.monotonicSeconds();
  StartSec_ = static_cast<std::int32_t>(std::floor(dealTimeOfDay_));
}

void GameClock::tick(Clock& clock) {
  // The playing time runs on the monotonic clock from the deal's time of day,
  // so it turns over with the time of day's seconds and goes on past midnight.
  const double played = clock.monotonicSeconds() - dealMonotonic_;
  ElapsedSec_ = static_cast<std::int32_t>(std::floor(dealTimeOfDay_ + played)) - StartSec_;
}

}  // namespace polkamina::game
