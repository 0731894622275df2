#pragma once

#include <cstdint>
#include <string>

namespace polkamina::game {

// Clock text of a playing time: minutes in at least two digits and "分", then
// seconds in two digits and "秒" (01分23秒, 100分00秒).
std::string clockText(std::int32_t elapsedSeconds);

// True when clock text a is a strictly shorter time than b, compared as
// durations (minutes, then seconds). A text that is not a clock text (an
// edited records file) counts as longer than every clock text.
bool isShorterTime(const std::string& a, const std::string& b);

// A clock text as the player's language writes it (English: 01:23), for
// showing; the files keep the clock text. Any other text stays as it is.
std::string shownClockText(const std::string& clockText);

}  // namespace polkamina::game
