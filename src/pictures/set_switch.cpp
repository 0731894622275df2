#include "pictures/set_switch.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "icons/icon_set.h"
#include "pictures/folder_entries.h"
#include "store/file_error.h"
#include "store/file_read.h"
#include "store/file_write.h"
#include "store/text.h"
#include "store/translation.h"

namespace polkamina::pictures {

namespace fs = std::filesystem;

namespace {

// Hidden names in the sets folder, so no listing takes them for a set.
const char* const kJournalName = ".switching";
const char* const kOutgoingName = ".switch-old";
const char* const kInUseName = ".in-use";
const char* const kKeptSetName = "前の絵";
const char* const kJournalMagic = "polkamina-switch";
constexpr std::size_t kLargestJournalBytes = 1u << 20;
constexpr std::size_t kLargestNameBytes = 4096;

// A step that the system refused, told as the player reads it; the switch
// goes back or stops there.
struct StepFailed {
  std::string message;
};

// what (translated in context "Pictures") and the system's reason.
StepFailed failedStep(const char* what, int error) {
  return {store::translated("Pictures", what) + "(" +
          std::error_code(error, std::generic_category()).message() + ")"};
}

// What a switch does, written down before the first file moves. The
// switch is in one of two phases: moving the old pictures out of the game
// folder, then moving the set's pictures in. Either phase can be run again
// from any point, so a killed run is finished by running the rest.
struct Journal {
  enum class Phase { Out, In };
  Phase phase = Phase::Out;
  std::string set;                    // the set switched to
  std::string keepAs;                 // the old pictures' set
  std::vector<std::string> oldFiles;  // the game folder's icon files before
  std::vector<std::string> newFiles;  // the set's icon files
};

struct Places {
  fs::path game;      // the game folder
  fs::path sets;      // the sets folder
  fs::path set;       // the set switched to
  fs::path outgoing;  // where the old pictures wait until they become a set
  fs::path journal;
};

Places placesOf(const fs::path& gameFolder, const std::string& set) {
  const fs::path sets = gameFolder / kSetsFolderName;
  return {gameFolder, sets, sets / set, sets / kOutgoingName, sets / kJournalName};
}

// ---- the journal's bytes: fields ended by NUL, the two lists ended by an empty field ----

std::string journalBytes(const Journal& journal) {
  std::string bytes = std::string(kJournalMagic) + '\0';
  bytes += std::string(journal.phase == Journal::Phase::Out ? "out" : "in") + '\0';
  bytes += journal.set + '\0' + journal.keepAs + '\0';
  for (const auto* list : {&journal.oldFiles, &journal.newFiles}) {
    for (const std::string& file : *list) bytes += file + '\0';
    bytes += '\0';
  }
  return bytes;
}

std::optional<Journal> parseJournal(const std::string& bytes) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1) {
    fields.push_back(bytes.substr(start, end - start));
  }
  if (start != bytes.size() || fields.size() < 6 || fields[0] != kJournalMagic) return std::nullopt;
  Journal journal;
  if (fields[1] != "out" && fields[1] != "in") return std::nullopt;
  journal.phase = fields[1] == "out" ? Journal::Phase::Out : Journal::Phase::In;
  journal.set = fields[2];
  journal.keepAs = fields[3];
  std::size_t i = 4;
  for (auto* list : {&journal.oldFiles, &journal.newFiles}) {
    for (; i < fields.size() && !fields[i].empty(); ++i) list->push_back(fields[i]);
    if (i == fields.size()) return std::nullopt;
    ++i;
  }
  const auto plainName = [](const std::string& name) {
    return isVisibleEntryName(name) && name.size() <= kLargestNameBytes;
  };
  if (i != fields.size() || !plainName(journal.set) || !plainName(journal.keepAs)) {
    return std::nullopt;
  }
  for (const auto* list : {&journal.oldFiles, &journal.newFiles}) {
    for (const std::string& file : *list) {
      if (!plainName(file)) return std::nullopt;
    }
  }
  return journal;
}

void writeJournal(const Places& places, const Journal& journal) {
  try {
    store::replaceFile(places.journal, journalBytes(journal), kJournalName);
  } catch (const store::FileError&) {
    throw StepFailed{store::translated(
        "Pictures",
        "切り替えの記録を書けませんでした（ディスクがいっぱいか、書き込めないフォルダです）。")};
  }
}

// ---- single steps ----

