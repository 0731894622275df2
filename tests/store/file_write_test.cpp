// How a rewrite treats the file the player has: links, modes, hard links,
// folders that cannot be written, a full disk, and names planted beside it.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

#include "store/data_folder.h"
#include "store/file_error.h"

namespace fs = std::filesystem;
using namespace polkamina::store;

namespace {

const std::string kOptionsFile = "設定2.txt";
// "ハード",1,0 and "ノーマル",0,1 as they lie on disk: two contents of one length.
const std::string kHard = "\"\x83n\x81[\x83h\",1,0\r\n";
const std::string kNormal = "\"\x83m\x81[\x83}\x83\x8b\",0,1\r\n";
const Options kHardOptions{"ハード", 1, 0};
const Options kNormalOptions{"ノーマル", 0, 1};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct stat statOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

std::set<std::string> entriesOf(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Runs body in a child process as user uid in group gid; true when it returned true.
bool runAs(uid_t uid, gid_t gid, const std::function<bool()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    const gid_t groups[] = {gid};
    if (::setgroups(1, groups) != 0 || ::setresgid(gid, gid, gid) != 0 ||
        ::setresuid(uid, uid, uid) != 0) {
      ::_exit(2);
    }
    bool done = false;
    try {
      done = body();
    } catch (...) {
    }
    ::_exit(done ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool saveOptionsIn(const fs::path& folder, const Options& options) {
  DataFolder(folder).saveOptions(options);
  return true;
}

// True when `action` is refused as a link another account put there.
bool refusedAsForeignLink(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.kind() == FileError::Kind::ForeignLink;
  }
  return false;
}

// An access ACL as the kernel stores it (version 2, then tag, permissions
// and id of each entry, ordered by tag and id).
constexpr std::uint32_t kNoId = 0xFFFFFFFF;
struct AclEntry {
  std::uint16_t tag;
  std::uint16_t permissions;
  std::uint32_t id = kNoId;
};
constexpr std::uint16_t kUserObject = 0x01, kUser = 0x02, kGroupObject = 0x04, kMask = 0x10,
                        kOther = 0x20;

std::string aclOf(std::initializer_list<AclEntry> entries) {
  std::string bytes;
  const auto put = [&bytes](auto value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
  };
  put(std::uint32_t{2});
  for (const AclEntry& entry : entries) {
    put(entry.tag);
    put(entry.permissions);
    put(entry.id);
  }
  return bytes;
}

std::string xattrOf(const fs::path& path, const char* name) {
  std::string value(256, '\0');
  const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
  value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
  return value;
}

class Rewrite : public ::testing::Test {
 protected:
  Rewrite() {
    std::string pattern = (fs::temp_directory_path() / "rewrite_test_XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
    // Other users of the tests below must be able to reach the folders inside.
    fs::permissions(dir_, fs::perms::all);
    game_ = dir_ / "game";
    fs::create_directory(game_);
    writeFile(game_ / kOptionsFile, kNormal);
  }
  ~Rewrite() override { fs::remove_all(dir_); }

  void save(const Options& options) { DataFolder(game_).saveOptions(options); }

  fs::path dir_;
  fs::path game_;
};

TEST_F(Rewrite, KeepsLinksModesAndHardLinksAndLeavesNothingBehind) {
  // A link to a link to the real file, elsewhere: both links stay links.
  fs::create_directory(dir_ / "elsewhere");
  writeFile(dir_ / "elsewhere" / "real.txt", kNormal);
  fs::remove(game_ / kOptionsFile);
  fs::create_symlink("../elsewhere/middle.txt", game_ / kOptionsFile);
  fs::create_symlink("real.txt", dir_ / "elsewhere" / "middle.txt");
  // A mode neither a plain create (0644) nor a temporary file (0600) would give.
  ::chmod((dir_ / "elsewhere" / "real.txt").c_str(), 0640);
  save(kHardOptions);
  EXPECT_TRUE(fs::is_symlink(game_ / kOptionsFile));
  EXPECT_TRUE(fs::is_symlink(dir_ / "elsewhere" / "middle.txt"));
  EXPECT_EQ(readFile(dir_ / "elsewhere" / "real.txt"), kHard);
  EXPECT_EQ(statOf(dir_ / "elsewhere" / "real.txt").st_mode & 07777, 0640u);
  // The set-group-ID bit stays too.
  ::chmod((dir_ / "elsewhere" / "real.txt").c_str(), 02640);
  save(kNormalOptions);
  EXPECT_EQ(statOf(dir_ / "elsewhere" / "real.txt").st_mode & 07777, 02640u);
  EXPECT_EQ(entriesOf(dir_ / "elsewhere"), (std::set<std::string>{"middle.txt", "real.txt"}));

  // A file with a second hard link keeps it.
  fs::remove(game_ / kOptionsFile);
  writeFile(game_ / kOptionsFile, kNormal);
  fs::create_hard_link(game_ / kOptionsFile, dir_ / "backup.txt");
  save(kHardOptions);
  EXPECT_EQ(readFile(dir_ / "backup.txt"), kHard);
  EXPECT_EQ(statOf(game_ / kOptionsFile).st_ino, statOf(dir_ / "backup.txt").st_ino);

  // A longer and a shorter content in place: the file holds exactly the new bytes.
  DataFolder(game_).saveRecords(Records{});
  fs::create_hard_link(game_ / "記録.txt", dir_ / "records-link.txt");
  Records better;
  better[2] = {12345, "100分00秒"};
  DataFolder(game_).saveRecords(better);
  EXPECT_EQ(DataFolder(game_).loadRecords()[2].turns, 12345);
  DataFolder(game_).saveRecords(Records{});
  EXPECT_EQ(readFile(dir_ / "records-link.txt").size(), 68u);

  // Missing files are created with the mode a plain create gives them.
  const mode_t oldMask = ::umask(022);
  DataFolder(game_).clearHistory();
  ::umask(oldMask);
  EXPECT_EQ(statOf(game_ / "履歴.txt").st_mode & 07777, 0644u);
  EXPECT_EQ(entriesOf(game_), (std::set<std::string>{kOptionsFile, "記録.txt", "履歴.txt"}));
}

TEST_F(Rewrite, NamesPlantedBesideTheFileAreNeverFollowed) {
  const fs::path victim = dir_ / "victim.txt";
  writeFile(victim, "keep me");
  // Links at the name earlier versions used and at names of the form used
  // now; and leftovers of killed runs, which are removed.
  for (const char* name : {".設定2.txt.tmp", ".設定2.txt.AAAAAA.tmp", ".設定2.txt.zz9999.tmp"}) {
    fs::create_symlink(victim, game_ / name);
  }
  writeFile(game_ / ".設定2.txt.Ab3dE9.tmp", "left by a killed run");
  writeFile(game_ / ".記録.txt.Ab3dE9.tmp", "another file's");
  writeFile(game_ / ".設定2.txt.my-cp1.tmp", "not a name of ours");
  writeFile(game_ / ".設定2.txt.Ab3dE9.bak", "nor this one");
  save(kHardOptions);
  EXPECT_EQ(readFile(victim), "keep me");
  EXPECT_EQ(readFile(game_ / kOptionsFile), kHard);
  EXPECT_FALSE(fs::exists(fs::symlink_status(game_ / ".設定2.txt.Ab3dE9.tmp")));
  EXPECT_TRUE(fs::is_symlink(game_ / ".設定2.txt.AAAAAA.tmp"));
  EXPECT_TRUE(fs::exists(game_ / ".記録.txt.Ab3dE9.tmp"));
  EXPECT_TRUE(fs::exists(game_ / ".設定2.txt.my-cp1.tmp"));
  EXPECT_TRUE(fs::exists(game_ / ".設定2.txt.Ab3dE9.bak"));

  // A chain of as many links as the kernel follows is followed to its file;
  // one link more is taken for a loop.
  writeFile(dir_ / "end.txt", kNormal);
  for (int link = 1; link < 40; ++link) {
    const std::string next = link + 1 < 40 ? "l" + std::to_string(link + 1) : "end.txt";
    fs::create_symlink(next, dir_ / ("l" + std::to_string(link)));
  }
  fs::remove(game_ / kOptionsFile);
  fs::create_symlink(dir_ / "l1", game_ / kOptionsFile);
  save(kHardOptions);
  EXPECT_EQ(readFile(dir_ / "end.txt"), kHard);
  fs::create_symlink("l1", dir_ / "l0");
  fs::remove(game_ / kOptionsFile);
  fs::create_symlink(dir_ / "l0", game_ / kOptionsFile);
  EXPECT_THROW(save(kNormalOptions), FileError);
  EXPECT_EQ(readFile(dir_ / "end.txt"), kHard);

  // A link loop or a FIFO in the data file's place is refused at once.
  fs::remove(game_ / kOptionsFile);
  fs::create_symlink(kOptionsFile, game_ / kOptionsFile);
  EXPECT_THROW(save(kHardOptions), FileError);
  fs::remove(game_ / kOptionsFile);
  ASSERT_EQ(::mkfifo((game_ / kOptionsFile).c_str(), 0644), 0);
  EXPECT_THROW(save(kHardOptions), FileError);
  ASSERT_EQ(::mkfifo((game_ / "履歴.txt").c_str(), 0644), 0);
  EXPECT_THROW(DataFolder(game_).appendHistoryRow({}), FileError);
  EXPECT_EQ(readFile(victim), "keep me");
}

// Two players who share the game folder through a group, and a folder whose
// files may be written though the folder itself may not be changed.
TEST_F(Rewrite, OtherPlayersAndReadOnlyFoldersStillRewrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users";
  constexpr uid_t kFirst = 4242;
  constexpr uid_t kSecond = 4343;
  constexpr gid_t kShared = 4300;
  ASSERT_EQ(::chown(game_.c_str(), 0, kShared), 0);
  ASSERT_EQ(::chmod(game_.c_str(), 02775), 0);
  ASSERT_EQ(::chown((game_ / kOptionsFile).c_str(), kFirst, kShared), 0);
  ASSERT_EQ(::chmod((game_ / kOptionsFile).c_str(), 0664), 0);
  // A leftover of a third player's killed run is theirs to remove.
  const fs::path leftover = game_ / ".設定2.txt.Ab3dE9.tmp";
  writeFile(leftover, kNormal);
  ASSERT_EQ(::chown(leftover.c_str(), 4444, kShared), 0);
  for (uid_t player : {kSecond, kFirst, kSecond}) {
    ASSERT_TRUE(runAs(player, kShared, [&] { return saveOptionsIn(game_, kHardOptions); }))
        << "player " << player;
    const struct stat info = statOf(game_ / kOptionsFile);
    EXPECT_EQ(info.st_uid, kFirst);
    EXPECT_EQ(info.st_gid, kShared);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(readFile(game_ / kOptionsFile), kHard);
    writeFile(game_ / kOptionsFile, kNormal);
  }
  EXPECT_TRUE(fs::exists(leftover));

  const fs::path locked = dir_ / "locked";
  fs::create_directory(locked);
  ::chmod(locked.c_str(), 0755);
  writeFile(locked / kOptionsFile, kNormal);
  ASSERT_EQ(::chown((locked / kOptionsFile).c_str(), kFirst, kFirst), 0);
  EXPECT_TRUE(runAs(kFirst, kFirst, [&] { return saveOptionsIn(locked, kHardOptions); }));
  EXPECT_EQ(readFile(locked / kOptionsFile), kHard);
  EXPECT_EQ(entriesOf(locked), std::set<std::string>{kOptionsFile});

  // A file its owner made read-only stays as it is, though the folder is theirs.
  const fs::path own = dir_ / "own";
  fs::create_directory(own);
  writeFile(own / kOptionsFile, kNormal);
  ASSERT_EQ(::chown(own.c_str(), kFirst, kFirst), 0);
  ASSERT_EQ(::chown((own / kOptionsFile).c_str(), kFirst, kFirst), 0);
  ASSERT_EQ(::chmod((own / kOptionsFile).c_str(), 0444), 0);
  EXPECT_FALSE(runAs(kFirst, kFirst, [&] { return saveOptionsIn(own, kHardOptions); }));
  EXPECT_EQ(readFile(own / kOptionsFile), kNormal);
}

// Another account that may write the shared folder plants links to the
// player's private files under the data files' names.
TEST_F(Rewrite, LinksAnotherAccountPlantsInASharedFolderAreNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users";
  constexpr uid_t kPlayer = 4242;
  constexpr uid_t kOther = 4343;
  ASSERT_EQ(::chmod(game_.c_str(), 01777), 0);
  const fs::path own = dir_ / "own";
  fs::create_directory(own);
  ASSERT_EQ(::chown(own.c_str(), kPlayer, kPlayer), 0);
  for (const char* name : {"secret.txt", "records.txt", "delays.txt"}) {
    writeFile(own / name, kNormal);
    ASSERT_EQ(::chown((own / name).c_str(), kPlayer, kPlayer), 0);
    ASSERT_EQ(::chmod((own / name).c_str(), 0600), 0);
  }
  fs::remove(game_ / kOptionsFile);
  ASSERT_TRUE(runAs(kOther, kOther, [&] {
    fs::create_symlink(own / "secret.txt", game_ / kOptionsFile);
    fs::create_symlink(own / "secret.txt", game_ / "履歴.txt");
    return true;
  }));
  ASSERT_TRUE(runAs(kPlayer, kPlayer, [&] {
    const DataFolder folder(game_);
    return refusedAsForeignLink([&] { folder.saveOptions(kHardOptions); }) &&
           refusedAsForeignLink([&] { folder.appendHistoryRow({}); }) &&
           refusedAsForeignLink([&] { folder.clearHistory(); }) &&
           refusedAsForeignLink([&] { folder.loadOptions(); });
  }));
  EXPECT_EQ(readFile(own / "secret.txt"), kNormal);

  // The player's own links, and the folder owner's, are followed.
  ASSERT_TRUE(runAs(kPlayer, kPlayer, [&] {
    fs::create_symlink(own / "records.txt", game_ / "記録.txt");
    return true;
  }));
  fs::create_symlink(own / "delays.txt", game_ / "設定.txt");
  EXPECT_TRUE(runAs(kPlayer, kPlayer, [&] {
    DataFolder(game_).saveRecords(Records{});
    DataFolder(game_).saveDelays(Delays{1, 2});
    return true;
  }));
  EXPECT_EQ(readFile(own / "records.txt").size(), 68u);
  EXPECT_EQ(readFile(own / "delays.txt"), " 1 \r\n 2 \r\n");
}

// A file the player shares with another account through an ACL: the ACL
// stays as it was, whoever rewrites the file, and nothing widens.
TEST_F(Rewrite, AnAclStaysAsItWasAndNoPermissionWidens) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users";
  constexpr uid_t kPlayer = 4242;
  constexpr uid_t kFriend = 4343;
  const fs::path file = game_ / kOptionsFile;
  ASSERT_EQ(::chown(game_.c_str(), kPlayer, kPlayer), 0);
  ASSERT_EQ(::chown(file.c_str(), kPlayer, kPlayer), 0);
  const std::string shared =
      aclOf({{kUserObject, 6}, {kUser, 6, kFriend}, {kGroupObject, 4}, {kMask, 6}, {kOther, 0}});
  if (::setxattr(file.c_str(), "system.posix_acl_access", shared.data(), shared.size(), 0) != 0) {
    GTEST_SKIP() << "no ACLs here: " << std::strerror(errno);
  }
  const mode_t mode = statOf(file).st_mode;
  for (uid_t player : {kPlayer, kFriend, kPlayer}) {
    ASSERT_TRUE(runAs(player, player, [&] { return saveOptionsIn(game_, kHardOptions); }))
        << "player " << player;
    EXPECT_EQ(readFile(file), kHard);
    EXPECT_EQ(xattrOf(file, "system.posix_acl_access"), shared);
    EXPECT_EQ(statOf(file).st_mode, mode);
    EXPECT_EQ(statOf(file).st_uid, kPlayer);
    writeFile(file, kNormal);
  }

  // A folder's default ACL gives a file made there an ACL the old file lacks.
  const std::string inherited =
      aclOf({{kUserObject, 7}, {kUser, 7, kFriend}, {kGroupObject, 5}, {kMask, 7}, {kOther, 5}});
  ASSERT_EQ(
      ::setxattr(game_.c_str(), "system.posix_acl_default", inherited.data(), inherited.size(), 0),
      0);
  ASSERT_EQ(::removexattr(file.c_str(), "system.posix_acl_access"), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  ASSERT_TRUE(runAs(kPlayer, kPlayer, [&] { return saveOptionsIn(game_, kHardOptions); }));
  EXPECT_EQ(xattrOf(file, "system.posix_acl_access"), "");
  EXPECT_EQ(statOf(file).st_mode & 07777, 0600u);
  EXPECT_FALSE(runAs(kFriend, kFriend, [&] { return saveOptionsIn(game_, kNormalOptions); }));
}

TEST_F(Rewrite, AFullDiskStillTakesAContentThatFits) {
  const fs::path small = dir_ / "small";
  fs::create_directory(small);
  if (::mount("polkamina-test", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
  }
  const std::unique_ptr<const fs::path, void (*)(const fs::path*)> unmount(
      &small, [](const fs::path* path) { ::umount(path->c_str()); });
  writeFile(small / kOptionsFile, kNormal);
  // Fill every block that is left, then check no new file can take a byte.
  const int filler = ::open((small / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
  const std::string block(4096, 'x');
  while (::write(filler, block.data(), block.size()) > 0) {
  }
  while (::write(filler, "x", 1) > 0) {
  }
  ::close(filler);
  const int probe = ::open((small / "probe").c_str(), O_WRONLY | O_CREAT, 0644);
  EXPECT_EQ(::write(probe, "x", 1), -1);
  ::close(probe);
  fs::remove(small / "probe");
  DataFolder(small).saveOptions(kHardOptions);
  EXPECT_EQ(readFile(small / kOptionsFile), kHard);
  EXPECT_EQ(entriesOf(small), (std::set<std::string>{kOptionsFile, "filler"}));
}

}  // namespace
