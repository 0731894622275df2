#include "ui/level_list.h"

#include <QAbstractItemView>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "ui/design.h"
#include "ui/shown_text.h"
#include "ui/system/fonts.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

LevelList::LevelList(QWidget* parent) : QComboBox(parent) {
  setObjectName("cboMondai");
  setGeometry(system::twipsRect(1200, 300, 1695, 405));
  setEditable(false);
  setFont(system::designFont(system::kGothic, design::kLevelPoints));
  setDesignBackground(this, QPalette::Base, design::kIvory);
  // The open list: plain entries on the same colour, not the style's menu.
  setItemDelegate(new QStyledItemDelegate(this));
  view()->setPalette(palette());
  ignoreKeysOfClosedPopup(this);
}

void LevelList::showChoice(const QStringList& entries, const QString& selected, bool enabled) {
  QStringList listed;
  for (int i = 0; i < count(); ++i) {
    listed << entry(i);
  }
  if (entries != listed) {
    clear();
    for (const QString& level : entries) addItem(shownLevelText(level.toStdString()), level);
  }
  setCurrentIndex(findData(selected));
  setEnabled(enabled);
}

QString LevelList::entry(int index) const { return itemData(index).toString(); }

void LevelList::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.editable = true;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.editable = false;
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace polkamina::ui
