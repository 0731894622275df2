#include "store/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include "store/file_error.h"

namespace polkamina::store {

namespace fs = std::filesystem;

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

namespace {

// As many links as the kernel itself follows before it calls it a loop.
constexpr int kMostLinksFollowed = 40;
const char* const kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomChars = 6;

fs::path folderOf(const fs::path& file) {
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The file a name stands for once symbolic links are followed to their end;
// a relative link target counts from the link's folder. A name that is no
// link, or leads nowhere yet, is the file to write. Nothing for a link loop.
std::optional<fs::path> followLinks(fs::path path) {
  for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    const fs::path next(target);
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

// True for the name of a temporary file of ours for the file called name:
// ".NAME.XXXXXX.tmp", or ".NAME.tmp" as earlier versions called it. Neither
// form can end in ".ico" or be a data file's name.
bool isTemporaryName(const std::string& entry, const std::string& name) {
  const std::string prefix = "." + name + ".";
  if (entry.size() < prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string rest = entry.substr(prefix.size());
  if (rest == "tmp") return true;  // the older, fixed name
  if (rest.size() != kTemporaryRandomChars + std::strlen(kTemporarySuffix) ||
      rest.compare(kTemporaryRandomChars, std::string::npos, kTemporarySuffix) != 0) {
    return false;
  }
  for (std::size_t i = 0; i < kTemporaryRandomChars; ++i) {
    if (!std::isalnum(static_cast<unsigned char>(rest[i]))) return false;
  }
  return true;
}

// Removes the temporary files a killed run left beside file: only regular
// files of this user, and unlink never follows a link.
void removeLeftoverTemporaries(const fs::path& file) {
  const std::string name = file.filename().string();
  std::error_code error;
  for (fs::directory_iterator it(folderOf(file), error), end; !error && it != end;
       it.increment(error)) {
    if (!isTemporaryName(it->path().filename().string(), name)) continue;
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid()) {
      ::unlink(it->path().c_str());
    }
  }
}

// The mode a plain create gives a new file under the process's umask.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Gives the new file fd the old file's owner, group and mode; a file that did
// not exist before gets the mode of a plain create. False when the owner or
// group cannot be kept.
bool takeOverIdentity(int fd, const struct stat* old) {
  if (old == nullptr) return ::fchmod(fd, newFileMode()) == 0;
  struct stat made {};
  if (::fstat(fd, &made) != 0) return false;
  if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
      ::fchown(fd, old->st_uid, old->st_gid) != 0) {
    return false;
  }
  return ::fchmod(fd, old->st_mode & 07777) == 0;
}

// Writes bytes to a new temporary file beside file and renames it over file.
// Created exclusively (O_EXCL), it can never be a link planted in its place.
// False, with file untouched and nothing left behind, when any step fails.
bool replaceByRename(const fs::path& file, const std::string& bytes, const struct stat* old) {
  std::string temporary =
      (file.parent_path() / ("." + file.filename().string() + "." +
                             std::string(kTemporaryRandomChars, 'X') + kTemporarySuffix))
          .string();
  const int fd =
      ::mkostemps(temporary.data(), static_cast<int>(std::strlen(kTemporarySuffix)), O_CLOEXEC);
  if (fd < 0) return false;
  bool done = takeOverIdentity(fd, old) && writeAll(fd, bytes) && ::fsync(fd) == 0;
  done = ::close(fd) == 0 && done;
  done = done && ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!done) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(folderOf(file));
  return true;
}

// The first `count` bytes of the open file, or nothing when they cannot be read.
std::optional<std::string> readPrefix(int fd, std::size_t count) {
  std::string bytes(count, '\0');
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, bytes.data() + done, count - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

bool writeFromStart(int fd, const std::string& bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes);
}

// Rewrites the regular file in place: open without truncating, write, cut to
// the new length. The space a longer content needs is claimed first where the
// file system can; if the write still fails part-way, the old bytes are put
// back, so the file is not left half written.
bool rewriteInPlace(const fs::path& file, const std::string& bytes) {
  const int fd = ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool done = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  const auto oldSize = static_cast<std::size_t>(done ? info.st_size : 0);
  if (done && bytes.size() > oldSize) {
    const int reserved = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size()));
    done = reserved == 0 || (errno != ENOSPC && errno != EDQUOT);
  }
  // Only the bytes the new content covers can be changed by a failed write.
  const std::optional<std::string> overwritten =
      done ? readPrefix(fd, std::min(oldSize, bytes.size())) : std::nullopt;
  done = overwritten.has_value();
  if (done) {
    done = writeFromStart(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(fd) == 0;
    if (!done) {
      writeFromStart(fd, *overwritten);
      [[maybe_unused]] const int cut = ::ftruncate(fd, static_cast<off_t>(oldSize));
    }
  }
  done = ::close(fd) == 0 && done;
  return done;
}

}  // namespace

void replaceFile(const fs::path& target, const std::string& bytes, const std::string& fileName) {
  const std::optional<fs::path> file = followLinks(target);
  if (!file) throw FileError(FileError::Kind::CannotWrite, fileName);
  struct stat old {};
  const bool exists = ::stat(file->c_str(), &old) == 0;
  // Only a regular file the player may write is rewritten.
  if (exists &&
      (!S_ISREG(old.st_mode) || ::faccessat(AT_FDCWD, file->c_str(), W_OK, AT_EACCESS) != 0)) {
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  removeLeftoverTemporaries(*file);
  // A file with several hard links would lose them to a rename.
  const bool renameKeepsTheFile = !exists || old.st_nlink == 1;
  if (renameKeepsTheFile && replaceByRename(*file, bytes, exists ? &old : nullptr)) return;
  if (exists && rewriteInPlace(*file, bytes)) return;
  throw FileError(FileError::Kind::CannotWrite, fileName);
}

void appendLine(const fs::path& target, const std::string& line, const std::string& fileName) {
  // Something other than a regular file under the name is never opened.
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  const int fd = ::open(target.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) throw FileError(FileError::Kind::CannotWrite, fileName);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  // A file edited by hand may lack its last line end; without one the new
  // line would run into the last one and the file could no longer be read.
  char last = '\n';
  if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1) last = '\n';
  const std::string bytes = last == '\n' || last == '\r' ? line : "\r\n" + line;
  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  // A line that could not be written whole is taken back, so no half line remains.
  if (!written) {
    [[maybe_unused]] const int undone = ::ftruncate(fd, info.st_size);
  }
  written = ::close(fd) == 0 && written;
  if (!written) throw FileError(FileError::Kind::CannotWrite, fileName);
}

}  // namespace polkamina::store