void moveFile(const fs::path& from, const fs::path& to) {
  if (isPresent(to))
    throw failedStep(store::untranslated("Pictures", "移す先に同じ名前のファイルがあります。"),
                     EEXIST);
  if (::rename(from.c_str(), to.c_str()) != 0)
    throw failedStep(store::untranslated("Pictures", "絵を移せませんでした。"), errno);
}

// Moves every listed file that is still at `from` to `to`.
void moveListed(const std::vector<std::string>& files, const fs::path& from, const fs::path& to) {
  for (const std::string& file : files) {
    if (isPresent(from / file)) moveFile(from / file, to / file);
  }
}

// Puts the renames in a folder on the disk before the journal moves on.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    throw failedStep(store::untranslated("Pictures", "フォルダを開けませんでした。"), errno);
  const bool synced = ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!synced)
    throw failedStep(store::untranslated("Pictures", "フォルダを書き込めませんでした。"), error);
}

// A set name not taken yet: `wanted`, else "wanted (2)", "wanted (3)", ...
std::string freeSetName(const fs::path& setsFolder, const std::string& wanted) {
  std::string name = wanted;
  for (int n = 2; isPresent(setsFolder / name); ++n) {
    name = wanted + " (" + std::to_string(n) + ")";
  }
  return name;
}

// ---- the phases ----

void moveOut(const Places& places, Journal& journal) {
  if (!isPresent(places.outgoing) && ::mkdir(places.outgoing.c_str(), 0777) != 0) {
    throw failedStep(store::untranslated("Pictures", "作業用のフォルダを作れませんでした。"),
                     errno);
  }
  moveListed(journal.oldFiles, places.game, places.outgoing);
  syncFolder(places.game);
  syncFolder(places.outgoing);
  journal.phase = Journal::Phase::In;
  writeJournal(places, journal);
}

void moveIn(const Places& places, const Journal& journal) {
  moveListed(journal.newFiles, places.set, places.game);
  syncFolder(places.game);
}

void finish(const Places& places, const Journal& journal) {
  ::rmdir(places.set.c_str());  // kept when something else is left in it
  if (isPresent(places.outgoing)) {
    const fs::path kept = places.sets / freeSetName(places.sets, journal.keepAs);
    if (::rename(places.outgoing.c_str(), kept.c_str()) != 0) {
      throw failedStep(store::untranslated("Pictures", "元の絵をセットにできませんでした。"),
                       errno);
    }
  }
  try {
    store::replaceFile(places.sets / kInUseName, journal.set, kInUseName);
  } catch (const store::FileError&) {
    // Only the set's name is lost: the pictures are whole.
  }
  if (::unlink(places.journal.c_str()) != 0) {
    throw failedStep(store::untranslated("Pictures", "切り替えの記録を消せませんでした。"), errno);
  }
  syncFolder(places.sets);
}

// Moves the rest of a journal's files; after that the switch is whole and
// only finish() is left to do.
void moveTheRest(const Places& places, Journal& journal) {
  if (journal.phase == Journal::Phase::Out) moveOut(places, journal);
  moveIn(places, journal);
}

// Undoes a switch that failed on the way, each step one that a later run
// forward also accepts: the set's pictures go back to its folder while the
// journal still says "in"; once the journal says "out" again, the old
// pictures go back.
void runBack(const Places& places, Journal& journal) {
  if (journal.phase == Journal::Phase::In) {
    if (!isPresent(places.set) && ::mkdir(places.set.c_str(), 0777) != 0) {
      throw failedStep(store::untranslated("Pictures", "セットのフォルダを作れませんでした。"),
                       errno);
    }
    moveListed(journal.newFiles, places.game, places.set);
    syncFolder(places.set);
    journal.phase = Journal::Phase::Out;
    writeJournal(places, journal);
  }
  moveListed(journal.oldFiles, places.outgoing, places.game);
  syncFolder(places.game);
  ::rmdir(places.outgoing.c_str());
  if (::unlink(places.journal.c_str()) != 0) {
    throw failedStep(store::untranslated("Pictures", "切り替えの記録を消せませんでした。"), errno);
  }
}

Failure refusedSet(const Places& places, const std::string& set) {
  if (!isSetFolder(places.sets, set))
    return store::translated("Pictures", "そのセットはもうありません。");
  if (icons::listIconFiles(places.set).size() != icons::kIconCount) {
    return store::filled(
        store::translated("Pictures", "使えるのは絵がちょうど %1 枚のセットだけです。"),
        {std::to_string(icons::kIconCount)});
  }
  return std::nullopt;
}

