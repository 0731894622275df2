#pragma once

#include <array>
#include <optional>

#include "game/main_game.h"

namespace polkamina::ui {

// Where the keyboard goes on the board. Cells are numbered 0 to 39 row by row;
// only cells that still show a back can hold the focus.
using BackMap = std::array<bool, game::kPieceCount>;

enum class BoardDirection { Left, Right, Up, Down, First, Last };

// The back a key moves to from `from` (any cell, with a back or not). Left and
// Right go to the nearest back along the row, and past its end on to the next
// row with one, round from the last row to the first; Up and Down do the same
// along the column and on to the next column. So each of them passes every
// back in turn, whatever is left. First and Last are the first and last back
// in reading order. None when no other back is left.
std::optional<int> backInDirection(const BackMap& backs, int from, BoardDirection direction);

// The back nearest to `from`, `from` itself excepted, by straight distance in
// cells; a tie goes to the one that follows `from` first in reading order.
std::optional<int> nearestBack(const BackMap& backs, int from);

}  // namespace polkamina::ui
