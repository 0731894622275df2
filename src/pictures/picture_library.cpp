#include "pictures/picture_library.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>

#include "icons/icon_set.h"
#include "pictures/folder_entries.h"
#include "pictures/picture_names.h"
#include "pictures/set_switch.h"
#include "store/file_error.h"
#include "store/file_write.h"
#include "store/text.h"
#include "store/translation.h"

namespace polkamina::pictures {

namespace fs = std::filesystem;

const char* const kSetsFolderName = "絵";

namespace {

const char* const kIconExtension = ".ico";

// The player's sets: the visible folders of the sets folder.
std::vector<std::string> setNames(const fs::path& setsFolder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(setsFolder, error), end; !error && it != end;
       it.increment(error)) {
    std::string name = it->path().filename().string();
    if (!isSetFolder(setsFolder, name)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), icons::sortsBeforeIgnoringCase);
  return names;
}

std::string systemReason(int error) {
  return "(" + std::error_code(error, std::generic_category()).message() + ")";
}

// what (translated in context "Pictures") and the system's reason.
Failure systemFailure(const char* what, int error) {
  return store::translated("Pictures", what) + systemReason(error);
}

}  // namespace

bool PictureSet::playable() const { return files.size() == icons::kIconCount; }

bool PictureSet::usable(bool gameRunning) const { return !inUse && playable() && !gameRunning; }

std::string PictureSet::label() const {
  std::string set = store::shownFileName(name);
  if (inUse) {
    set = name.empty() ? store::translated("Pictures", "使用中の絵")
                       : store::filled(store::translated("Pictures", "使用中の絵（%1）"), {set});
  }
  const std::size_t count = files.size();
  const std::string pictures = std::to_string(count);
  if (playable()) {
    return store::filled(store::translated("Pictures", "%1 ― %2 枚、遊べます"), {set, pictures});
  }
  if (count < icons::kIconCount) {
    return store::filled(store::translated("Pictures", "%1 ― %2 枚、あと %3 枚で遊べます"),
                         {set, pictures, std::to_string(icons::kIconCount - count)});
  }
  return store::filled(store::translated("Pictures", "%1 ― %2 枚、%3 枚多すぎます"),
                       {set, pictures, std::to_string(count - icons::kIconCount)});
}

PictureLibrary::PictureLibrary(fs::path gameFolder) : gameFolder_(std::move(gameFolder)) {}

fs::path PictureLibrary::setsFolder() const { return gameFolder_ / kSetsFolderName; }

fs::path PictureLibrary::setFolder(const std::string& set) const { return setsFolder() / set; }

std::vector<PictureSet> PictureLibrary::sets() const {
  std::vector<PictureSet> sets;
  sets.push_back({inUseSetName(gameFolder_), icons::listIconFiles(gameFolder_), true});
  for (std::string& name : setNames(setsFolder())) {
    std::vector<std::string> files = icons::listIconFiles(setFolder(name));
    sets.push_back({std::move(name), std::move(files), false});
  }
  return sets;
}

Failure PictureLibrary::missingSet(const std::string& set) const {
  if (!isSetFolder(setsFolder(), set)) {
    return store::translated("Pictures", "そのセットはもうありません。");
  }
  return std::nullopt;
}

Failure PictureLibrary::refusedSetName(const std::string& name) const {
  if (Failure refused = refusedName(name, "")) return refused;
  for (const std::string& taken : setNames(setsFolder())) {
    if (store::equalsIgnoringAsciiCase(taken, name)) {
      return store::translated("Pictures",
                               "同じ名前のセットがもうあります（大文字と小文字は区別しません）。");
    }
  }
  return std::nullopt;
}

Failure PictureLibrary::refusedPictureName(const std::string& set, const std::string& name) const {
  if (Failure refused = refusedName(name, kIconExtension)) return refused;
  for (const std::string& file : icons::listIconFiles(setFolder(set))) {
    if (store::equalsIgnoringAsciiCase(icons::iconName(file), name)) {
      return store::translated(
          "Pictures", "このセットには同じ名前の絵がもうあります（大文字と小文字は区別しません）。");
    }
  }
  if (isPresent(setFolder(set) / (name + kIconExtension))) {
    return store::translated("Pictures", "このセットには同じ名前のファイルがもうあります。");
  }
  return std::nullopt;
}

