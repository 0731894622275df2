#include "ui/board_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <filesystem>
#include <map>
#include <optional>

#include "ui/design.h"
#include "ui/focus_visibility.h"
#include "ui/icon_name_label.h"
#include "ui/input_watcher.h"
#include "ui/picture_button.h"
#include "ui/piece_button.h"
#include "ui/piece_face.h"
#include "ui/shown_text.h"
#include "ui/system/accessible_roles.h"
#include "ui/system/art.h"
#include "ui/system/fonts.h"
#include "ui/system/picture.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using system::twipsRect;

// Lefts of the backs by column and tops by row, in the frame's twips; the
// faces and names are spaced by whole cells.
constexpr std::array kBackLefts = {150, 1264, 2378, 3492, 4606, 5720, 6834, 7950};
constexpr std::array kBackTops = {1125, 1950, 2775, 3600, 4425};
static_assert(kBackLefts.size() == game::kBoardColumns && kBackTops.size() == game::kBoardRows);
constexpr int kBackWidth = 1080;
constexpr int kBackHeight = 780;

int columnOf(int cell) { return cell % game::kBoardColumns; }
int rowOf(int cell) { return cell / game::kBoardColumns; }

bool isFaceUp(const game::Piece& piece) { return piece.faceVisible && !piece.backVisible; }

// What a screen reader tells of a piece: its place and state, and its icon's
// name only while the piece is face up.
QString pieceName(int cell, const game::Piece& piece) {
  const QString place = cellPlace(cell, game::kBoardColumns);
  if (piece.backVisible) return QCoreApplication::translate("Board", "%1 伏せてある").arg(place);
  if (piece.faceVisible)
    return QCoreApplication::translate("Board", "%1 めくれている %2")
        .arg(place, shownName(piece.name));
  return QCoreApplication::translate("Board", "%1 取り除かれた").arg(place);
}

}  // namespace

BoardView::BoardView(QWidget* parent, InputWatcher* input) : QFrame(parent) {
  // A face is told as the picture it is, whether or not Qt has its pixmap yet.
  system::useAccessibleRole(PieceFace::staticMetaObject.className(), QAccessible::Graphic);
  setObjectName("fraKiri");
  setGeometry(twipsRect(150, 1350, 9165, 5325));
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setToolTip(
      QCoreApplication::translate("Board", "フレームをダブルクリックするとプレイ履歴を表示します"));
  setAccessibleName(QCoreApplication::translate("Board", "盤面"));
  setAccessibleDescription(QCoreApplication::translate(
      "Board", "フレームをダブルクリックするか Ctrl+H を押すとプレイ履歴を表示します"));
  connect(input, &InputWatcher::mousePressed, this, &BoardView::notePress);
}

void BoardView::addPieces() {
  // Made in this order so that the backs lie above the faces and names.
  const QFont nameFont = system::outsideTextFont(system::kPGothic, design::kNamePoints);
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    const QString index = QString::number(cell + 1);
    const int left = design::kCellWidth * columnOf(cell);
    const int top = design::kCellHeight * rowOf(cell);
    Piece& piece = pieces_[static_cast<std::size_t>(cell)];
    piece.face =
        placed(new PieceFace(this), "imgKoma_" + index,
               twipsRect(375 + left, 1200 + top, design::kPictureSide, design::kPictureSide));
    piece.face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(piece.face, &PieceFace::boardKeyPressed, this,
            [this, cell](BoardDirection direction) { moveFocus(cell, direction); });
    piece.name = iconNameLabel(
        this, "lblKoma_" + index,
        twipsRect(105 + left, 1665 + top, design::kNameWidth, design::kNameHeight), nameFont);
  }
  // The focus on a face is framed around the picture.
  auto* ring = new FocusRing(this);
  for (const Piece& piece : pieces_) ring->watch(piece.face);
  const QIcon back = system::artIcon("piece-back");
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    auto* button = placed(
        new PieceButton(this), "cmdKoma_" + QString::number(cell + 1),
        twipsRect(kBackLefts[columnOf(cell)], kBackTops[rowOf(cell)], kBackWidth, kBackHeight));
    button->setIcon(back);
    button->setIconSize(QSize(kIconSide, kIconSide));
    connect(button, &PieceButton::clicked, this, [this, cell] { emit pieceChosen(cell + 1); });
    connect(button, &PieceButton::boardKeyPressed, this,
            [this, cell](BoardDirection direction) { moveFocus(cell, direction); });
    connect(button, &PieceButton::focused, this, [this, cell] { takeTabStop(cell); });
    pieces_[static_cast<std::size_t>(cell)].back = button;
  }
}

