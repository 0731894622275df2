#pragma once

#include <optional>
#include <string>

namespace polkamina::pictures {

// Why a picture's or a set's name cannot be used, as the player reads it, or
// nothing when it can. Names must be storable on Windows too, since players
// carry their pictures between systems: no \ / : * ? " < > | or control
// characters, no blank or "." at the end, none of the names Windows keeps
// for devices (CON, NUL, COM1, ...), at most 255 UTF-16 units or bytes with
// the extension. A leading "." would hide the file from the game.
// `extension` is what the file name adds to the name (".ico" or nothing for
// a folder).
std::optional<std::string> refusedName(const std::string& name, const std::string& extension);

}  // namespace polkamina::pictures
