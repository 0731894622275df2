#include "game/clock_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "game/seams.h"

namespace polkamina::game {
namespace {

TEST(ClockText, PadsMinutesAndSeconds) {
  EXPECT_EQ(clockText(0), "00分00秒");
  EXPECT_EQ(clockText(-5), "00分00秒");
  // Where a digit is added to the seconds and the minutes.
  EXPECT_EQ(clockText(9), "00分09秒");
  EXPECT_EQ(clockText(10), "00分10秒");
  EXPECT_EQ(clockText(59), "00分59秒");
  EXPECT_EQ(clockText(60), "01分00秒");
  EXPECT_EQ(clockText(599), "09分59秒");
  EXPECT_EQ(clockText(600), "10分00秒");
  EXPECT_EQ(clockText(3599), "59分59秒");
  EXPECT_EQ(clockText(3600), "60分00秒");
  EXPECT_EQ(clockText(5999), "99分59秒");
  EXPECT_EQ(clockText(6000), "100分00秒");
  EXPECT_EQ(clockText(6061), "101分01秒");
  EXPECT_EQ(clockText(60000), "1000分00秒");
}

TEST(ClockText, ComparesAsDurationsStrictly) {
  EXPECT_TRUE(isShorterTime("00分59秒", "01分00秒"));
  EXPECT_TRUE(isShorterTime("99分59秒", "100分00秒"));  // longer text, longer time
  EXPECT_TRUE(isShorterTime("09分59秒", "10分00秒"));
  EXPECT_TRUE(isShorterTime("01分09秒", "01分10秒"));
  EXPECT_FALSE(isShorterTime("01分10秒", "01分09秒"));
  EXPECT_FALSE(isShorterTime("100分00秒", "99分59秒"));
  EXPECT_TRUE(isShorterTime("01分23秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("59分59秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("60分00秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("001分00秒", "01分00秒"));  // leading zeros do not count
  EXPECT_FALSE(isShorterTime("01分00秒", "001分00秒"));
  EXPECT_TRUE(isShorterTime("01分05秒", "001分006秒"));
  // A text that is no clock text counts as the longest time.
  EXPECT_FALSE(isShorterTime("-----", "59分59秒"));
  EXPECT_FALSE(isShorterTime("00分00秒x", "59分59秒"));
  EXPECT_TRUE(isShorterTime("59分59秒", "1分"));
  EXPECT_TRUE(isShorterTime("00分01秒", ""));
  EXPECT_FALSE(isShorterTime("abc", "def"));
}

// The local date and time as a history row holds them, year first.
TEST(SystemClock, DateAndTimeOfAHistoryRow) {
  const auto now = [](bool date) {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    if (date) {
      std::snprintf(text, sizeof text, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                    local.tm_mday);
    } else {
      std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    }
    return std::string(text);
  };
  SystemClock clock;
  // Read before and after, in case the second turns over meanwhile.
  for (bool date : {true, false}) {
    const std::string before = now(date);
    const std::string shown = date ? clock.dateText() : clock.timeText();
    const std::string after = now(date);
    EXPECT_TRUE(shown == before || shown == after) << shown;
  }
}

TEST(TakeRandomEntry, DrawsByPositionAndStaysInsideTheList) {
  // Hands out the numbers given, in turn.
  class Scripted : public Random {
   public:
    explicit Scripted(std::vector<float> values) : values_(std::move(values)) {}
    void reseed() override {}
    float next() override { return values_.at(next_++); }

   private:
    std::vector<float> values_;
    std::size_t next_ = 0;
  };
  std::vector<std::string> list = {"a", "b", "c", "d"};
  // floor(n × r): 4 × 0.49 is position 1, 3 × 0.67 is position 2 ...
  Scripted random({0.49f, 0.67f, 1.0f, 0.0f});
  EXPECT_EQ(takeRandomEntry(random, list), "b");
  EXPECT_EQ(takeRandomEntry(random, list), "d");
  EXPECT_EQ(takeRandomEntry(random, list), "c");  // a generator that returns 1: the last
  EXPECT_EQ(takeRandomEntry(random, list), "a");
  EXPECT_TRUE(list.empty());
}

TEST(SystemSeams, GiveValuesInRange) {
  SystemRandom random;
  random.reseed();
  for (int i = 0; i < 10000; ++i) {
    const float r = random.next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
  SystemClock clock;
  const double now = clock.secondsSinceMidnight();
  EXPECT_GE(now, 0.0);
  EXPECT_LT(now, 86401.0);
  const double earlier = clock.monotonicSeconds();
  EXPECT_LE(earlier, clock.monotonicSeconds());
  // The text's shape, with 9 standing for any digit.
  auto shapeOf = [](std::string text) {
    for (char& c : text) {
      if (c >= '0' && c <= '9') c = '9';
    }
    return text;
  };
  EXPECT_EQ(shapeOf(clock.dateText()), "9999/99/99");
  EXPECT_EQ(shapeOf(clock.timeText()), "99:99:99");
}

}  // namespace
}  // namespace polkamina::game
