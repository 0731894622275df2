#include "launcher/game_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "icons/icon_set.h"
#include "pictures/set_switch.h"
#include "store/file_read.h"
#include "store/file_write.h"
#include "store/folder_lookup.h"
#include "store/translation.h"

namespace polkamina::launcher {

namespace fs = std::filesystem;
using store::translated;

namespace {

// No shipped file comes near this; anything larger is not one of ours.
constexpr std::size_t kMaxDefaultFileSize = 16u << 20;
// The help reader refuses larger files too.
constexpr std::size_t kMaxHelpFileSize = 64u << 20;
// Scratch names: hidden, and never the name of an icon or a data file.
const char* const kScratchPrefix = ".polkamina-new-";
// Each language's help file: pkHelp.chm, pkHelp_en.chm, ...
const char* const kHelpFilePrefix = "pkHelp";
const char* const kHelpFileExtension = ".chm";

}  // namespace

std::string bracketed(const fs::path& path) {
  return store::filled(translated("GameFolder", "「%1」"), {path.string()});
}

namespace {

// pattern with %1 for the file or folder.
std::string named(const std::string& pattern, const fs::path& path) {
  return store::filled(pattern, {bracketed(path)});
}

}  // namespace

std::string reasonText(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return translated("GameFolder", "権限がありません");
    case EROFS:
      return translated("GameFolder", "読み取り専用のファイルシステムです");
    case ENOSPC:
    case EDQUOT:
      return translated("GameFolder", "空き容量がありません");
    case ENOENT:
      return translated("GameFolder", "見つかりません");
    case ENOTDIR:
      return translated("GameFolder", "途中にフォルダでないものがあります");
    case EISDIR:
      return translated("GameFolder", "フォルダです");
    case EINVAL:
      return translated("GameFolder", "普通のファイルではありません");
    case EFBIG:
      return translated("GameFolder", "大きすぎます");
    case ELOOP:
      return translated("GameFolder", "リンクがループしています");
    case ENAMETOOLONG:
      return translated("GameFolder", "名前が長すぎます");
    case EIO:
      return translated("GameFolder", "入出力エラーが起きました");
    default:
      return store::filled(translated("GameFolder", "エラー %1（%2）"),
                           {std::to_string(error), std::strerror(error)});
  }
}

namespace {

[[noreturn]] void fail(const std::string& what, int error) {
  throw PrepareError(
      store::filled(translated("GameFolder", "%1：%2。"), {what, reasonText(error)}));
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Makes the missing folders of path, from the top down, private (0700), as
// the XDG base directory rules ask of folders such as ~/.local/share.
void makeFolders(const fs::path& path) {
  fs::path made;
  for (const fs::path& part : path) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
      fail(named(translated("GameFolder", "フォルダ%1を作れません"), made), errno);
    }
  }
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// A new file in folder under a scratch name, holding bytes, on disk, with
// the mode a new file gets under the umask. Returns its path; throws
// PrepareError naming `name`, the file it is meant to become (the folder is
// the game folder, or the scratch folder it is made in, which the player
// never sees).
fs::path writeScratchFile(const fs::path& folder, const std::string& bytes,
                          const std::string& name) {
  std::string path = (folder / (std::string(kScratchPrefix) + "XXXXXX")).string();
  const int fd = ::mkostemp(path.data(), O_CLOEXEC);
  if (fd < 0) fail(named(translated("GameFolder", "%1を書き込めません"), name), errno);
  bool written =
      ::fchmod(fd, 0666 & ~currentUmask()) == 0 && store::writeAll(fd, bytes) && ::fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(path.c_str());
    fail(named(translated("GameFolder", "%1を書き込めません"), name), error);
  }
  return path;
}

