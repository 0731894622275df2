// Rewrites whose system calls fail, one step at a time, on every route: the
// file holds exactly its old or its new bytes afterwards, and an error is
// reported exactly when it holds the old ones. And the steps that make a
// rewrite last through a crash are taken.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "store/file_error.h"
#include "store/file_write.h"
#include "support/system_faults.h"

namespace fs = std::filesystem;
using namespace polkamina::store;
using namespace polkamina::testing;

namespace {

const std::string kFileName = "記録.txt";
const std::string kShort =
    "9999,\"59\x95\xaa"
    "59\x95\x62\"\r\n";
const std::string kLong = kShort + kShort + kShort + kShort;
const std::string kLine = "\"2026/12/07\",\"12:00:00\"\r\n";

// A file's content, or nothing when there is no file.
using Content = std::optional<std::string>;

enum class Route { Rename, InPlace, Append };

const char* nameOf(Route route) {
  switch (route) {
    case Route::Rename:
      return "rename";
    case Route::InPlace:
      return "in place";
    case Route::Append:
      return "append";
  }
  return "";
}

class RewriteFaults : public ::testing::Test {
 protected:
  RewriteFaults() {
    std::string pattern = (fs::temp_directory_path() / "rewrite_faults_XXXXXX").string();
    dir_ = fs::canonical(::mkdtemp(pattern.data()));
    file_ = dir_ / kFileName;
  }
  ~RewriteFaults() override { fs::remove_all(dir_); }

  // Puts `content` in place for `route`: the in-place route is taken for a
  // file with a second hard link.
  void reset(Route route, const Content& content) {
    fs::remove(file_);
    fs::remove(dir_ / "second-link");
    if (!content) return;
    std::ofstream(file_, std::ios::binary) << *content;
    if (route == Route::InPlace) fs::create_hard_link(file_, dir_ / "second-link");
  }

