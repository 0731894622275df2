#pragma once

#include <QComboBox>
#include <QStringList>

namespace polkamina::ui {

// The level list cboMondai: a flat field in its own colour with the drop-down
// button beside it, no typing. The style draws a closed list as a shaded
// button; drawn as the frame of an editable list, the field takes the list's
// base colour. Choosing an entry is QComboBox::activated. The entries are the
// levels' stored names, each shown in the player's language.
class LevelList : public QComboBox {
 public:
  explicit LevelList(QWidget* parent);

  // The entries, the selection and whether the list takes a choice.
  void showChoice(const QStringList& entries, const QString& selected, bool enabled);
  // The stored name of the entry at index.
  QString entry(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
