#pragma once

#include <QComboBox>

namespace polkamina::ui {

// A delay list of the settings window (cboHide, cboDel): its edit field takes
// typing but never applies it; only choosing an entry does, from the open
// list or with the arrow keys (QComboBox::activated). Qt would otherwise
// choose the entry matching the edit text whenever editing ends (the field
// loses the focus, Return is pressed, the list opens), which applies typed
// text, and choose one on every turn of the mouse wheel, each with its own
// message box.
class DelayList : public QComboBox {
 public:
  explicit DelayList(QWidget* parent);

  // The entries, and shown in the edit field with no entry selected.
  void showDelays(const QStringList& entries, const QString& shown);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace polkamina::ui
