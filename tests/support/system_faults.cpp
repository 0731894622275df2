// Definitions of the C library's file calls that take its place in a test
// program (see system_faults.h). Each finds the real call with
// dlsym(RTLD_NEXT), so it works the same under the sanitizers' own wrappers.
#include "system_faults.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace polkamina::testing {

namespace {

struct Watch {
  bool on = false;
  std::vector<CallRecord> calls;
  std::optional<Fault> fault;
  bool failNextWrite = false;  // a torn write's second half
};

Watch& watch() {
  static Watch state;
  return state;
}

// Set while the seam itself runs, so its own work is not watched.
thread_local bool insideSeam = false;

enum class Verdict { Run, Fail, Tear };

std::string pathOfFd(int fd) {
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  char target[4096];
  const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
  return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

bool isWrite(SystemCall call) { return call == SystemCall::Write || call == SystemCall::Pwrite; }

// Records a call that is about to be made and tells what to do with it.
template <typename PathOf>
Verdict enter(SystemCall call, PathOf pathOf, const char* to = nullptr) {
  Watch& state = watch();
  if (!state.on || insideSeam) return Verdict::Run;
  insideSeam = true;
  state.calls.push_back({call, pathOf(), to ? to : ""});
  insideSeam = false;
  const std::size_t index = state.calls.size() - 1;
  if (state.failNextWrite && isWrite(call)) {
    state.failNextWrite = false;
    return Verdict::Fail;
  }
  if (!state.fault || state.fault->index != index) return Verdict::Run;
  if (state.fault->exit) ::_exit(kExitedStatus);
  return state.fault->tear && isWrite(call) ? Verdict::Tear : Verdict::Fail;
}

Verdict enterFd(SystemCall call, int fd) {
  return enter(call, [fd] { return pathOfFd(fd); });
}

Verdict enterPath(SystemCall call, const char* path, const char* to = nullptr) {
  return enter(
      call, [path] { return std::string(path ? path : ""); }, to);
}

int failedCall() {
  errno = watch().fault->error;
  return -1;
}

// The C library's own definition of `name`.
template <typename Function>
Function* real(const char* name) {
  void* symbol = ::dlsym(RTLD_NEXT, name);
  if (!symbol) std::abort();
  return reinterpret_cast<Function*>(symbol);
}

// A write under `verdict`: run, failed, or torn (half written now, the
// next write failed).
template <typename Run>
ssize_t writeUnder(Verdict verdict, std::size_t count, Run run) {
  if (verdict == Verdict::Fail) return failedCall();
  if (verdict == Verdict::Tear) {
    if (count < 2) return failedCall();
    watch().failNextWrite = true;
    return run(count / 2);
  }
  return run(count);
}

int openWith(const char* name, const char* path, int flags, mode_t mode) {
  if (enterPath(SystemCall::Open, path) == Verdict::Fail) return failedCall();
  using Open = int(const char*, int, ...);
  static Open* const realOpen = real<Open>(name);
  return realOpen(path, flags, mode);
}

mode_t modeArgument(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

}  // namespace

const char* nameOf(SystemCall call) {
  static const char* const kNames[] = {"open",   "mkostemps", "write",     "pwrite",
                                       "pread",  "fsync",     "ftruncate", "fallocate",
                                       "fchmod", "fchown",    "fsetxattr", "fremovexattr",
                                       "rename", "close",     "unlink"};
  return kNames[static_cast<int>(call)];
}

void startWatching() {
  Watch& state = watch();
  state = Watch{};
  state.on = true;
}

void startWatching(const Fault& fault) {
  startWatching();
  watch().fault = fault;
}

std::vector<CallRecord> stopWatching() {
  Watch& state = watch();
  state.on = false;
  state.fault.reset();
  state.failNextWrite = false;
  return std::move(state.calls);
}

}  // namespace polkamina::testing

using polkamina::testing::enterFd;
using polkamina::testing::enterPath;
using polkamina::testing::failedCall;
using polkamina::testing::real;
using polkamina::testing::SystemCall;
using polkamina::testing::Verdict;
using polkamina::testing::writeUnder;

extern "C" {

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = polkamina::testing::modeArgument(flags, arguments);
  va_end(arguments);
  return polkamina::testing::openWith("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = polkamina::testing::modeArgument(flags, arguments);
  va_end(arguments);
  return polkamina::testing::openWith("open64", path, flags, mode);
}

int mkostemps(char* pattern, int suffixLength, int flags) {
  if (enterPath(SystemCall::Mkostemps, pattern) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(char*, int, int)>("mkostemps");
  return realCall(pattern, suffixLength, flags);
}

ssize_t write(int fd, const void* buffer, size_t count) {
  static auto* const realCall = real<ssize_t(int, const void*, size_t)>("write");
  return writeUnder(enterFd(SystemCall::Write, fd), count,
                    [&](size_t part) { return realCall(fd, buffer, part); });
}

ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset) {
  static auto* const realCall = real<ssize_t(int, const void*, size_t, off_t)>("pwrite");
  return writeUnder(enterFd(SystemCall::Pwrite, fd), count,
                    [&](size_t part) { return realCall(fd, buffer, part, offset); });
}

ssize_t pwrite64(int fd, const void* buffer, size_t count, off64_t offset) {
  static auto* const realCall = real<ssize_t(int, const void*, size_t, off64_t)>("pwrite64");
  return writeUnder(enterFd(SystemCall::Pwrite, fd), count,
                    [&](size_t part) { return realCall(fd, buffer, part, offset); });
}

ssize_t pread(int fd, void* buffer, size_t count, off_t offset) {
  if (enterFd(SystemCall::Pread, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<ssize_t(int, void*, size_t, off_t)>("pread");
  return realCall(fd, buffer, count, offset);
}

int fsync(int fd) {
  if (enterFd(SystemCall::Fsync, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int)>("fsync");
  return realCall(fd);
}

int ftruncate(int fd, off_t length) noexcept {
  if (enterFd(SystemCall::Ftruncate, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, off_t)>("ftruncate");
  return realCall(fd, length);
}

int fallocate(int fd, int mode, off_t offset, off_t length) {
  if (enterFd(SystemCall::Fallocate, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, int, off_t, off_t)>("fallocate");
  return realCall(fd, mode, offset, length);
}

int fchmod(int fd, mode_t mode) noexcept {
  if (enterFd(SystemCall::Fchmod, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, mode_t)>("fchmod");
  return realCall(fd, mode);
}

int fchown(int fd, uid_t owner, gid_t group) noexcept {
  if (enterFd(SystemCall::Fchown, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, uid_t, gid_t)>("fchown");
  return realCall(fd, owner, group);
}

int fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) noexcept {
  if (enterFd(SystemCall::Fsetxattr, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, const char*, const void*, size_t, int)>("fsetxattr");
  return realCall(fd, name, value, size, flags);
}

int fremovexattr(int fd, const char* name) noexcept {
  if (enterFd(SystemCall::Fremovexattr, fd) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(int, const char*)>("fremovexattr");
  return realCall(fd, name);
}

int rename(const char* from, const char* to) noexcept {
  if (enterPath(SystemCall::Rename, from, to) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(const char*, const char*)>("rename");
  return realCall(from, to);
}

int close(int fd) {
  static auto* const realCall = real<int(int)>("close");
  const Verdict verdict = enterFd(SystemCall::Close, fd);
  // A failed close() still releases the descriptor, as Linux's does.
  const int result = realCall(fd);
  return verdict == Verdict::Fail ? failedCall() : result;
}

int unlink(const char* path) noexcept {
  if (enterPath(SystemCall::Unlink, path) == Verdict::Fail) return failedCall();
  static auto* const realCall = real<int(const char*)>("unlink");
  return realCall(path);
}

}  // extern "C"
