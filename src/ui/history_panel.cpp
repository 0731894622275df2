#include "ui/history_panel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QProxyStyle>
#include <QTableView>
#include <algorithm>
#include <array>

#include "ui/design.h"
#include "ui/history_model.h"
#include "ui/system/fonts.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using system::twipsRect;
using system::twipsToPixels;

// Column widths in twips; the rows fit 14 to the grid's height.
constexpr std::array<int, HistoryModel::kColumnCount> kColumnWidths = {620,  1400, 1100, 1050,
                                                                       1000, 1250, 900,  900};
constexpr int kRowHeight = 18;

// Keeps the text of the grid's cells a few pixels from the cell lines.
class CellPaddingStyle : public QProxyStyle {
 public:
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_ItemViewItemText) {
      return rect;
    }
    return rect.adjusted(kCellPadding, 0, -kCellPadding, 0);
  }

 private:
  static constexpr int kCellPadding = 3;
};

}  // namespace

HistoryPanel::HistoryPanel(QWidget* parent, const game::History& history)
    : QFrame(parent), history_(history) {
  setObjectName("fraRireki");
  setGeometry(twipsRect(150, 1050, 8875, 4170));
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setAutoFillBackground(true);
  raise();
  setAccessibleName(QCoreApplication::translate("History", "プレイ履歴"));
}

void HistoryPanel::setShown(bool shown, bool focusHere) {
  const bool firstShowing = shown && msgRireki_ == nullptr;
  if (firstShowing) buildGrid();
  setVisible(shown);
  if (shown && focusHere) {
    msgRireki_->setFocus();
  }
  if (firstShowing) showRows();
}

bool HistoryPanel::gridHasFocus() const { return msgRireki_ != nullptr && msgRireki_->hasFocus(); }

void HistoryPanel::buildGrid() {
  msgRireki_ = placed(new QTableView(this), "msgRireki", twipsRect(150, 200, 8565, 3850));
  msgRireki_->setAccessibleName(QCoreApplication::translate("History", "プレイ履歴"));
  model_ = new HistoryModel(history_.rows(), msgRireki_);
  msgRireki_->setModel(model_);
  msgRireki_->setFont(system::outsideTextFont(system::kPGothic, design::kHistoryPoints));
  auto* cellStyle = new CellPaddingStyle;
  cellStyle->setParent(msgRireki_);
  msgRireki_->setStyle(cellStyle);
  msgRireki_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  msgRireki_->setSelectionMode(QAbstractItemView::NoSelection);
  msgRireki_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  msgRireki_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  msgRireki_->setWordWrap(false);
  msgRireki_->setCornerButtonEnabled(false);
  msgRireki_->verticalHeader()->hide();
  msgRireki_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // The minimum first: the default row height is kept at least that large.
  msgRireki_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  msgRireki_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  QHeaderView* header = msgRireki_->horizontalHeader();
  header->setFont(msgRireki_->font());
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setHighlightSections(false);
  header->setSectionsClickable(false);
  // The header takes what is left over 13 whole rows, so that scrolled to the
  // end the grid shows no cut row at its top.
  const int rowsHeight = (game::kHistoryVisibleRows - 1) * kRowHeight;
  header->setFixedHeight(
      std::max(kRowHeight, msgRireki_->height() - 2 * msgRireki_->frameWidth() - rowsHeight));
  for (int column = 0; column < HistoryModel::kColumnCount; ++column) {
    header->resizeSection(column, twipsToPixels(kColumnWidths[column]));
  }
  if (previous_ != nullptr) QWidget::setTabOrder(previous_, msgRireki_);
}

void HistoryPanel::showRows() {
  if (msgRireki_ == nullptr) return;
  model_->refresh();
  const int rows = history_.gridRows();
  if (rows == shownRows_ && history_.topRow() == shownTopRow_) {
    return;
  }
  shownRows_ = rows;
  shownTopRow_ = history_.topRow();
  if (rows > 1) {
    // Grid row 1 is the model's row 0.
    const int row = std::max(0, std::min(history_.topRow(), rows - 1) - 1);
    // New rows reach the scroll range only at the view's next layout.
    msgRireki_->doItemsLayout();
    msgRireki_->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtTop);
  }
}

}  // namespace polkamina::ui
