#include "ui/board_focus.h"

namespace polkamina::ui {

namespace {

struct Cell {
  int row;
  int column;
};

Cell cellOf(int index) { return {index / game::kBoardColumns, index % game::kBoardColumns}; }

// A cell's place when the board is read column by column.
int columnOrder(int index) {
  const Cell cell = cellOf(index);
  return cell.column * game::kBoardRows + cell.row;
}

int cellAtColumnOrder(int order) {
  return (order % game::kBoardRows) * game::kBoardColumns + order / game::kBoardRows;
}

// The first back after `from` (step +1) or before it (step -1), going round
// the board in reading order, or column by column.
std::optional<int> nextBack(const BackMap& backs, int from, int step, bool byColumns) {
  const int start = byColumns ? columnOrder(from) : from;
  for (int distance = 1; distance < game::kPieceCount; ++distance) {
    const int order = (start + step * distance + game::kPieceCount) % game::kPieceCount;
    const int index = byColumns ? cellAtColumnOrder(order) : order;
    if (backs[static_cast<std::size_t>(index)]) return index;
  }
  return std::nullopt;
}

// The first back met from cell `start` on, stepping by `step` in reading order.
std::optional<int> edgeBack(const BackMap& backs, int start, int step) {
  for (int index = start; index >= 0 && index < game::kPieceCount; index += step) {
    if (backs[static_cast<std::size_t>(index)]) return index;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> backInDirection(const BackMap& backs, int from, BoardDirection direction) {
  switch (direction) {
    case BoardDirection::Left:
      return nextBack(backs, from, -1, false);
    case BoardDirection::Right:
      return nextBack(backs, from, +1, false);
    case BoardDirection::Up:
      return nextBack(backs, from, -1, true);
    case BoardDirection::Down:
      return nextBack(backs, from, +1, true);
    case BoardDirection::First:
      return edgeBack(backs, 0, +1);
    case BoardDirection::Last:
      return edgeBack(backs, game::kPieceCount - 1, -1);
  }
  return std::nullopt;
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
