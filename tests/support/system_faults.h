#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <vector>

// A seam under the C library's file calls, for tests of what a rewrite does
// when the system fails it. Linking system_faults.cpp into a test program
// puts its definitions of these calls in place of the C library's for the
// whole program; each passes the call on unchanged unless a test watches.
namespace polkamina::testing {

enum class SystemCall {
  Open,
  Mkostemps,
  Write,
  Pwrite,
  Pread,
  Fsync,
  Ftruncate,
  Fallocate,
  Fchmod,
  Fchown,
  Fsetxattr,
  Fremovexattr,
  Rename,
  Close,
  Unlink,
};

const char* nameOf(SystemCall call);

// The exit status of a process that a Fault with `exit` ended.
constexpr int kExitedStatus = 86;

// One call made while watched, and the file it concerned: the path opened
// or unlinked, the file an fd stood for, or for a rename its old name
// (`path`) and its new one (`to`).
struct CallRecord {
  SystemCall call;
  std::string path;
  std::string to;
};

// A call to fail: the one at `index` (counting from 0) of those made while
// watched returns -1 with `error` instead of running. With `tear`, a write
// there writes half its bytes and the next write fails instead.
struct Fault {
  std::size_t index = 0;
  int error = EIO;
  bool tear = false;
  // The process ends at that call instead, as if killed, before it runs.
  bool exit = false;
};

// Watches the calls from now on, failing the one `fault` names, if any.
void startWatching();
void startWatching(const Fault& fault);
// Stops watching and gives the calls made meanwhile, in order.
std::vector<CallRecord> stopWatching();

}  // namespace polkamina::testing
