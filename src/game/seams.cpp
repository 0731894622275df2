#include "game/seams.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace polkamina::game {

namespace {

struct LocalNow {
  std::tm fields{};
  double fraction = 0;  // part of the current second already gone
};

LocalNow localNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t whole = std::chrono::system_clock::to_time_t(now);
  LocalNow result;
  localtime_r(&whole, &result.fields);
  const std::chrono::duration<double> sinceWhole =
      now - std::chrono::system_clock::from_time_t(whole);
  result.fraction = sinceWhole.count();
  return result;
}

std::string formatLocalNow(const char* format) {
  const LocalNow now = localNow();
  char buffer[32];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &now.fields);
  return std::string(buffer, length);
}

}  // namespace

double SystemClock::secondsSinceMidnight() {
  const LocalNow now = localNow();
  const int wholeSeconds = now.fields.tm_hour * 3600 + now.fields.tm_min * 60 + now.fields.tm_sec;
  return wholeSeconds + now.fraction;
}

double SystemClock::monotonicSeconds() {
  const std::chrono::duration<double> sinceStart =
      std::chrono::steady_clock::now().time_since_epoch();
  return sinceStart.count();
}

std::string SystemClock::dateText() { return formatLocalNow("%Y/%m/%d"); }

std::string SystemClock::timeText() { return formatLocalNow("%H:%M:%S"); }

std::string takeRandomEntry(Random& random, std::vector<std::string>& list) {
  const double scaled = static_cast<double>(list.size()) * static_cast<double>(random.next());
  // Stays inside the list even for a generator that returns 1.
  const std::size_t position = std::min(static_cast<std::size_t>(scaled), list.size() - 1);
  std::string entry = list[position];
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
  return entry;
}

void SystemRandom::reseed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937::result_type>(ticks));
}

float SystemRandom::next() {
  // The top 24 bits fill a float's mantissa exactly, so the result is never 1.
  constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24
  return static_cast<float>(engine_() >> 8) * kScale;
}

}  // namespace polkamina::game
