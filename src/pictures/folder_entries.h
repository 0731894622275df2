#pragma once

#include <filesystem>
#include <string>

namespace polkamina::pictures {

// Whether anything has that name; a link counts and is not followed.
bool isPresent(const std::filesystem::path& path);

// Whether name can stand for an entry of a folder that the player sees: not
// empty, not hidden, no folder separator and no NUL.
bool isVisibleEntryName(const std::string& name);

// Whether `set` names a folder of the sets folder below gameFolder.
bool isSetFolder(const std::filesystem::path& setsFolder, const std::string& set);

}  // namespace polkamina::pictures
