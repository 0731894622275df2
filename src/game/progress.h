#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/history.h"
#include "store/records.h"

namespace polkamina::game {

// Games the recent figures are taken over.
constexpr std::size_t kRecentGames = 10;

// The figures of one series of results (turns, or seconds), oldest first.
struct Figures {
  std::size_t games = 0;     // results in the series
  std::int32_t best = 0;     // the lowest result
  std::size_t bestGame = 0;  // the first game (0-based) with the best result
  double median = 0;         // the middle result; of an even count, the mean of the middle two
  double recent = 0;         // the mean of the last kRecentGames results, or of all when fewer
};

// Figures of a series; all zero for an empty one.
Figures figuresOf(const std::vector<std::int32_t>& series);

// The finished games of one level, in the order they were saved.
struct LevelProgress {
  std::vector<std::int32_t> turns;    // turns taken
  std::vector<std::int32_t> seconds;  // clear time in seconds
};

// The history read as progress, level by level, in the order of the levels.
struct Progress {
  std::array<LevelProgress, store::kLevelCount> levels;
  std::size_t leftOut = 0;  // rows that are damaged or of no level, not counted
};

// Reads every row of the history: its level, turns and clear time. A row
// whose level is none of the four, or whose turns or time cannot be read,
// is left out and counted.
Progress readProgress(const store::HistoryRows& rows);

// A turns field as the history holds it, "24回"; nothing for any other text.
std::optional<std::int32_t> turnsOfField(const std::string& text);
// A clear time as the history holds it, "01分23秒" (seconds below 60);
// nothing for any other text.
std::optional<std::int32_t> secondsOfField(const std::string& text);

}  // namespace polkamina::game