QWidget* BoardView::chainTabOrder(QWidget* previous) {
  for (const Piece& piece : pieces_) {
    QWidget::setTabOrder(previous, piece.back);
    previous = piece.back;
  }
  applyTabStop();
  return previous;
}

// ---- What the board shows ----

void BoardView::showDeal(const game::Board& board) {
  // An icon lies on the board several times; its file is read once per deal.
  std::map<std::filesystem::path, QPixmap> pictures;
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    const game::Piece& piece = board.piece(cell + 1);
    auto found = pictures.find(piece.picture);
    if (found == pictures.end()) {
      found =
          pictures
              .emplace(piece.picture, system::loadIconPicture(piece.picture, devicePixelRatioF()))
              .first;
    }
    pieces_[static_cast<std::size_t>(cell)].face->setPixmap(found->second);
    pieces_[static_cast<std::size_t>(cell)].name->setText(shownName(piece.name));
  }
}

void BoardView::showPieces(const game::Board& board, const game::ViewChanges& changes) {
  if (dealHidden_) return;
  std::optional<int> turnedUp;
  bool removed = false;
  bool turnedDown = false;
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    if (!changes.hasPiece(cell + 1)) continue;
    const game::Piece& state = board.piece(cell + 1);
    const game::Piece& before = pieces_[static_cast<std::size_t>(cell)].shown;
    if (isFaceUp(state) && !isFaceUp(before)) turnedUp = cell;
    if (isFaceUp(before) && !state.backVisible && !state.faceVisible) removed = true;
    if (isFaceUp(before) && state.backVisible) turnedDown = true;
  }
  // What comes into view is shown before the focus moves, and what goes out
  // of view is hidden after: Qt would hand the focus of a control it hides on
  // along the tab order.
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    if (changes.hasPiece(cell + 1)) showPiece(cell, board.piece(cell + 1), true);
  }
  moveFocusAfter(board, turnedUp);
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    if (changes.hasPiece(cell + 1)) showPiece(cell, board.piece(cell + 1), false);
  }
  // A new deal turns an open piece down too, but ends no turn.
  if (!changes.has(game::ViewChanges::Deal) && (removed || turnedDown)) emit turnEnded(removed);
}

// Tells a piece's new state and shows what comes into view of it (showing),
// or hides what goes out of view.
void BoardView::showPiece(int cell, const game::Piece& state, bool showing) {
  Piece& piece = pieces_[static_cast<std::size_t>(cell)];
  // A face under its back cannot be seen, and so is not told either.
  const bool faceShown = isFaceUp(state);
  const auto apply = [showing](QWidget* widget, bool visible) {
    if (visible == showing) widget->setVisible(visible);
  };
  apply(piece.back, state.backVisible);
  apply(piece.face, faceShown);
  apply(piece.name, state.nameVisible);
  if (showing) {
    // Told before anything moves the focus to it.
    const QString name = pieceName(cell, state);
    setAccessibleNameIfChanged(piece.back, name);
    setAccessibleNameIfChanged(piece.face, name);
    return;
  }
  piece.name->setFrameStyle(state.nameBorder ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  piece.shown = state;
}

void BoardView::hideDeal(bool hidden, const game::Board& board) {
  if (hidden == dealHidden_) return;
  dealHidden_ = hidden;
  if (!hidden) {
    showPieces(board, game::ViewChanges::everything());
    return;
  }
  for (const Piece& piece : pieces_) {
    piece.back->hide();
    piece.face->hide();
    piece.name->hide();
  }
}

// ---- The bare frame ----

// A double-click is the frame's own only when both its clicks land on the
// frame's bare area: Qt pairs two quick presses wherever in the window they
// land, so a click that turns a piece (hiding its back) and a second one on
// the frame beside the face would otherwise count. Qt sends the double-click
// in place of its second press, so the press before it is its first.
void BoardView::notePress(QWidget* receiver, QPoint position) {
  // A press that a control ignores is passed on to its parents: to this
  // frame, where it counts where it lands, and on beyond, where it is the
  // same press again.
  if (receiver == this) {
    lastPressElsewhere_ = !isBare(position);
  } else if (!(receiver->isAncestorOf(this) && rect().contains(mapFrom(receiver, position)))) {
    lastPressElsewhere_ = true;
  }
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !lastPressElsewhere_ &&
      isBare(event->position().toPoint())) {
    emit bareFrameDoubleClicked();
  }
}

