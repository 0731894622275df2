#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/board_size.h"
#include "game/seams.h"
#include "game/view_changes.h"

namespace polkamina::game {

// What one cell of the board shows: the back button cmdKoma(i), the face
// picture imgKoma(i) beneath it and the name label lblKoma(i).
struct Piece {
  bool backVisible = true;        // face down while the back is shown
  bool faceVisible = true;        // hidden once the piece is removed
  bool nameVisible = true;        // the label shows the icon name
  bool nameBorder = true;         // the label's design-time border, removed at start-up
  std::string name;               // the label's caption: the icon dealt to the piece
  std::filesystem::path picture;  // the icon file the deal loads the face from
};

// The board and the turn in progress: the 40 pieces, the deal that fills
// them from the icon set, and the turn and piece counters. Its changes are
// the steps of the deal and of the turn; the main game runs them in order.
// Each step notes in changes which pieces and counters it changed.
class Board {
 public:
  explicit Board(ViewChanges& changes) : changes_(changes) {}

  // Piece 1..40.
  const Piece& piece(int index) const { return pieces_.at(static_cast<std::size_t>(index - 1)); }
  // A back to click: the piece exists and is face down.
  bool hasBack(int index) const;

  bool Playing() const { return Playing_; }
  bool FirstOpen() const { return FirstOpen_; }
  std::int16_t TurnCount() const { return TurnCount_; }
  std::int16_t ZanCount() const { return ZanCount_; }
  // Counts deals, so that a step interrupted by a deal can tell.
  unsigned dealSerial() const { return dealSerial_; }

  // Start-up: the icon set's names, and the name labels without their
  // design-time border, hidden.
  void takeIconSet(std::vector<std::string> names);
  void prepareNameLabels();

  // Whether start-up found the whole icon set; without it there is nothing to deal.
  bool hasIconSet() const;
  // Deals a new game of kindCount different icons, their pictures found in folder.
  void deal(std::int16_t kindCount, const std::filesystem::path& folder, Random& random);
  // The game has ended.
  void stop() { Playing_ = false; }

  // The steps of a turn on piece index, in the order the turn takes them:
  // the piece is turned up, its name shown if asked; as the first piece of a
  // turn it is kept open; as the second it either matches the first, and
  // both are removed, or not, and both are turned back.
  void turnUp(int index, bool showName);
  void keepOpen(int index);
  bool matchesFirst(int index) const;
  void removePair(int index);
  void turnBackPair(int index);
  void closeTurn() { FirstOpen_ = false; }

  // The name display was switched off: every name is hidden at once.
  void hideNames();

 private:
  // Piece 1..40, to be changed.
  Piece& change(int index);
  void drawIconKinds(Random& random);
  void buildPool();
  void fillPieces(const std::filesystem::path& folder, Random& random);
  // The piece of the turn's second click and the first piece.
  std::array<Piece*, 2> pairWithFirst(int index);
  void countTurn();

  ViewChanges& changes_;
  std::array<Piece, kPieceCount> pieces_{};
  bool Playing_ = false;         // a game is running: from the end of a deal to the last pair
  bool FirstOpen_ = false;       // the first piece of a turn is face up, waiting for its partner
  std::string FirstName_;        // icon name of that first piece
  std::int16_t FirstIndex_ = 0;  // piece number of that first piece
  std::int16_t KindCount_ = 0;   // different icons in the current deal
  std::int16_t TurnCount_ = 0;   // turns taken in this game
  std::int16_t ZanCount_ = kPieceCount;  // pieces left on the board; a full board before a deal
  std::vector<std::string> IconName_;    // the icon set's names, in icon-list order
  std::vector<std::string> lstInp_;      // icon names still to be drawn in a deal
  std::vector<std::string> lstKoma_;     // icon kinds drawn for the current deal
  std::vector<std::string> lstKoma2_;    // the pool the pieces are filled from
  unsigned dealSerial_ = 0;              // deals so far
};

}  // namespace polkamina::game
