#include "game/progress.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "levels/level.h"
#include "store/cp932.h"

namespace polkamina::game {

namespace {

// Results beyond these are no game anyone played: a damaged row.
constexpr std::int32_t kMostTurns = 32767;
constexpr std::int32_t kMostMinutes = 99999;

// History columns of the level, the turns and the clear time.
constexpr std::size_t kLevelColumn = 2;
constexpr std::size_t kTurnsColumn = 3;
constexpr std::size_t kTimeColumn = 4;

// The marks after the numbers of a turns field and a clear time, in one
// encoding: UTF-8 for text, code page 932 for the history's own bytes.
struct Marks {
  std::string turns;   // 回
  std::string minute;  // 分
  std::string second;  // 秒
};

const Marks& textMarks() {
  static const Marks marks{"回", "分", "秒"};
  return marks;
}

// The marks and the level names as the history file holds them, so that a
// million rows are read without converting one.
struct FileForms {
  Marks marks;
  std::array<std::string, store::kLevelCount> levelNames;
};

const FileForms& fileForms() {
  static const FileForms forms = [] {
    const std::string file = "履歴.txt";
    const Marks& text = textMarks();
    FileForms made{{store::utf8ToCp932(text.turns, file), store::utf8ToCp932(text.minute, file),
                    store::utf8ToCp932(text.second, file)},
                   {}};
    for (std::size_t level = 0; level < made.levelNames.size(); ++level) {
      made.levelNames[level] = store::utf8ToCp932(levels::kLevelTable[level].name, file);
    }
    return made;
  }();
  return forms;
}

// Reads the ASCII digits at pos (at least one, at most maxDigits) and the
// mark that follows them.
std::optional<std::int32_t> readNumber(std::string_view text, std::size_t& pos,
                                       std::string_view mark, std::size_t maxDigits) {
  std::int32_t value = 0;
  const std::size_t start = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (pos - start == maxDigits) return std::nullopt;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (pos == start || text.substr(pos, mark.size()) != mark) return std::nullopt;
  pos += mark.size();
  return value;
}

std::optional<std::int32_t> turnsIn(std::string_view text, const Marks& marks) {
  std::size_t pos = 0;
  const auto turns = readNumber(text, pos, marks.turns, 5);
  if (!turns || pos != text.size() || *turns > kMostTurns) return std::nullopt;
  return turns;
}

std::optional<std::int32_t> secondsIn(std::string_view text, const Marks& marks) {
  std::size_t pos = 0;
  const auto minutes = readNumber(text, pos, marks.minute, 5);
  if (!minutes || *minutes > kMostMinutes) return std::nullopt;
  const auto seconds = readNumber(text, pos, marks.second, 2);
  if (!seconds || *seconds >= 60 || pos != text.size()) return std::nullopt;
  return *minutes * 60 + *seconds;
}

std::optional<std::size_t> levelIn(std::string_view bytes, const FileForms& forms) {
  for (std::size_t level = 0; level < forms.levelNames.size(); ++level) {
    if (bytes == forms.levelNames[level]) return level;
  }
  return std::nullopt;
}

double meanOf(std::vector<std::int32_t>::const_iterator first,
              std::vector<std::int32_t>::const_iterator last) {
  const double sum = std::accumulate(first, last, 0.0);
  return sum / static_cast<double>(last - first);
}

}  // namespace

std::optional<std::int32_t> turnsOfField(const std::string& text) {
  return turnsIn(text, textMarks());
}

std::optional<std::int32_t> secondsOfField(const std::string& text) {
  return secondsIn(text, textMarks());
}

Figures figuresOf(const std::vector<std::int32_t>& series) {
  Figures figures;
  if (series.empty()) return figures;
  figures.games = series.size();
  const auto best = std::min_element(series.begin(), series.end());
  figures.best = *best;
  figures.bestGame = static_cast<std::size_t>(best - series.begin());

  std::vector<std::int32_t> sorted = series;
  const std::size_t middle = sorted.size() / 2;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle),
                   sorted.end());
  figures.median = sorted[middle];
  if (sorted.size() % 2 == 0) {
    // The other middle value is the largest of the lower half.
    const auto lower =
        std::max_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle));
    figures.median = (figures.median + *lower) / 2;
  }
  const std::size_t recent = std::min(series.size(), kRecentGames);
  figures.recent = meanOf(series.end() - static_cast<std::ptrdiff_t>(recent), series.end());
  return figures;
}

Progress readProgress(const store::HistoryRows& rows) {
  const FileForms& forms = fileForms();
  Progress progress;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const auto fields = rows.rawRow(row, kTimeColumn + 1);
    const auto level = levelIn(fields[kLevelColumn], forms);
    const auto turns = turnsIn(fields[kTurnsColumn], forms.marks);
    const auto seconds = secondsIn(fields[kTimeColumn], forms.marks);
    if (!level || !turns || !seconds) {
      ++progress.leftOut;
      continue;
    }
    LevelProgress& games = progress.levels[*level];
    games.turns.push_back(*turns);
    games.seconds.push_back(*seconds);
  }
  return progress;
}

}  // namespace polkamina::game
