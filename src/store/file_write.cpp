#include "store/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include "store/file_error.h"
#include "store/file_links.h"

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

const char* const kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomChars = 6;
// Where the kernel keeps a file's access ACL, in the same form for every file.
const char* const kAccessAcl = "system.posix_acl_access";

bool writeAllFromStart(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The first `count` bytes of the open file, or nothing when they cannot be read.
std::optional<std::string> readFromStart(int fd, std::size_t count) {
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

fs::path folderOf(const fs::path& file) {
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// Makes a new or renamed name in the folder last through a crash. The file
// already holds what it should, so a failure here is no failed write.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Closes a file whose content is already safely down (or given up): an
// error of close() itself then loses nothing.
void closeWritten(int fd) { ::close(fd); }

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

// The file's access ACL as the kernel stores it: empty when the file has
// none, nothing when that cannot be told.
std::optional<std::string> accessAclOf(const fs::path& file) {
  const ssize_t size = ::lgetxattr(file.c_str(), kAccessAcl, nullptr, 0);
  if (size < 0) {
    const bool none = errno == ENODATA || errno == ENOTSUP;
    return none ? std::optional<std::string>(std::string()) : std::nullopt;
  }
  std::string acl(static_cast<std::size_t>(size), '\0');
  const ssize_t read = ::lgetxattr(file.c_str(), kAccessAcl, acl.data(), acl.size());
  if (read != size) return std::nullopt;
  return acl;
}

// The old file as the new one must copy it: its owner, group and mode and
// its ACL (empty when it has none).
struct Identity {
  struct stat info {};
  std::string acl;
};

// Why the rename route may be closed to a rewrite. Any other error is a
// failure to report, never a reason to write the player's file in place.
bool closesTheRoute(int error) {
  switch (error) {
    case EACCES:  // the folder may not be written or changed
    case EPERM:   // ... or the owner or ACL cannot be given to a new file
    case EROFS:
    case ENOTSUP:  // the folder's file system cannot carry the ACL
    case ENOSPC:   // no room for a second copy
    case EDQUOT:
      return true;
    default:
      return false;
  }
}

enum class RouteResult { Done, Closed, Failed };

RouteResult failedWith(int error) {
  return closesTheRoute(error) ? RouteResult::Closed : RouteResult::Failed;
}

// Gives the new file fd the old file's owner, group, mode and ACL; a file
// that did not exist before gets the mode of a plain create. Leaves errno
// set when a step fails.
bool takeOverIdentity(int fd, const Identity* old) {
  if (old == nullptr) return ::fchmod(fd, newFileMode()) == 0;
  struct stat made {};
  if (::fstat(fd, &made) != 0) return false;
  if ((made.st_uid != old->info.st_uid || made.st_gid != old->info.st_gid) &&
      ::fchown(fd, old->info.st_uid, old->info.st_gid) != 0) {
    return false;
  }
  if (::fchmod(fd, old->info.st_mode & 07777) != 0) return false;
  if (!old->acl.empty()) {
    return ::fsetxattr(fd, kAccessAcl, old->acl.data(), old->acl.size(), 0) == 0;
  }
  // A folder's default ACL may have given the new file one the old lacks.
  return ::fremovexattr(fd, kAccessAcl) == 0 || errno == ENODATA || errno == ENOTSUP;
}

// Writes bytes to a new temporary file beside file and renames it over
// file, so the file holds its old or its new bytes and nothing between.
// Created exclusively (O_EXCL), the temporary file can never be a link
// planted in its place. Unless Done, file is untouched and nothing is left.
RouteResult replaceByRename(const fs::path& file, const std::string& bytes, const Identity* old) {
  std::string temporary =
      (file.parent_path() / ("." + file.filename().string() + "." +
                             std::string(kTemporaryRandomChars, 'X') + kTemporarySuffix))
          .string();
  const int fd =
      ::mkostemps(temporary.data(), static_cast<int>(std::strlen(kTemporarySuffix)), O_CLOEXEC);
  if (fd < 0) return failedWith(errno);
  const bool written = takeOverIdentity(fd, old) && writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  closeWritten(fd);
  if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
    const int failure = written ? errno : error;
    ::unlink(temporary.c_str());
    return failedWith(failure);
  }
  syncFolder(folderOf(file));
  return RouteResult::Done;
}

// Rewrites the regular file in place: open without truncating, write, cut to
// the new length, fsync. The whole old content is kept in memory until the
// new content is down, and put back if any step fails. The space a longer
// content needs is claimed first where the file system can, so a full disk
// stops the rewrite before anything is changed.
void rewriteInPlace(const fs::path& file, const std::string& bytes, const std::string& fileName) {
  const int fd = ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw FileError(FileError::Kind::CannotWrite, fileName);
  struct stat info {};
  std::optional<std::string> old;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    old = readFromStart(fd, static_cast<std::size_t>(info.st_size));
  }
  if (old && bytes.size() > old->size() &&
      ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
      (errno == ENOSPC || errno == EDQUOT)) {
    old.reset();
  }
  if (!old) {
    ::close(fd);
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  const bool written = writeAllFromStart(fd, bytes) &&
                       ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
  if (written) {
    closeWritten(fd);
    return;
  }
  const bool restored =
      writeAllFromStart(fd, *old) && ::ftruncate(fd, static_cast<off_t>(old->size())) == 0;
  if (restored) ::fsync(fd);
  closeWritten(fd);
  throw FileError(restored ? FileError::Kind::CannotWrite : FileError::Kind::CannotRestore,
                  fileName);
}

}  // namespace

void replaceFile(const fs::path& target, const std::string& bytes, const std::string& fileName) {
  const fs::path file = followLinks(target, fileName, FileError::Kind::CannotWrite);
  Identity old;
  const bool exists = ::lstat(file.c_str(), &old.info) == 0;
  // Only a regular file the player may write is rewritten.
  if (exists &&
      (!S_ISREG(old.info.st_mode) || ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)) {
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  removeLeftoverTemporaries(file);
  std::optional<std::string> acl = exists ? accessAclOf(file) : std::string();
  // A file with several hard links would lose them to a rename; an ACL that
  // cannot be read could not be given to the new file.
  if (!exists || (old.info.st_nlink == 1 && acl)) {
    if (acl) old.acl = std::move(*acl);
    switch (replaceByRename(file, bytes, exists ? &old : nullptr)) {
      case RouteResult::Done:
        return;
      case RouteResult::Failed:
        throw FileError(FileError::Kind::CannotWrite, fileName);
      case RouteResult::Closed:
        break;
    }
  }
  if (!exists) throw FileError(FileError::Kind::CannotWrite, fileName);
  rewriteInPlace(file, bytes, fileName);
}

void appendLine(const fs::path& target, const std::string& line, const std::string& fileName) {
  const fs::path file = followLinks(target, fileName, FileError::Kind::CannotWrite);
  // Something other than a regular file under the name is never opened.
  struct stat info {};
  if (::lstat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  const int flags = O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  int fd = ::open(file.c_str(), flags);
  const bool created = fd < 0 && errno == ENOENT;
  if (created) fd = ::open(file.c_str(), flags | O_CREAT | O_EXCL, 0666);
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
  if (writeAll(fd, bytes) && ::fsync(fd) == 0) {
    closeWritten(fd);
    if (created) syncFolder(folderOf(file));
    return;
  }
  // A line that could not be written whole is taken back, so no half line
  // remains; a file made for it goes again.
  const bool restored = created ? ::unlink(file.c_str()) == 0 : ::ftruncate(fd, info.st_size) == 0;
  closeWritten(fd);
  throw FileError(restored ? FileError::Kind::CannotWrite : FileError::Kind::CannotRestore,
                  fileName);
}

}  // namespace polkamina::store
