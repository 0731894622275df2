#include "ui/picture_grid.h"

#include <QCoreApplication>

#include "icons/icon_set.h"
#include "store/text.h"
#include "ui/system/picture.h"

namespace polkamina::ui {

namespace {

// A cell of the grid: the face and a line of its name, in logical pixels.
constexpr int kCellWidth = 112;
constexpr int kCellHeight = 64;
// Room around the cells for the frame and a scroll bar.
constexpr int kMargin = 24;

QSize cellsSize(int columns, int rows) {
  return QSize(columns * kCellWidth + kMargin, rows * kCellHeight + kMargin);
}

}  // namespace

PictureGrid::PictureGrid(QWidget* parent) : QListWidget(parent) {
  setObjectName("pictureList");
  setAccessibleName(QCoreApplication::translate("PicturesWindow", "セットの絵"));
  setViewMode(QListView::IconMode);
  setIconSize(QSize(system::kFaceSide, system::kFaceSide));
  setGridSize(QSize(kCellWidth, kCellHeight));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWordWrap(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setMinimumSize(cellsSize(3, 3));
}

// A set of 20 shows whole, as the settings window's catalogue does.
QSize PictureGrid::sizeHint() const { return cellsSize(5, 4); }

void PictureGrid::showPictures(const std::filesystem::path& folder,
                               const std::vector<std::string>& files, const std::string& selected) {
  const QSignalBlocker quiet(this);
  clear();
  files_ = files;
  const qreal ratio = devicePixelRatioF();
  int row = -1;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const QString name = QString::fromStdString(store::shownFileName(icons::iconName(files[i])));
    auto* item =
        new QListWidgetItem(QIcon(system::loadIconPicture(folder / files[i], ratio)), name);
    item->setToolTip(name);
    addItem(item);
    if (files[i] == selected) row = int(i);
  }
  setCurrentRow(row < 0 && !files.empty() ? 0 : row);
}

std::optional<std::string> PictureGrid::selectedFile() const {
  const int row = currentRow();
  if (row < 0 || std::size_t(row) >= files_.size()) return std::nullopt;
  return files_[std::size_t(row)];
}

}  // namespace polkamina::ui
