#pragma once

#include <bitset>

#include "game/board_size.h"

namespace polkamina::game {

// What the game changed of what the main window shows, gathered as the game
// changes it, so that the view redraws only that: the parts below, and which
// of the 40 pieces.
class ViewChanges {
 public:
  enum Part : unsigned {
    Counters = 1u << 0,      // lblTrun and lblZan
    Clock = 1u << 1,         // lblByou
    Records = 1u << 2,       // lblKiroku and the record frame's caption
    LevelList = 1u << 3,     // cboMondai's selection and whether it takes a choice
    Switches = 1u << 4,      // chkNamae and chkAs
    Deal = 1u << 5,          // the faces and names a deal put on the pieces
    HistoryFrame = 1u << 6,  // fraRireki shown or hidden
    HistoryRows = 1u << 7,   // the rows of the history grid
    Pause = 1u << 8,         // the game paused or resumed: the cover over the board
  };

  // Everything a view that has shown nothing yet draws: every part and
  // piece. A deal's faces and names come with the deal.
  static ViewChanges everything();

  void add(Part part) { parts_ |= part; }
  // Piece 1..40 shows another state (its back, face or name).
  void addPiece(int index) { pieces_.set(static_cast<std::size_t>(index - 1)); }
  void addEveryPiece() { pieces_.set(); }

  bool has(Part part) const { return (parts_ & part) != 0; }
  bool hasPiece(int index) const { return pieces_.test(static_cast<std::size_t>(index - 1)); }
  bool hasAnyPiece() const { return pieces_.any(); }
  bool empty() const { return parts_ == 0 && pieces_.none(); }

 private:
  unsigned parts_ = 0;                 // the Part values changed
  std::bitset<kPieceCount> pieces_{};  // bit i - 1 for piece i
};

}  // namespace polkamina::game
