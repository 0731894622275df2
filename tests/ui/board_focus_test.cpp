#include "ui/board_focus.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

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

TEST(BoardFocus, ArrowsMoveByRowsAndColumnsAndGoRoundPastTheEdges) {
  const BackMap full = fullBoard();
  EXPECT_EQ(backInDirection(full, 0, BoardDirection::Right), 1);
  EXPECT_EQ(backInDirection(full, 0, BoardDirection::Down), 8);
  EXPECT_EQ(backInDirection(full, 9, BoardDirection::Up), 1);
  EXPECT_EQ(backInDirection(full, 9, BoardDirection::Left), 8);
  // Past a row's end on to the next row, past a column's end on to the next
  // column, and from the last round to the first.
  EXPECT_EQ(backInDirection(full, 7, BoardDirection::Right), 8);
  EXPECT_EQ(backInDirection(full, 8, BoardDirection::Left), 7);
  EXPECT_EQ(backInDirection(full, 3, BoardDirection::Up), 34);
  EXPECT_EQ(backInDirection(full, 32, BoardDirection::Down), 1);
  EXPECT_EQ(backInDirection(full, 39, BoardDirection::Down), 0);
  EXPECT_EQ(backInDirection(full, 39, BoardDirection::Right), 0);
  EXPECT_EQ(backInDirection(full, 0, BoardDirection::Up), 39);
  EXPECT_EQ(backInDirection(full, 17, BoardDirection::First), 0);
  EXPECT_EQ(backInDirection(full, 17, BoardDirection::Last), 39);
}

TEST(BoardFocus, ArrowsSkipCellsWithoutABack) {
  EXPECT_EQ(backInDirection(backsOn({0, 6, 9}), 0, BoardDirection::Right), 6);
  EXPECT_EQ(backInDirection(backsOn({0, 13, 31}), 0, BoardDirection::Left), 31);
  EXPECT_EQ(backInDirection(backsOn({4, 35}), 35, BoardDirection::Down), 4);
  // From a cell without a back, as from a face turned up.
  EXPECT_EQ(backInDirection(backsOn({2, 30}), 10, BoardDirection::Up), 2);
  EXPECT_EQ(backInDirection(backsOn({39}), 39, BoardDirection::First), 39);
  // A single back goes nowhere; none at all gives nothing to go to.
  EXPECT_EQ(backInDirection(backsOn({4}), 4, BoardDirection::Down), std::nullopt);
  EXPECT_EQ(backInDirection(backsOn({}), 4, BoardDirection::Last), std::nullopt);
}

// Whatever is left, every back leads to every other one: by each arrow alone,
// and so by the arrows together.
TEST(BoardFocus, EveryBackReachesEveryOtherOnRandomBoards) {
  std::mt19937 random(17);
  const BoardDirection arrows[] = {BoardDirection::Left, BoardDirection::Right, BoardDirection::Up,
                                   BoardDirection::Down};
  for (int board = 0; board < 2000; ++board) {
    BackMap backs{};
    // Boards from nearly full to nearly empty, pairs removed at random.
    const int left = 2 * std::uniform_int_distribution<int>(1, game::kPieceCount / 2)(random);
    for (int placed = 0; placed < left;) {
      const auto cell = static_cast<std::size_t>(
          std::uniform_int_distribution<int>(0, game::kPieceCount - 1)(random));
      if (!backs[cell]) {
        backs[cell] = true;
        ++placed;
      }
    }
    for (int from = 0; from < game::kPieceCount; ++from) {
      if (!backs[static_cast<std::size_t>(from)]) continue;
      for (const BoardDirection arrow : arrows) {
        std::set<int> reached{from};
        int at = from;
        for (int press = 0; press < left; ++press) {
          at = backInDirection(backs, at, arrow).value_or(at);
          ASSERT_TRUE(backs[static_cast<std::size_t>(at)]);
          reached.insert(at);
        }
        ASSERT_EQ(static_cast<int>(reached.size()), left)
            << "board " << board << " from " << from << " by arrow " << static_cast<int>(arrow);
      }
    }
  }
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
