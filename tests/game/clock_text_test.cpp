#include "game/clock_text.h"

#include <gtest/gtest.h>

#include <string>

#include "game/seams.h"

namespace polkamina::game {
namespace {

TEST(ClockText, PadsMinutesAndSeconds) {
  EXPECT_EQ(clockText(0), "00分00秒");
  EXPECT_EQ(clockText(59), "00分59秒");
  EXPECT_EQ(clockText(60), "01分00秒");
  EXPECT_EQ(clockText(3599), "59分59秒");
  EXPECT_EQ(clockText(3600), "60分00秒");
  EXPECT_EQ(clockText(6000), "100分00秒");
  EXPECT_EQ(clockText(6061), "101分01秒");
}

TEST(ClockText, ComparesAsDurationsStrictly) {
  EXPECT_TRUE(isShorterTime("00分59秒", "01分00秒"));
  EXPECT_TRUE(isShorterTime("99分59秒", "100分00秒"));  // longer text, longer time
  EXPECT_FALSE(isShorterTime("100分00秒", "99分59秒"));
  EXPECT_TRUE(isShorterTime("01分23秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("59分59秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("60分00秒", "59分59秒"));
  EXPECT_FALSE(isShorterTime("001分00秒", "01分00秒"));  // leading zeros do not count
  // A text that is no clock text counts as the longest time.
  EXPECT_FALSE(isShorterTime("-----", "59分59秒"));
  EXPECT_FALSE(isShorterTime("00分00秒x", "59分59秒"));
  EXPECT_TRUE(isShorterTime("59分59秒", "1分"));
  EXPECT_TRUE(isShorterTime("00分01秒", ""));
  EXPECT_FALSE(isShorterTime("abc", "def"));
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
