#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace polkamina::store {

// One saved game: date, time, level, turns, clear time and the two record marks.
using HistoryRow = std::array<std::string, 7>;

// The rows of the history file "履歴.txt", oldest first. They are held as
// the file's own bytes and where each row starts, and converted to text only
// when one is asked for: a history of a million games costs its file's size
// in memory, and nothing is converted that is never shown.
class HistoryRows {
 public:
  HistoryRows() = default;

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // Row index (0-based) as text; field(index, k) is its field k alone, or
  // only its first maxChars characters when it has more.
  HistoryRow operator[](std::size_t index) const;
  std::string field(std::size_t index, std::size_t column,
                    std::size_t maxChars = std::numeric_limits<std::size_t>::max()) const;

  // The first `fields` fields of row index (the others left empty) as the
  // file's own bytes (code page 932), unconverted: for reading many rows
  // quickly. The views live as long as the rows are unchanged.
  std::array<std::string_view, std::tuple_size<HistoryRow>::value> rawRow(
      std::size_t index, std::size_t fields = std::tuple_size<HistoryRow>::value) const;

  // Adds a row at the end; throws FileError when it has no code page 932 form.
  void append(const HistoryRow& row);
  void clear();

 private:
  friend HistoryRows parseHistory(std::string bytes, const std::string& fileName);
  HistoryRows(std::string bytes, std::vector<std::size_t> starts)
      : bytes_(std::move(bytes)), starts_(std::move(starts)) {}

  std::string bytes_;                // code page 932, as in the file
  std::vector<std::size_t> starts_;  // where each row's first field begins
};

// The history file's rows; throws FileError naming fileName when its bytes
// are not code page 932 or it ends inside a row.
HistoryRows parseHistory(std::string bytes, const std::string& fileName);
// One row as a line of the file, in code page 932.
std::string formatHistoryRow(const HistoryRow& row, const std::string& fileName);

}  // namespace polkamina::store
