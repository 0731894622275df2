#include "ui/board_focus.h"

#include <cstdlib>
#include <tuple>

namespace polkamina::ui {

namespace {

struct Cell {
  int row;
  int column;
};

Cell cellOf(int index) { return {index / game::kBoardColumns, index % game::kBoardColumns}; }

// How far `to` lies beyond `from` in the direction, and how far aside.
struct Offset {
  int along;
  int aside;
};

Offset offsetIn(BoardDirection direction, Cell from, Cell to) {
  switch (direction) {
    case BoardDirection::Left:
      return {from.column - to.column, std::abs(to.row - from.row)};
    case BoardDirection::Right:
      return {to.column - from.column, std::abs(to.row - from.row)};
    case BoardDirection::Up:
      return {from.row - to.row, std::abs(to.column - from.column)};
    case BoardDirection::Down:
      return {to.row - from.row, std::abs(to.column - from.column)};
  }
  return {0, 0};
}

}  // namespace

std::optional<int> backInDirection(const BackMap& backs, int from, BoardDirection direction) {
  std::optional<int> best;
  std::tuple<int, int> bestScore;
  for (int index = 0; index < game::kPieceCount; ++index) {
    if (!backs[static_cast<std::size_t>(index)]) {
      continue;
    }
    const Offset offset = offsetIn(direction, cellOf(from), cellOf(index));
    const std::tuple<int, int> score(offset.aside, offset.along);
    if (offset.along > 0 && (!best || score < bestScore)) {
      best = index;
      bestScore = score;
    }
  }
  return best;
}

std::optional<int> nearestBack(const BackMap& backs, int from) {
  std::optional<int> best;
  int bestDistance = 0;
  // Visiting the cells in reading order from the one after `from` lets the
  // first of equally near backs win.
  for (int step = 1; step < game::kPieceCount; ++step) {
    const int index = (from + step) % game::kPieceCount;
    if (!backs[static_cast<std::size_t>(index)]) {
      continue;
    }
    const Cell a = cellOf(from);
    const Cell b = cellOf(index);
    const int distance =
        (a.row - b.row) * (a.row - b.row) + (a.column - b.column) * (a.column - b.column);
    if (!best || distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace polkamina::ui
