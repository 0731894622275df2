#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace polkamina::launcher {

// Where a launcher finds what it starts the game with.
struct Layout {
  std::filesystem::path program;   // the game itself
  std::filesystem::path defaults;  // the shipped game folder: icons and data files
  // The help files of the build or the install, one for each language.
  std::vector<std::filesystem::path> helpFiles;
  // The player's game folder; nothing when no home folder is known.
  std::optional<std::filesystem::path> gameFolder;
};

// Prepares the game folder and starts the game in it, in place of this
// process. Whatever goes wrong is told to the player on stderr and, since a
// start from a desktop's menu has no terminal, in a message box. Returns
// only on failure, with the exit status.
int launch(int argc, char* argv[], const Layout& layout);

}  // namespace polkamina::launcher
