#pragma once

#include <filesystem>
#include <functional>

class QWidget;

namespace polkamina::ui {

// Shows the pictures window 絵の管理, modeless and kept above the main window:
// the picture sets of the game folder, import of pictures into them and the
// switch of the set in use, after which the game starts again. gameRunning
// tells whether a game is being played, when no switch is offered. If the
// window is open already it is only brought forward. Returns the window.
QWidget* showPicturesWindow(QWidget* mainWindow, const std::filesystem::path& gameFolder,
                            std::function<bool()> gameRunning);

}  // namespace polkamina::ui