  Content content() const {
    if (!fs::exists(file_)) return std::nullopt;
    std::ifstream in(file_, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // Runs the rewrite of `route` to `after`; the kind of error it reported, if any.
  std::optional<FileError::Kind> rewrite(Route route, const Content& after) {
    try {
      if (route == Route::Append) {
        appendLine(file_, kLine, kFileName);
      } else {
        replaceFile(file_, *after, kFileName);
      }
    } catch (const FileError& error) {
      return error.kind();
    }
    return std::nullopt;
  }

  // The calls a rewrite of `route` from `before` to `after` makes when nothing fails.
  std::vector<CallRecord> callsOf(Route route, const Content& before, const Content& after) {
    reset(route, before);
    startWatching();
    const auto error = rewrite(route, after);
    std::vector<CallRecord> calls = stopWatching();
    EXPECT_FALSE(error);
    EXPECT_EQ(content(), after);
    return calls;
  }

  fs::path dir_;
  fs::path file_;
};

struct Change {
  Route route;
  Content before;
  Content after;
};

const Change kChanges[] = {
    {Route::Rename, kShort, kLong},        {Route::Rename, kLong, kShort},
    {Route::Rename, std::nullopt, kShort}, {Route::InPlace, kShort, kLong},
    {Route::InPlace, kLong, kShort},       {Route::Append, kShort, kShort + kLine},
    {Route::Append, std::nullopt, kLine},
};

TEST_F(RewriteFaults, EveryFailedStepLeavesTheOldOrTheNewBytesAndSaysWhich) {
  const Fault kinds[] = {{0, EIO, false}, {0, ENOSPC, false}, {0, EIO, true}};
  for (const Change& change : kChanges) {
    const std::vector<CallRecord> calls = callsOf(change.route, change.before, change.after);
    for (std::size_t step = 0; step < calls.size(); ++step) {
      for (Fault fault : kinds) {
        fault.index = step;
        reset(change.route, change.before);
        startWatching(fault);
        const auto error = rewrite(change.route, change.after);
        stopWatching();
        SCOPED_TRACE(std::string(nameOf(change.route)) + ": " + nameOf(calls[step].call) + " " +
                     calls[step].path + (fault.tear ? " torn" : "") + " errno " +
                     std::to_string(fault.error));
        if (error) {
          EXPECT_EQ(*error, FileError::Kind::CannotWrite);
          EXPECT_EQ(content(), change.before);
        } else {
          EXPECT_EQ(content(), change.after);
        }
      }
    }
  }
}

TEST_F(RewriteFaults, TheRenameRouteReportsIoErrorsAndGoesInPlaceOnlyForWantOfRoom) {
  const std::vector<CallRecord> calls = callsOf(Route::Rename, kShort, kLong);
  for (std::size_t step = 0; step < calls.size(); ++step) {
    const CallRecord& call = calls[step];
    SCOPED_TRACE(std::string(nameOf(call.call)) + " " + call.path);
    // Closing a file whose bytes are down, and making the rename last, lose
    // nothing when they fail; every other step is the rewrite's own.
    const bool ownStep = call.call != SystemCall::Close && call.path != dir_.string();
    reset(Route::Rename, kShort);
    startWatching({step, EIO});
    EXPECT_EQ(rewrite(Route::Rename, kLong).has_value(), ownStep);
    stopWatching();
    EXPECT_EQ(content(), ownStep ? kShort : kLong);

    // A full disk leaves the in-place route, where the new bytes fit.
    const bool beforeTheRename = call.call != SystemCall::Rename && ownStep;
    if (beforeTheRename && call.call != SystemCall::Fchmod) {
      reset(Route::Rename, kShort);
      startWatching({step, ENOSPC});
      EXPECT_FALSE(rewrite(Route::Rename, kLong));
      stopWatching();
      EXPECT_EQ(content(), kLong);
    }
  }
}

// The index of the first call at or after `from` that is `call` on `path`
// (on any path when none is given).
std::optional<std::size_t> find(const std::vector<CallRecord>& calls, SystemCall call,
                                const std::optional<std::string>& path, std::size_t from = 0) {
  for (std::size_t i = from; i < calls.size(); ++i) {
    if (calls[i].call == call && (!path || calls[i].path == *path)) return i;
  }
  return std::nullopt;
}

TEST_F(RewriteFaults, EachRouteMakesItsWorkLastThroughACrash) {
  // The new file is synced before it takes the old one's name, and the
  // folder after, so a crash finds either file whole under the name. Its
  // mode is one the system would never give a new file.
  reset(Route::Rename, kShort);
  ::chmod(file_.c_str(), 0604);
  startWatching();
  ASSERT_FALSE(rewrite(Route::Rename, kLong));
  std::vector<CallRecord> calls = stopWatching();
  struct stat info {};
  ASSERT_EQ(::stat(file_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
  const auto renamed = find(calls, SystemCall::Rename, std::nullopt);
  ASSERT_TRUE(renamed);
  EXPECT_EQ(calls[*renamed].to, file_.string());
  const std::string temporary = calls[*renamed].path;
  EXPECT_LT(find(calls, SystemCall::Fsync, temporary).value_or(*renamed), *renamed);
  EXPECT_TRUE(find(calls, SystemCall::Fchmod, temporary));
  EXPECT_TRUE(find(calls, SystemCall::Fsync, dir_.string(), *renamed));

  // In place: the file itself is synced after its last change.
  calls = callsOf(Route::InPlace, kLong, kShort);
  const auto truncated = find(calls, SystemCall::Ftruncate, file_.string());
  ASSERT_TRUE(truncated);
  EXPECT_TRUE(find(calls, SystemCall::Fsync, file_.string(), *truncated));

  // An appended line is synced, and so is the folder that got a new file.
  calls = callsOf(Route::Append, std::nullopt, kLine);
  const auto written = find(calls, SystemCall::Write, file_.string());
  ASSERT_TRUE(written);
  const auto synced = find(calls, SystemCall::Fsync, file_.string(), *written);
  ASSERT_TRUE(synced);
  EXPECT_TRUE(find(calls, SystemCall::Fsync, dir_.string(), *synced));
}

}  // namespace
