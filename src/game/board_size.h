#pragma once

namespace polkamina::game {

// The board: 40 pieces in 5 rows of 8, numbered 1 to 40 row by row.
constexpr int kBoardColumns = 8;
constexpr int kBoardRows = 5;
constexpr int kPieceCount = kBoardColumns * kBoardRows;

}  // namespace polkamina::game
