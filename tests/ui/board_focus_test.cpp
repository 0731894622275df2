#include "ui/board_focus.h"

#include <gtest/gtest.h>

namespace polkamina::ui {
namespace {

// A board with backs on the given cells (0..39) only.
BackMap backsOn(std::initializer_list<int> cells) {
  BackMap backs{};
  for (const int cell : cells) {
    backs[static_cast<std::size_t>(cell)] = true;
  }
  return backs;
}

BackMap fullBoard() {
  BackMap backs{};
  backs.fill(true);
  return backs;
}

TEST(BoardFocus, ArrowsMoveByRowsAndColumnsAndStopAtTheEdges) {
  const BackMap full = fullBoard();
  EXPECT_EQ(backInDirection(full, 0, BoardDirection::Right), 1);
  EXPECT_EQ(backInDirection(full, 0, BoardDirection::Down), 8);
  EXPECT_EQ(backInDirection(full, 9, BoardDirection::Up), 1);
  EXPECT_EQ(backInDirection(full, 9, BoardDirection::Left), 8);
  // No wrapping to the next row or column.
  EXPECT_EQ(backInDirection(full, 7, BoardDirection::Right), std::nullopt);
  EXPECT_EQ(backInDirection(full, 8, BoardDirection::Left), std::nullopt);
  EXPECT_EQ(backInDirection(full, 3, BoardDirection::Up), std::nullopt);
  EXPECT_EQ(backInDirection(full, 39, BoardDirection::Down), std::nullopt);
}

TEST(BoardFocus, ArrowsSkipCellsWithoutABack) {
  // Along the row over gaps, before any nearer cell on another row.
  EXPECT_EQ(backInDirection(backsOn({0, 6, 9}), 0, BoardDirection::Right), 6);
  // With none left on its own row, the nearest row that has one beyond.
  EXPECT_EQ(backInDirection(backsOn({0, 13, 31}), 0, BoardDirection::Right), 13);
  // Rows above and below as near: the first in reading order.
  EXPECT_EQ(backInDirection(backsOn({4, 11, 20}), 11, BoardDirection::Right), 4);
  EXPECT_EQ(backInDirection(backsOn({4, 36}), 4, BoardDirection::Down), 36);
  EXPECT_EQ(backInDirection(backsOn({4, 35}), 4, BoardDirection::Down), 35);
  EXPECT_EQ(backInDirection(backsOn({4}), 4, BoardDirection::Down), std::nullopt);
}

TEST(BoardFocus, ATurnedPieceHandsTheFocusToTheNearestBack) {
  BackMap backs = fullBoard();
  backs[9] = false;
  EXPECT_EQ(nearestBack(backs, 9), 10);  // right, then below, above, left
  backs[10] = false;
  EXPECT_EQ(nearestBack(backs, 9), 17);
  EXPECT_EQ(nearestBack(backsOn({0, 39}), 20), 39);  // (4,7) is nearer than (0,0) to (2,4)
  EXPECT_EQ(nearestBack(backsOn({39}), 39), std::nullopt);
  EXPECT_EQ(nearestBack(backsOn({}), 5), std::nullopt);
}

}  // namespace
}  // namespace polkamina::ui