// Gives the scratch file the name target unless something has that name
// already, in one step, so nobody sees the name half written and nothing of
// the player's is ever replaced. Returns false when the name was taken.
bool placeWithoutReplacing(const fs::path& scratch, const fs::path& target) {
  if (::renameat2(AT_FDCWD, scratch.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  int error = errno;
  if (error == EINVAL || error == ENOSYS) {
    // A file system without the flag: a hard link is just as exclusive.
    error = ::link(scratch.c_str(), target.c_str()) == 0 ? 0 : errno;
  }
  ::unlink(scratch.c_str());
  if (error == 0) return true;
  if (error == EEXIST) return false;
  fail(named(translated("GameFolder", "%1を置けません"), target.filename()), error);
}

std::string readDefault(const fs::path& file) {
  std::error_code error;
  std::optional<std::string> bytes = store::readRegularFile(file, kMaxDefaultFileSize, error);
  if (!bytes)
    fail(named(translated("GameFolder", "インストールされた既定のファイル%1を読めません"), file),
         error.value());
  return *bytes;
}

// The files a game folder starts with, by kind.
struct DefaultFiles {
  std::vector<std::string> icons;
  std::vector<std::string> dataFiles;
};

DefaultFiles listDefaults(const fs::path& defaults) {
  DefaultFiles files;
  files.icons = icons::listIconFiles(defaults);
  std::error_code error;
  for (fs::directory_iterator it(defaults, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const bool isIcon =
        std::find(files.icons.begin(), files.icons.end(), name) != files.icons.end();
    std::error_code ignored;
    if (!isIcon && name.front() != '.' && it->is_regular_file(ignored)) {
      files.dataFiles.push_back(name);
    }
  }
  if (!error && files.icons.empty()) {
    error = std::make_error_code(std::errc::no_such_file_or_directory);
  }
  if (error) {
    fail(
        named(translated("GameFolder", "インストールされた既定のファイル%1を読めません"), defaults),
        error.value());
  }
  return files;
}

// Copies the default file `name` into folder; false when the folder has a
// file of that name already, which is left as it is.
bool copyDefault(const fs::path& defaults, const std::string& name, const fs::path& folder) {
  const fs::path scratch = writeScratchFile(folder, readDefault(defaults / name), name);
  return placeWithoutReplacing(scratch, folder / name);
}

void removeScratchFolder(const fs::path& scratch) {
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
}

// Makes game, which does not exist, whole from the defaults. Another start
// may make it at the same time: then the folder it made is the game folder.
void makeNewGameFolder(const fs::path& defaults, const DefaultFiles& files, const fs::path& game) {
  const fs::path parent = game.parent_path();
  makeFolders(parent);
  std::string scratch = (parent / (std::string(kScratchPrefix) + "XXXXXX")).string();
  if (::mkdtemp(scratch.data()) == nullptr) {
    fail(named(translated("GameFolder", "フォルダ%1に書き込めません"), parent), errno);
  }
  try {
    // mkdtemp makes the folder private; it gets the mode mkdir would give.
    if (::chmod(scratch.c_str(), 0777 & ~currentUmask()) != 0) {
      fail(named(translated("GameFolder", "フォルダ%1に書き込めません"), parent), errno);
    }
    for (const auto* names : {&files.icons, &files.dataFiles}) {
      for (const std::string& name : *names) copyDefault(defaults, name, scratch);
    }
    syncFolder(scratch);
  } catch (const PrepareError&) {
    removeScratchFolder(scratch);
    throw;
  }
  if (::rename(scratch.c_str(), game.c_str()) == 0) {
    syncFolder(parent);
    return;
  }
  const int error = errno;
  removeScratchFolder(scratch);
  const bool madeByAnotherStart = (error == EEXIST || error == ENOTEMPTY) && fs::is_directory(game);
  if (!madeByAnotherStart)
    fail(named(translated("GameFolder", "フォルダ%1を作れません"), game), error);
}

// Stops unless game is a folder (or a link to one) that is not the install's.
void checkGameFolder(const fs::path& defaults, const fs::path& game) {
  struct stat info {};
  if (::stat(game.c_str(), &info) != 0) {
    struct stat link {};
    if (errno == ENOENT && ::lstat(game.c_str(), &link) == 0) {
      throw PrepareError(
          named(translated("GameFolder", "%1はリンクですが、リンク先がありません。"), game));
    }
    fail(named(translated("GameFolder", "%1を開けません"), game), errno);
  }
  if (!S_ISDIR(info.st_mode))
    throw PrepareError(named(translated("GameFolder", "%1はフォルダではありません。"), game));
  for (const fs::path& installed : {defaults, defaults.parent_path()}) {
    struct stat other {};
    if (::stat(installed.c_str(), &other) == 0 && other.st_dev == info.st_dev &&
        other.st_ino == info.st_ino) {
      throw PrepareError(
          named(translated("GameFolder",
                           "インストールされたファイルのフォルダ%"
                           "1と同じ場所です。ゲームフォルダは別の場所にしてください。"),
                installed));
    }
  }
}

bool hasName(const fs::path& folder, const std::string& name) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(store::findInFolder(folder, name), ignored));
}

// Adds what a game folder that exists lacks: each missing data file, and the
// icons when it holds none at all (the player's own icons are never mixed
// with the shipped ones, nor with a set that a switch left half moved in).
void fillGameFolder(const fs::path& defaults, const DefaultFiles& files, const fs::path& game) {
  bool added = false;
  try {
    for (const std::string& name : files.dataFiles) {
      if (!hasName(game, name)) added = copyDefault(defaults, name, game) || added;
    }
    // A game running meanwhile may be switching sets: its switch is waited for.
    const pictures::SwitchLock lock(game);
    if (icons::listIconFiles(game).empty() && !pictures::switchInterrupted(game)) {
      for (const std::string& name : files.icons) {
        added = copyDefault(defaults, name, game) || added;
      }
    }
  } catch (const PrepareError& error) {
    throw PrepareError(
        std::string(error.what()) +
        named(translated("GameFolder", "\n既定のファイルは%1にあります。"), defaults));
  }
  if (added) syncFolder(game);
}

}  // namespace

