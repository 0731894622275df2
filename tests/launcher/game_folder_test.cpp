#include "launcher/game_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace polkamina::launcher {
namespace {

namespace fs = std::filesystem;

// A shipped game folder of two icons and two data files in a scratch folder,
// and the place of a player's game folder beside it.
class Launcher : public ::testing::Test {
 protected:
  Launcher() {
    std::string pattern = (fs::temp_directory_path() / "launcher_test_XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    defaults_ = root_ / "install/defaults";
    fs::create_directories(defaults_);
    write(defaults_ / "ねこ.ico", "cat");
    write(defaults_ / "いぬ.ico", "dog");
    write(defaults_ / "設定.txt", " 1 \r\n .5 \r\n");
    write(defaults_ / "履歴.txt", "");
    game_ = root_ / "home/.local/share/polkamina";
    oldUmask_ = ::umask(022);
  }
  ~Launcher() override {
    ::umask(oldUmask_);
    fs::remove_all(root_);
  }

  static void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream out;
    out << in.rdbuf();
    return out.str();
  }
  static std::set<std::string> names(const fs::path& folder) {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
      found.insert(entry.path().filename().string());
    }
    return found;
  }
  // The message prepareGameFolder fails with, or "" when it succeeds.
  std::string failureOf(const fs::path& game) const {
    try {
      prepareGameFolder(defaults_, game);
    } catch (const PrepareError& error) {
      return error.what();
    }
    return "";
  }

  fs::path root_;
  fs::path defaults_;
  fs::path game_;
  mode_t oldUmask_;
};

const std::set<std::string> kShipped = {"ねこ.ico", "いぬ.ico", "設定.txt", "履歴.txt"};

TEST_F(Launcher, AFirstStartMakesTheWholeFolderUnderPrivateParents) {
  prepareGameFolder(defaults_, game_);
  EXPECT_EQ(names(game_), kShipped);
  for (const std::string& name : kShipped) EXPECT_EQ(read(game_ / name), read(defaults_ / name));
  EXPECT_EQ(fs::status(game_).permissions(), static_cast<fs::perms>(0755));
  EXPECT_EQ(fs::status(game_ / "ねこ.ico").permissions(), static_cast<fs::perms>(0644));
  // New parents are private, as XDG asks; nothing is left beside the folder.
  EXPECT_EQ(fs::status(game_.parent_path()).permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(root_ / "home/.local").permissions(), fs::perms::owner_all);
  EXPECT_EQ(names(game_.parent_path()), std::set<std::string>{"polkamina"});

  // A link to a folder is a game folder too.
  fs::create_directory_symlink(game_, root_ / "linked");
  EXPECT_EQ(failureOf(root_ / "linked"), "");
}

TEST_F(Launcher, AnExistingFolderGetsWhatItLacksAndKeepsWhatItHas) {
  fs::create_directories(game_);
  write(game_ / "設定.TXT", "mine");  // the same data file, as the game finds it
  fs::create_symlink("nowhere", game_ / "履歴.txt");
  write(game_ / "じぶん.ICO", "own");
  const auto inode = fs::hard_link_count(game_ / "設定.TXT");
  prepareGameFolder(defaults_, game_);
  EXPECT_EQ(names(game_), (std::set<std::string>{"設定.TXT", "履歴.txt", "じぶん.ICO"}))
      << "a data file in another case, a dangling link and an own icon count as there";
  EXPECT_EQ(read(game_ / "設定.TXT"), "mine");
  EXPECT_EQ(fs::hard_link_count(game_ / "設定.TXT"), inode);
  EXPECT_TRUE(fs::is_symlink(game_ / "履歴.txt"));

  // A folder the player made for the icons to come, and one that lost a file.
  const fs::path empty = root_ / "empty";
  fs::create_directory(empty);
  prepareGameFolder(defaults_, empty);
  EXPECT_EQ(names(empty), kShipped);
  fs::remove(empty / "履歴.txt");
  write(empty / "ねこ.ico", "changed");
  prepareGameFolder(defaults_, empty);
  EXPECT_EQ(names(empty), kShipped);
  EXPECT_EQ(read(empty / "ねこ.ico"), "changed");

  // A folder whose icons a switch of picture sets left moved out: the game
  // moves the new ones in, so no shipped icon may join them.
  const fs::path switching = root_ / "switching";
  fs::create_directories(switching / "絵");
  write(switching / "絵" / ".switching", "journal");
  prepareGameFolder(defaults_, switching);
  EXPECT_EQ(names(switching), (std::set<std::string>{"絵", "設定.txt", "履歴.txt"}));
}

TEST_F(Launcher, StartsAtTheSameTimeAllSucceedWithOneWholeFolder) {
  constexpr int kStarts = 8;
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  std::vector<pid_t> children;
  for (int i = 0; i < kStarts; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(go[1]);
      char byte;
      while (::read(go[0], &byte, 1) != 0) {
      }
      ::_exit(failureOf(game_).empty() ? 0 : 1);
    }
    children.push_back(child);
  }
  ::close(go[0]);
  ::close(go[1]);  // all of them start now
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(names(game_), kShipped);
  EXPECT_EQ(names(game_.parent_path()), std::set<std::string>{"polkamina"});
}

