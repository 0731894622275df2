#include "game/clock_text.h"

#include <algorithm>
#include <optional>

#include "store/translation.h"

namespace polkamina::game {

namespace {

std::string twoDigits(std::int32_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

const std::string kMinuteMark = "分";
const std::string kSecondMark = "秒";

// The digits of a number field with leading zeros removed, so that two such
// fields compare by length first and then character by character, whatever
// their size.
struct Number {
  std::string digits;
};

bool isSmaller(const Number& a, const Number& b) {
  if (a.digits.size() != b.digits.size()) {
    return a.digits.size() < b.digits.size();
  }
  return a.digits < b.digits;
}

// Reads one or more ASCII digits at pos, followed by mark.
std::optional<Number> readField(const std::string& text, std::size_t& pos,
                                const std::string& mark) {
  const std::size_t start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    ++pos;
  }
  if (pos == start || text.compare(pos, mark.size(), mark) != 0) {
    return std::nullopt;
  }
  std::string digits = text.substr(start, pos - start);
  pos += mark.size();
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  return Number{digits};
}

struct Duration {
  Number minutes;
  Number seconds;
};

std::optional<Duration> parseClockText(const std::string& text) {
  std::size_t pos = 0;
  const std::optional<Number> minutes = readField(text, pos, kMinuteMark);
  if (!minutes) {
    return std::nullopt;
  }
  const std::optional<Number> seconds = readField(text, pos, kSecondMark);
  if (!seconds || pos != text.size()) {
    return std::nullopt;
  }
  return Duration{*minutes, *seconds};
}

}  // namespace

std::string clockText(std::int32_t elapsedSeconds) {
  const std::int32_t seconds = std::max<std::int32_t>(elapsedSeconds, 0);
  return twoDigits(seconds / 60) + kMinuteMark + twoDigits(seconds % 60) + kSecondMark;
}

std::string shownClockText(const std::string& clockText) {
  if (!parseClockText(clockText)) return clockText;
  const std::size_t minutesEnd = clockText.find(kMinuteMark);
  const std::size_t secondsStart = minutesEnd + kMinuteMark.size();
  return store::filled(
      store::translated("Clock", "%1分%2秒"),
      {clockText.substr(0, minutesEnd),
       clockText.substr(secondsStart, clockText.size() - secondsStart - kSecondMark.size())});
}

bool isShorterTime(const std::string& a, const std::string& b) {
  const std::optional<Duration> left = parseClockText(a);
  if (!left) {
    return false;
  }
  const std::optional<Duration> right = parseClockText(b);
  if (!right) {
    return true;
  }
  if (isSmaller(left->minutes, right->minutes)) {
    return true;
  }
  if (isSmaller(right->minutes, left->minutes)) {
    return false;
  }
  return isSmaller(left->seconds, right->seconds);
}

}  // namespace polkamina::game