// Finishes a switch left half done, the lock already held.
Failure finishLeftSwitch(const fs::path& gameFolder) {
  const fs::path journalPath = gameFolder / kSetsFolderName / kJournalName;
  if (!isPresent(journalPath)) {
    // A run ended before its journal was down moved nothing.
    ::rmdir((gameFolder / kSetsFolderName / kOutgoingName).c_str());
    return std::nullopt;
  }
  // What the player can do when the switch cannot be finished: the game
  // then counts whatever the game folder holds.
  const std::string way = store::filled(
      store::translated("Pictures",
                        "\n記録 %1 を消すと、切り替えをやめて今のフォルダのまま起動します。"),
      {std::string(kSetsFolderName) + "/" + kJournalName});
  std::error_code error;
  const std::optional<std::string> bytes =
      store::readRegularFile(journalPath, kLargestJournalBytes, error);
  std::optional<Journal> journal = bytes ? parseJournal(*bytes) : std::nullopt;
  if (!journal) {
    return store::translated("Pictures", "途中で止まった絵のセットの切り替えの記録が読めません。") +
           way;
  }
  try {
    const Places places = placesOf(gameFolder, journal->set);
    moveTheRest(places, *journal);
    finish(places, *journal);
  } catch (const StepFailed& failed) {
    return store::translated("Pictures",
                             "途中で止まった絵のセットの切り替えを終えられませんでした。") +
           failed.message + way;
  }
  return std::nullopt;
}

}  // namespace

SwitchLock::SwitchLock(const fs::path& gameFolder)
    : fd_(::open((gameFolder / kSetsFolderName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

SwitchLock::~SwitchLock() {
  if (fd_ >= 0) ::close(fd_);
}

Failure useSet(const fs::path& gameFolder, const std::string& set) {
  const SwitchLock lock(gameFolder);
  if (!lock.held())
    return store::translated("Pictures", "絵のセットのフォルダを開けませんでした。");
  if (Failure unfinished = finishLeftSwitch(gameFolder)) return unfinished;
  const Places places = placesOf(gameFolder, set);
  if (Failure refused = refusedSet(places, set)) return refused;
  // A working folder left by a failed start is empty; anything in it is
  // the player's and stops the switch.
  if (isPresent(places.outgoing) && ::rmdir(places.outgoing.c_str()) != 0) {
    return store::filled(
        store::translated("Pictures", "作業用のフォルダ %1 にファイルが残っています。"),
        {std::string(kSetsFolderName) + "/" + kOutgoingName});
  }
  const std::string inUse = inUseSetName(gameFolder);
  Journal journal{Journal::Phase::Out, set, inUse.empty() || inUse == set ? kKeptSetName : inUse,
                  icons::listIconFiles(gameFolder), icons::listIconFiles(places.set)};
  try {
    if (::mkdir(places.outgoing.c_str(), 0777) != 0) {
      throw failedStep(store::untranslated("Pictures", "作業用のフォルダを作れませんでした。"),
                       errno);
    }
    writeJournal(places, journal);
  } catch (const StepFailed& failed) {
    ::rmdir(places.outgoing.c_str());
    return failed.message;
  }
  try {
    moveTheRest(places, journal);
  } catch (const StepFailed& failed) {
    try {
      runBack(places, journal);
    } catch (const StepFailed&) {
      return failed.message + store::translated("Pictures", "\n絵は次の起動のときにそろえます。");
    }
    return failed.message + store::translated("Pictures", "\n絵は元のままです。");
  }
  try {
    finish(places, journal);
  } catch (const StepFailed&) {
    // The game folder holds the new set whole; the journal left behind has
    // the next start tidy up.
  }
  return std::nullopt;
}

bool switchInterrupted(const fs::path& gameFolder) {
  return isPresent(gameFolder / kSetsFolderName / kJournalName);
}

Failure finishInterruptedSwitch(const fs::path& gameFolder) {
  // Without a sets folder no switch was ever begun.
  if (!isPresent(gameFolder / kSetsFolderName)) return std::nullopt;
  const SwitchLock lock(gameFolder);
  if (!lock.held() && switchInterrupted(gameFolder)) {
    return store::translated(
        "Pictures", "絵のセットのフォルダを開けないので、途中で止まった切り替えを終えられません。");
  }
  return finishLeftSwitch(gameFolder);
}

std::string inUseSetName(const fs::path& gameFolder) {
  std::error_code error;
  const std::optional<std::string> name =
      store::readRegularFile(gameFolder / kSetsFolderName / kInUseName, kLargestNameBytes, error);
  return name && isVisibleEntryName(*name) ? *name : std::string();
}

}  // namespace polkamina::pictures