// The tooltip tells of the bare area only; Qt would pass it on to every
// control of the frame that has none of its own.
bool BoardView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !isBare(static_cast<QHelpEvent*>(event)->pos())) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  return QFrame::event(event);
}

bool BoardView::isBare(const QPoint& position) const { return childAt(position) == nullptr; }

bool BoardView::isPieceAt(const QPoint& globalPosition) const {
  const QWidget* shown = childAt(mapFromGlobal(globalPosition));
  return std::any_of(pieces_.begin(), pieces_.end(), [shown](const Piece& piece) {
    return shown != nullptr && (shown == piece.back || shown == piece.face || shown == piece.name);
  });
}

// ---- The keyboard on the board ----
//
// One piece holds the board's tab stop; the arrow keys move it over the backs,
// and a turned piece hands it on.

BackMap BoardView::shownBacks() const {
  BackMap backs{};
  for (std::size_t cell = 0; cell < pieces_.size(); ++cell) {
    backs[cell] = pieces_[cell].shown.backVisible;
  }
  return backs;
}

// The cell whose back or face holds the keyboard focus.
std::optional<int> BoardView::focusedCell() const {
  const QWidget* focused = QApplication::focusWidget();
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    const Piece& piece = pieces_[static_cast<std::size_t>(cell)];
    if (piece.back == focused || piece.face == focused) return cell;
  }
  return std::nullopt;
}

// After pieces changed: a piece turned up takes the focus on its face; a
// piece turned down again gives it to its back; from a piece removed it goes
// to the nearest back. The tab stop always stays on a back.
void BoardView::moveFocusAfter(const game::Board& board, std::optional<int> turnedUp) {
  BackMap backs{};
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    backs[static_cast<std::size_t>(cell)] = board.piece(cell + 1).backVisible;
  }
  if (!backs[static_cast<std::size_t>(tabStop_)]) {
    if (const std::optional<int> nearest = nearestBack(backs, tabStop_)) takeTabStop(*nearest);
  }
  const std::optional<int> focused = focusedCell();
  if (!focused) return;
  if (turnedUp) {
    pieces_[static_cast<std::size_t>(*turnedUp)].face->setFocus(Qt::OtherFocusReason);
    return;
  }
  const game::Piece& state = board.piece(*focused + 1);
  const bool onBack =
      QApplication::focusWidget() == pieces_[static_cast<std::size_t>(*focused)].back;
  if (onBack ? state.backVisible : isFaceUp(state)) return;
  if (state.backVisible) {
    focusPiece(*focused);
  } else if (const std::optional<int> nearest = nearestBack(backs, *focused)) {
    focusPiece(*nearest);
  }
}

void BoardView::moveFocus(int from, BoardDirection direction) {
  if (const std::optional<int> target = backInDirection(shownBacks(), from, direction)) {
    focusPiece(*target);
  }
}

void BoardView::focusPiece(int cell) {
  takeTabStop(cell);
  pieces_[static_cast<std::size_t>(cell)].back->setFocus(Qt::OtherFocusReason);
}

void BoardView::focusTabStop() { focusPiece(tabStop_); }

void BoardView::takeTabStop(int cell) {
  tabStop_ = cell;
  applyTabStop();
}

void BoardView::setCovered(bool covered) {
  covered_ = covered;
  applyTabStop();
}

void BoardView::applyTabStop() {
  for (int cell = 0; cell < game::kPieceCount; ++cell) {
    Qt::FocusPolicy policy = cell == tabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
    if (covered_) policy = Qt::NoFocus;
    pieces_[static_cast<std::size_t>(cell)].back->setFocusPolicy(policy);
  }
}

bool BoardView::hasFocusOnAPiece() const { return focusedCell().has_value(); }

}  // namespace polkamina::ui
