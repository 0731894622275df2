#include "game/board.h"

#include <limits>
#include <map>

#include "icons/icon_set.h"

namespace polkamina::game {

namespace {

std::int16_t plusOneTurn(std::int16_t turns) {
  return turns < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(turns + 1)
                                                          : turns;
}

}  // namespace

bool Board::hasBack(int index) const {
  return index >= 1 && index <= kPieceCount && piece(index).backVisible;
}

void Board::takeIconSet(std::vector<std::string> names) {
  IconName_ = std::move(names);
  lstInp_ = IconName_;
}

void Board::prepareNameLabels() {
  for (Piece& piece : pieces_) {
    piece.nameBorder = false;
    piece.nameVisible = false;
  }
  changes_.addEveryPiece();
}

bool Board::hasIconSet() const { return IconName_.size() == icons::kIconCount; }

void Board::deal(std::int16_t kindCount, const std::filesystem::path& folder, Random& random) {
  for (Piece& piece : pieces_) {
    piece.backVisible = true;
    piece.faceVisible = true;
  }
  TurnCount_ = 0;
  ZanCount_ = kPieceCount;
  changes_.add(ViewChanges::Counters);
  FirstOpen_ = false;
  FirstName_.clear();
  FirstIndex_ = 0;
  KindCount_ = kindCount;

  drawIconKinds(random);
  buildPool();
  fillPieces(folder, random);
  ++dealSerial_;
  changes_.add(ViewChanges::Deal);
  changes_.addEveryPiece();

  lstInp_ = IconName_;
  hideNames();
  Playing_ = true;
}

void Board::drawIconKinds(Random& random) {
  lstKoma_.clear();
  random.reseed();
  for (int k = 0; k < KindCount_ && !lstInp_.empty(); ++k) {
    lstKoma_.push_back(takeRandomEntry(random, lstInp_));
  }
}

void Board::buildPool() {
  lstKoma2_.clear();
  const int copies = kPieceCount / KindCount_;
  for (int copy = 0; copy < copies; ++copy) {
    lstKoma2_.insert(lstKoma2_.end(), lstKoma_.begin(), lstKoma_.end());
  }
}

void Board::fillPieces(const std::filesystem::path& folder, Random& random) {
  // An icon lies on the board several times; its file is looked for once.
  std::map<std::string, std::filesystem::path> pictures;
  random.reseed();
  for (Piece& piece : pieces_) {
    piece.name = lstKoma2_.empty() ? std::string() : takeRandomEntry(random, lstKoma2_);
    auto found = pictures.find(piece.name);
    if (found == pictures.end()) {
      found = pictures.emplace(piece.name, icons::iconPicturePath(folder, piece.name)).first;
    }
    piece.picture = found->second;
  }
}

Piece& Board::change(int index) {
  changes_.addPiece(index);
  return pieces_.at(static_cast<std::size_t>(index - 1));
}

void Board::turnUp(int index, bool showName) {
  Piece& piece = change(index);
  if (showName) piece.nameVisible = true;
  piece.backVisible = false;
}

void Board::keepOpen(int index) {
  FirstName_ = piece(index).name;
  FirstOpen_ = true;
  FirstIndex_ = static_cast<std::int16_t>(index);
}

bool Board::matchesFirst(int index) const { return piece(index).name == FirstName_; }

void Board::removePair(int index) {
  for (Piece* piece : pairWithFirst(index)) {
    piece->nameVisible = false;
    piece->faceVisible = false;
  }
  countTurn();
  ZanCount_ = static_cast<std::int16_t>(ZanCount_ - 2);
}

void Board::turnBackPair(int index) {
  for (Piece* piece : pairWithFirst(index)) {
    piece->nameVisible = false;
    piece->backVisible = true;
  }
  countTurn();
}

std::array<Piece*, 2> Board::pairWithFirst(int index) {
  return {&change(index), &change(FirstIndex_)};
}

void Board::countTurn() {
  TurnCount_ = plusOneTurn(TurnCount_);
  changes_.add(ViewChanges::Counters);
}

void Board::hideNames() {
  for (int index = 1; index <= kPieceCount; ++index) {
    if (piece(index).nameVisible) change(index).nameVisible = false;
  }
}

}  // namespace polkamina::game
