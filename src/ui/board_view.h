#pragma once

#include <QFrame>
#include <QPoint>
#include <array>
#include <optional>

#include "game/board.h"
#include "game/view_changes.h"
#include "ui/board_focus.h"

class QLabel;

namespace polkamina::ui {

class InputWatcher;
class PieceButton;
class PieceFace;

// The board frame fraKiri and the 40 pieces on it, each a back cmdKoma(i), a
// face imgKoma(i) and a name lblKoma(i). The window places its other game
// controls in the frame too. The board tells of a piece chosen (clicked, or
// Space or Return on it), of the end of a turn and of a double-click on the
// frame's bare area; the arrow keys, Home and End move the keyboard focus over
// the backs, and a screen reader hears each piece by its place and state. A
// piece turned up holds the focus on its face until its turn ends.
class BoardView : public QFrame {
  Q_OBJECT

 public:
  // The window's input, to tell where each press of the mouse lands.
  BoardView(QWidget* parent, InputWatcher* input);

  // Makes the pieces, above the controls made in the frame so far.
  void addPieces();
  // Puts the pieces in the tab order after previous, as one stop; returns the
  // last of them.
  QWidget* chainTabOrder(QWidget* previous);

  // The faces and names of a new deal.
  void showDeal(const game::Board& board);
  // The pieces that changes names, as board has them now.
  void showPieces(const game::Board& board, const game::ViewChanges& changes);

  // While something covers the board, no piece takes the keyboard focus.
  void setCovered(bool covered);
  // While the game is paused nothing of the deal shows, nor is it told to a
  // screen reader; afterwards the pieces show as board has them.
  void hideDeal(bool hidden, const game::Board& board);
  bool hasFocusOnAPiece() const;
  // Whether a piece shows at that point of the screen: its back, or its face
  // or name once turned.
  bool isPieceAt(const QPoint& globalPosition) const;
  // Gives the keyboard focus to the piece that holds the board's tab stop.
  void focusTabStop();

 signals:
  void pieceChosen(int index);  // piece 1..40
  // The two pieces of a turn were removed (matched) or turned back.
  void turnEnded(bool matched);
  void bareFrameDoubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The three controls of a piece, and what the board shows of it.
  struct Piece {
    PieceButton* back = nullptr;
    PieceFace* face = nullptr;
    QLabel* name = nullptr;
    game::Piece shown;
  };

  void notePress(QWidget* receiver, QPoint position);
  bool isBare(const QPoint& position) const;

  void showPiece(int cell, const game::Piece& state, bool showing);
  BackMap shownBacks() const;
  std::optional<int> focusedCell() const;
  void moveFocusAfter(const game::Board& board, std::optional<int> turnedUp);
  void moveFocus(int from, BoardDirection direction);
  void focusPiece(int cell);
  void takeTabStop(int cell);
  void applyTabStop();

  std::array<Piece, game::kPieceCount> pieces_{};
  int tabStop_ = 0;                  // cell 0..39 of the piece the Tab key reaches
  bool covered_ = false;             // the history or the pause cover lies over the board
  bool dealHidden_ = false;          // the game is paused: no piece shows
  bool lastPressElsewhere_ = false;  // the window's last press missed the bare frame
};

}  // namespace polkamina::ui
