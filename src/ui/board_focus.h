#pragma once

#include <array>
#include <optional>

#include "game/main_game.h"

namespace polkamina::ui {

// Where the keyboard goes on the board. Cells are numbered 0 to 39 row by row;
// only cells that still show a back can hold the focus.
using BackMap = std::array<bool, game::kPieceCount>;

enum class BoardDirection { Left, Right, Up, Down };

// The back an arrow key moves to from `from`: of the backs beyond it in that
// direction, one on the nearest row (column, for Up and Down), and of those the
// nearest; a tie goes to the one first in reading order. None at the edge.
std::optional<int> backInDirection(const BackMap& backs, int from, BoardDirection direction);

// The back nearest to `from`, `from` itself excepted, by straight distance in
// cells; a tie goes to the one that follows `from` first in reading order.
std::optional<int> nearestBack(const BackMap& backs, int from);

}  // namespace polkamina::ui