Failure PictureLibrary::makeSet(const std::string& name) const {
  if (Failure refused = refusedSetName(name)) return refused;
  std::error_code error;
  fs::create_directory(setsFolder(), error);
  if (error || ::mkdir(setFolder(name).c_str(), 0777) != 0) {
    return systemFailure(store::untranslated("Pictures", "セットのフォルダを作れませんでした。"),
                         error ? error.value() : errno);
  }
  return std::nullopt;
}

Failure PictureLibrary::renameSet(const std::string& from, const std::string& to) const {
  if (Failure missing = missingSet(from)) return missing;
  if (!store::equalsIgnoringAsciiCase(from, to)) {
    if (Failure refused = refusedSetName(to)) return refused;
  } else if (Failure refused = refusedName(to, "")) {
    return refused;
  }
  if (isPresent(setFolder(to)) && from != to) {
    return store::translated("Pictures", "同じ名前のファイルがもうあります。");
  }
  if (::rename(setFolder(from).c_str(), setFolder(to).c_str()) != 0) {
    return systemFailure(store::untranslated("Pictures", "セットの名前を変えられませんでした。"),
                         errno);
  }
  return std::nullopt;
}

Failure PictureLibrary::deleteSet(const std::string& name) const {
  if (Failure missing = missingSet(name)) return missing;
  for (const std::string& file : icons::listIconFiles(setFolder(name))) {
    if (::unlink((setFolder(name) / file).c_str()) != 0) {
      return systemFailure(store::untranslated("Pictures", "絵を消せませんでした。"), errno);
    }
  }
  if (::rmdir(setFolder(name).c_str()) != 0) {
    return errno == ENOTEMPTY || errno == EEXIST
               ? store::translated(
                     "Pictures",
                     "絵は消しましたが、フォルダにはほかのファイルがあるので残しました。")
               : *systemFailure(
                     store::untranslated("Pictures", "セットのフォルダを消せませんでした。"),
                     errno);
  }
  return std::nullopt;
}

Failure PictureLibrary::addPicture(const std::string& set, const std::string& name,
                                   const std::string& iconBytes) const {
  if (Failure missing = missingSet(set)) return missing;
  if (Failure refused = refusedPictureName(set, name)) return refused;
  try {
    store::replaceFile(setFolder(set) / (name + kIconExtension), iconBytes, name + kIconExtension);
  } catch (const store::FileError&) {
    return store::translated(
        "Pictures", "絵を書き込めませんでした（ディスクがいっぱいか、書き込めないフォルダです）。");
  }
  return std::nullopt;
}

Failure PictureLibrary::renamePicture(const std::string& set, const std::string& file,
                                      const std::string& newName) const {
  if (Failure missing = missingSet(set)) return missing;
  // Only a change of case keeps the name taken by the picture itself.
  if (!store::equalsIgnoringAsciiCase(icons::iconName(file), newName)) {
    if (Failure refused = refusedPictureName(set, newName)) return refused;
  } else if (Failure refused = refusedName(newName, kIconExtension)) {
    return refused;
  }
  const fs::path to = setFolder(set) / (newName + kIconExtension);
  if (::rename((setFolder(set) / file).c_str(), to.c_str()) != 0) {
    return systemFailure(store::untranslated("Pictures", "絵の名前を変えられませんでした。"),
                         errno);
  }
  return std::nullopt;
}

Failure PictureLibrary::movePicture(const std::string& from, const std::string& file,
                                    const std::string& to) const {
  if (Failure missing = missingSet(from)) return missing;
  if (Failure missing = missingSet(to)) return missing;
  if (Failure refused = refusedPictureName(to, icons::iconName(file))) return refused;
  if (::rename((setFolder(from) / file).c_str(), (setFolder(to) / file).c_str()) != 0) {
    return systemFailure(store::untranslated("Pictures", "絵を移せませんでした。"), errno);
  }
  return std::nullopt;
}

Failure PictureLibrary::deletePicture(const std::string& set, const std::string& file) const {
  if (Failure missing = missingSet(set)) return missing;
  if (::unlink((setFolder(set) / file).c_str()) != 0) {
    return systemFailure(store::untranslated("Pictures", "絵を消せませんでした。"), errno);
  }
  return std::nullopt;
}

}  // namespace polkamina::pictures
