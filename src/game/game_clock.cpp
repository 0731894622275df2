#include "game/game_clock.h"

#include <cmath>

namespace polkamina::game {

void GameClock::start(Clock& clock) {
  dealTimeOfDay_ = clock.secondsSinceMidnight();
  dealMonotonic_ = clock.monotonicSeconds();
  StartSec_ = static_cast<std::int32_t>(std::floor(dealTimeOfDay_));
  paused_ = false;
}

void GameClock::tick(Clock& clock) {
  // The playing time runs on the monotonic clock from the deal's time of day,
  // so it turns over with the time of day's seconds and goes on past midnight.
  // The time paused is left out by moving the deal on by its length.
  const double now = paused_ ? pausedAt_ : clock.monotonicSeconds();
  const double played = now - dealMonotonic_;
  ElapsedSec_ = static_cast<std::int32_t>(std::floor(dealTimeOfDay_ + played)) - StartSec_;
}

void GameClock::pause(Clock& clock) {
  if (paused_) return;
  pausedAt_ = clock.monotonicSeconds();
  paused_ = true;
  tick(clock);
}

void GameClock::resume(Clock& clock) {
  if (!paused_) return;
  paused_ = false;
  dealMonotonic_ += clock.monotonicSeconds() - pausedAt_;
}

}  // namespace polkamina::game
