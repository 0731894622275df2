#include "ui/delay_list.h"

#include <QLineEdit>
#include <QWheelEvent>

#include "ui/widgets.h"

namespace polkamina::ui {

DelayList::DelayList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  ignoreKeysOfClosedPopup(this);
}

void DelayList::showDelays(const QStringList& entries, const QString& shown) {
  addItems(entries);
  setCurrentIndex(-1);
  setEditText(shown);
}

void DelayList::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace polkamina::ui
