#include "store/file_links.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace polkamina::store {

namespace fs = std::filesystem;

namespace {

// As many links as the kernel itself follows before it calls it a loop.
constexpr int kMostLinksFollowed = 40;

fs::path folderOf(const fs::path& file) {
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// Whether the kernel would follow the link `link` if its folder were a
// shared sticky one: the link is the player's, or the folder's owner's, or
// nobody but the player may change the folder.
bool isTrustedLink(const fs::path& link, const struct stat& linkInfo) {
  const uid_t player = ::geteuid();
  if (linkInfo.st_uid == player) return true;
  struct stat folder {};
  if (::stat(folderOf(link).c_str(), &folder) != 0) return false;
  const bool othersMayWrite = folder.st_uid != player || (folder.st_mode & (S_IWGRP | S_IWOTH));
  return !othersMayWrite || linkInfo.st_uid == folder.st_uid;
}

}  // namespace

fs::path followLinks(fs::path path, const std::string& fileName, FileError::Kind onLoop) {
  for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (!isTrustedLink(path, info)) throw FileError(FileError::Kind::ForeignLink, fileName);
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) break;
    target.resize(static_cast<std::size_t>(length));
    const fs::path next(target);
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  throw FileError(onLoop, fileName);
}

}  // namespace polkamina::store
