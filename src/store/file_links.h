#pragma once

#include <filesystem>
#include <string>

#include "store/file_error.h"

namespace polkamina::store {

// The file a data file's name stands for once symbolic links are followed
// to their end; a relative link target counts from the link's folder, and a
// name that is no link, or leads nowhere yet, is the file itself.
//
// Each link is followed only as the kernel follows links in a shared sticky
// folder (fs.protected_symlinks): in a folder that someone other than the
// player may write, a link is followed only when it belongs to the player or
// to the folder's owner. So another account sharing the game folder cannot
// turn the game's reads and writes towards a file of the player's own.
//
// Throws FileError(ForeignLink, fileName) for a link that is not followed,
// and FileError(onLoop, fileName) for a loop of links.
std::filesystem::path followLinks(std::filesystem::path path, const std::string& fileName,
                                  FileError::Kind onLoop);

}  // namespace polkamina::store
