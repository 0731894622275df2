#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace polkamina::game {

// Time as the game reads it.
class Clock {
 public:
  virtual ~Clock() = default;
  // Time of day in seconds since local midnight, with fractions.
  virtual double secondsSinceMidnight() = 0;
  // Seconds from a fixed point, never going back (not the time of day).
  virtual double monotonicSeconds() = 0;
  // The current local date as "yyyy/mm/dd" and time as "hh:nn:ss".
  virtual std::string dateText() = 0;
  virtual std::string timeText() = 0;
};

// Pseudo-random numbers for the deal and the settings window's catalogue.
class Random {
 public:
  virtual ~Random() = default;
  // Starts a new sequence seeded from the clock.
  virtual void reseed() = 0;
  // A number uniform in [0, 1), in single precision.
  virtual float next() = 0;
};

// Removes and returns an entry of a non-empty list, drawn uniformly: position
// floor(n × r) of the n entries for the next number r. The deal and the
// settings window's catalogue both draw this way.
std::string takeRandomEntry(Random& random, std::vector<std::string>& list);

class SystemClock : public Clock {
 public:
  double secondsSinceMidnight() override;
  double monotonicSeconds() override;
  std::string dateText() override;
  std::string timeText() override;
};

class SystemRandom : public Random {
 public:
  void reseed() override;
  float next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace polkamina::game
