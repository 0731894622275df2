#pragma once

#include <filesystem>
#include <string>

namespace polkamina::store {

// The file of that name in folder, matched without regard to ASCII case
// ("設定.TXT" finds "設定.txt"). An exact match wins; with no match the plain
// folder / name is returned, so a write creates the file under that name.
std::filesystem::path findInFolder(const std::filesystem::path& folder, const std::string& name);

}  // namespace polkamina::store
