#pragma once

#include <string>

class QWidget;

namespace polkamina::ui {

// Shows the new-record window frmKiroku1 with the announcement, modally,
// centred on the screen; returns once the player has closed it.
void showRecordWindow(QWidget* parent, const std::string& message);

}  // namespace polkamina::ui
