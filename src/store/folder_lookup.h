#pragma once

#include <filesystem>
#include <string>

namespace polkamina::store {

// The file of that name in folder, matched without regard to ASCII case
// ("設定.TXT" finds "設定.txt"). An exact match wins; with no match the plain
// folder / name is returned, so a write creates the file under that name.
std::filesystem::path findInFolder(const std::filesystem::path& folder, const std::string& name);

// Replaces folder / name with bytes in one step: a temporary file in the same
// folder is written and flushed, then renamed over the old file. Throws
// FileError(CannotWrite) and leaves the old file as it was on any failure.
void replaceFile(const std::filesystem::path& target, const std::string& bytes,
                 const std::string& fileName);

// Appends line (CR LF included) to the file target, creating it if it is
// missing; if the file's last line has no line end, one is written first.
// Throws FileError(CannotWrite) on any failure, after cutting the file back
// to its old length, so no half line is left.
void appendLine(const std::filesystem::path& target, const std::string& line,
                const std::string& fileName);

}  // namespace polkamina::store
