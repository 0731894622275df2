#pragma once

#include <filesystem>
#include <string>

namespace polkamina::store {

// Replaces the content of the file target with bytes, keeping the file the
// player has: a symbolic link stays a link and its target gets the new bytes
// (links followed as followLinks() allows); the file keeps its mode and ACL,
// and its owner and group where the process may set them. Normally a
// temporary file with a name nobody can guess is written in the target's
// folder and renamed over the target, so the file always holds either its
// old or its new bytes. Only where that route is closed (the folder may not
// be written or changed, there is no room for a second copy, the file has
// several hard links, or the new file could not keep the old one's owner or
// ACL) is the file rewritten in place, its whole old content kept until the
// new content is down and put back if any step fails. A missing file is
// created. Throws FileError: CannotWrite with the old bytes still in place,
// CannotRestore when a failed rewrite in place could not put them back, or
// ForeignLink for a link another account put there.
void replaceFile(const std::filesystem::path& target, const std::string& bytes,
                 const std::string& fileName);

// Writes all of bytes to the open file fd, going on after short writes and
// interruptions; false on failure, with errno telling why.
bool writeAll(int fd, const std::string& bytes);

// Appends line (CR LF included) to the regular file target (links followed
// as followLinks() allows), creating it if it is missing; if the file's last
// line has no line end, one is written first. Throws FileError(CannotWrite)
// on any failure, after cutting the file back to its old length (or removing
// the file it made), so no half line is left; CannotRestore when even that
// failed.
void appendLine(const std::filesystem::path& target, const std::string& line,
                const std::string& fileName);

}  // namespace polkamina::store
