#include "ui/picture_set_list.h"

#include <QCoreApplication>

namespace polkamina::ui {

PictureSetList::PictureSetList(QWidget* parent) : QListWidget(parent) {
  setObjectName("setList");
  setAccessibleName(QCoreApplication::translate("PicturesWindow", "絵のセット"));
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void PictureSetList::showSets(const std::vector<pictures::PictureSet>& sets,
                              const std::string& selected) {
  const QSignalBlocker quiet(this);
  clear();
  int row = 0;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    addItem(QString::fromStdString(sets[i].label()));
    if (!sets[i].inUse && sets[i].name == selected) row = int(i);
  }
  setCurrentRow(row);
}

int PictureSetList::selectedSet() const { return qMax(0, currentRow()); }

}  // namespace polkamina::ui
