#pragma once

class QWidget;

namespace polkamina::game {
class Host;
class Random;
struct SharedValues;
}  // namespace polkamina::game
namespace polkamina::store {
class DataFolder;
}

namespace polkamina::ui {

// Shows the settings window frmSub, modeless and kept above the main window,
// placed on the main window's left and bottom edges. If it is open already it is only
// brought forward, keeping its arrangement. Returns the window.
QWidget* showSettingsWindow(QWidget* mainWindow, game::SharedValues& shared,
                            const store::DataFolder& folder, game::Random& random,
                            game::Host& host);

}  // namespace polkamina::ui