std::optional<fs::path> gameFolderFor(const char* xdgDataHome, const char* home) {
  // An empty or relative XDG_DATA_HOME does not count.
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return fs::path(xdgDataHome) / "polkamina";
  if (home == nullptr || home[0] != '/') return std::nullopt;
  return fs::path(home) / ".local/share/polkamina";
}

void prepareGameFolder(const fs::path& defaults, const fs::path& game) {
  const DefaultFiles files = listDefaults(defaults);
  struct stat info {};
  if (::lstat(game.c_str(), &info) != 0) {
    if (errno != ENOENT) fail(named(translated("GameFolder", "%1を開けません"), game), errno);
    makeNewGameFolder(defaults, files, game);
  }
  checkGameFolder(defaults, game);
  fillGameFolder(defaults, files, game);
}

std::vector<fs::path> helpFilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kHelpFilePrefix, 0) == 0 && it->path().extension() == kHelpFileExtension) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

void updateHelpFile(const fs::path& helpFile, const fs::path& game) {
  std::error_code error;
  const std::optional<std::string> help = store::readRegularFile(helpFile, kMaxHelpFileSize, error);
  if (!help) {
    if (error == std::errc::no_such_file_or_directory) return;
    fail(
        named(translated("GameFolder", "インストールされたヘルプファイル%1を読めません"), helpFile),
        error.value());
  }
  const fs::path name = helpFile.filename();
  const fs::path target = game / name;
  if (store::readRegularFile(target, kMaxHelpFileSize, error) == help) return;
  const fs::path scratch = writeScratchFile(game, *help, name);
  if (::rename(scratch.c_str(), target.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(scratch.c_str());
    fail(named(translated("GameFolder", "%1を置けません"), name), renameError);
  }
}

}  // namespace polkamina::launcher
