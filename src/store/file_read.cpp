#include "store/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace polkamina::store {

namespace {

std::optional<std::string> failWith(std::errc reason, std::error_code& error) {
  error = std::make_error_code(reason);
  return std::nullopt;
}

std::optional<std::string> failWithErrno(std::error_code& error) {
  error = std::error_code(errno, std::generic_category());
  return std::nullopt;
}

bool isAcceptable(const struct stat& info, std::size_t maxSize, std::errc& reason) {
  if (!S_ISREG(info.st_mode)) {
    reason = S_ISDIR(info.st_mode) ? std::errc::is_a_directory : std::errc::invalid_argument;
    return false;
  }
  if (static_cast<unsigned long long>(info.st_size) > maxSize) {
    reason = std::errc::file_too_large;
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t maxSize,
                                           std::error_code& error) {
  error.clear();
  // Looked at before it is opened: opening a FIFO waits for a writer, and
  // opening a device may do something by itself.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return failWithErrno(error);
  std::errc reason{};
  if (!isAcceptable(info, maxSize, reason)) return failWith(reason, error);
  // Non-blocking all the same, in case something else took the file's place
  // meanwhile; it is looked at again once open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failWithErrno(error);
  if (::fstat(fd, &info) != 0 || !isAcceptable(info, maxSize, reason)) {
    ::close(fd);
    return failWith(reason == std::errc{} ? std::errc::io_error : reason, error);
  }
  // One byte more than the file holds, so the read that finds the end needs
  // no reallocation; a file that grows meanwhile is read up to maxSize + 1
  // bytes and then refused.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t done = 0;
  while (true) {
    if (done == bytes.size()) {
      if (bytes.size() > maxSize) {
        ::close(fd);
        return failWith(std::errc::file_too_large, error);
      }
      bytes.resize(std::min(bytes.size() * 2, maxSize + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int readError = errno;
      ::close(fd);
      error = std::error_code(readError, std::generic_category());
      return std::nullopt;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

}  // namespace polkamina::store
