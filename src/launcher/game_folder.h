#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace polkamina::launcher {

// What kept the game folder from being prepared, in the player's language:
// what failed, on which file or folder, and why.
class PrepareError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file or folder as messages name it: 「path」.
std::string bracketed(const std::filesystem::path& path);

// Why a system call failed (an errno value), in the player's language.
std::string reasonText(int error);

// The player's game folder: "polkamina" in XDG_DATA_HOME where that is an
// absolute path, else in HOME/.local/share. Nothing without a usable home.
std::optional<std::filesystem::path> gameFolderFor(const char* xdgDataHome, const char* home);

// Makes `game` a whole game folder from the shipped one in `defaults` (its
// icons and data files), never touching a file that is already there:
// - a folder that does not exist is made whole, all at once: filled beside
//   it under a scratch name and renamed into place, so no start ever sees it
//   half made, and a start that loses the race to another uses the other's;
// - in a folder that exists, each data file that is missing (in any case of
//   its name) is added, and the icons are added only when it holds none.
// Every file appears whole under its name or not at all. Missing parent
// folders are made private, as XDG asks. Throws PrepareError.
void prepareGameFolder(const std::filesystem::path& defaults, const std::filesystem::path& game);

// The help files of the build or the install in folder, one for each
// language (pkHelp.chm, pkHelp_en.chm, ...), sorted; none where folder
// cannot be read.
std::vector<std::filesystem::path> helpFilesIn(const std::filesystem::path& folder);

// A help file belongs to the install, not to the player: `game` gets a copy
// of helpFile, under its name, whenever its own differs. Nothing happens when helpFile is
// missing. Throws PrepareError; the game can still be played then.
void updateHelpFile(const std::filesystem::path& helpFile, const std::filesystem::path& game);

}  // namespace polkamina::launcher