TEST_F(Launcher, WhatCannotBePreparedIsToldWithItsPlace) {
  fs::create_directories(root_ / "blocked");
  write(root_ / "blocked/polkamina", "");
  EXPECT_EQ(failureOf(root_ / "blocked/polkamina"),
            "「" + (root_ / "blocked/polkamina").string() + "」はフォルダではありません。");
  EXPECT_EQ(failureOf(root_ / "blocked/polkamina/polkamina"),
            "「" + (root_ / "blocked/polkamina/polkamina").string() +
                "」を開けません：途中にフォルダでないものがあります。");
  fs::create_symlink(root_ / "nowhere", root_ / "dangling");
  EXPECT_NE(failureOf(root_ / "dangling").find("リンク先がありません"), std::string::npos);
  EXPECT_FALSE(fs::exists(root_ / "nowhere")) << "a dangling link is never followed";

  EXPECT_EQ(failureOf(defaults_.parent_path()),
            "インストールされたファイルのフォルダ「" + defaults_.parent_path().string() +
                "」と同じ場所です。ゲームフォルダは別の場所にしてください。");
  EXPECT_EQ(names(defaults_.parent_path()), std::set<std::string>{"defaults"});

  fs::rename(defaults_, root_ / "moved");
  EXPECT_EQ(failureOf(game_), "インストールされた既定のファイル「" + defaults_.string() +
                                  "」を読めません：見つかりません。");
}

// Runs prepareGameFolder in a child whose files may not grow past a few
// bytes, as on a full disk; returns its message.
std::string failureWithFullDisk(const fs::path& defaults, const fs::path& game) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2, 2};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::string message = "no failure";
    try {
      prepareGameFolder(defaults, game);
    } catch (const PrepareError& error) {
      message = error.what();
    }
    (void)!::write(pipeFds[1], message.data(), message.size());
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string message;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) message.append(buffer, n);
  ::close(pipeFds[0]);
  ::waitpid(child, nullptr, 0);
  return message;
}

TEST_F(Launcher, AFailedWriteLeavesNothingHalfMadeAndSaysWhereTheDefaultsAre) {
  EXPECT_NE(failureWithFullDisk(defaults_, game_).find("を書き込めません：大きすぎます。"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(game_));
  EXPECT_TRUE(fs::is_empty(game_.parent_path())) << "the scratch folder is gone";

  fs::create_directories(game_);
  write(game_ / "ねこ.ico", "own");
  EXPECT_EQ(failureWithFullDisk(defaults_, game_),
            "「設定.txt」を書き込めません：大きすぎます。\n既定のファイルは「" +
                defaults_.string() + "」にあります。");
  std::set<std::string> left = names(game_);
  left.erase("履歴.txt");  // empty, so it fits, if its turn came first
  EXPECT_EQ(left, std::set<std::string>{"ねこ.ico"}) << "no scratch file is left";
}

TEST_F(Launcher, TheHelpFileIsKeptCurrentWithTheInstall) {
  const fs::path help = root_ / "install/pkHelp.chm";
  fs::create_directories(game_);
  updateHelpFile(help, game_);
  EXPECT_FALSE(fs::exists(game_ / "pkHelp.chm")) << "an install without a help file";

  write(help, "help");
  write(game_ / "pkHelp.chm", "older help");
  updateHelpFile(help, game_);
  EXPECT_EQ(read(game_ / "pkHelp.chm"), "help");
  const auto before = fs::last_write_time(game_ / "pkHelp.chm");
  updateHelpFile(help, game_);
  EXPECT_EQ(fs::last_write_time(game_ / "pkHelp.chm"), before) << "a current file is not rewritten";

  const fs::path other = root_ / "other";
  fs::create_directories(other / "pkHelp.chm");
  try {
    updateHelpFile(help, other);
    ADD_FAILURE() << "the help file was put over a folder";
  } catch (const PrepareError& error) {
    EXPECT_STREQ(error.what(), "「pkHelp.chm」を置けません：フォルダです。");
  }
  EXPECT_EQ(names(other), std::set<std::string>{"pkHelp.chm"});
}

TEST_F(Launcher, EachLanguagesHelpFileIsCopiedUnderItsName) {
  const fs::path install = root_ / "install";
  fs::create_directories(install / "defaults");
  write(install / "pkHelp_en.chm", "English help");
  write(install / "pkHelp.chm", "help");
  write(install / "pkHelp.txt", "not a help file");
  write(install / "other.chm", "not ours");
  const std::vector<fs::path> help = helpFilesIn(install);
  EXPECT_EQ(help, (std::vector<fs::path>{install / "pkHelp.chm", install / "pkHelp_en.chm"}));
  EXPECT_TRUE(helpFilesIn(root_ / "nothing here").empty());

  fs::create_directories(game_);
  for (const fs::path& file : help) updateHelpFile(file, game_);
  EXPECT_EQ(read(game_ / "pkHelp_en.chm"), "English help");
  EXPECT_EQ(read(game_ / "pkHelp.chm"), "help");
}

TEST(GameFolderFor, FollowsXdgWithAnAbsoluteDataHomeOnly) {
  EXPECT_EQ(gameFolderFor("/data", "/home/a"), fs::path("/data/polkamina"));
  EXPECT_EQ(gameFolderFor("relative", "/home/a"), fs::path("/home/a/.local/share/polkamina"));
  EXPECT_EQ(gameFolderFor("", "/home/a"), fs::path("/home/a/.local/share/polkamina"));
  EXPECT_EQ(gameFolderFor(nullptr, "/home/a"), fs::path("/home/a/.local/share/polkamina"));
  EXPECT_EQ(gameFolderFor(nullptr, ""), std::nullopt);
  EXPECT_EQ(gameFolderFor(nullptr, nullptr), std::nullopt);
}

}  // namespace
}  // namespace polkamina::launcher
