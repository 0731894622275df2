#include "store/folder_lookup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "store/file_error.h"

namespace polkamina::store {

namespace fs = std::filesystem;

namespace {

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void syncFolder(const fs::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

fs::path findInFolder(const fs::path& folder, const std::string& name) {
  fs::path exact = folder / name;
  std::error_code error;
  if (fs::exists(exact, error)) return exact;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (equalsIgnoringAsciiCase(candidate, name)) return it->path();
  }
  return exact;
}

void replaceFile(const fs::path& target, const std::string& bytes, const std::string& fileName) {
  // An existing file the player may not write stays as it is.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  // A fixed temporary name: one left behind by a killed run is reused, never piled up.
  fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".tmp");
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError(FileError::Kind::CannotWrite, fileName);
  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  syncFolder(target.parent_path());
}

void appendLine(const fs::path& target, const std::string& line, const std::string& fileName) {
  int fd = ::open(target.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError(FileError::Kind::CannotWrite, fileName);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    throw FileError(FileError::Kind::CannotWrite, fileName);
  }
  // A file edited by hand may lack its last line end; without one the new
  // line would run into the last one and the file could no longer be read.
  char last = '\n';
  if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1) last = '\n';
  std::string bytes = last == '\n' || last == '\r' ? line : "\r\n" + line;
  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  // A line that could not be written whole is taken back, so no half line remains.
  if (!written) {
    [[maybe_unused]] int undone = ::ftruncate(fd, info.st_size);
  }
  written = ::close(fd) == 0 && written;
  if (!written) throw FileError(FileError::Kind::CannotWrite, fileName);
}

}  // namespace polkamina::store
