#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace polkamina::pictures {

// The folder of the game folder that holds the player's picture sets, one
// folder of icon files each.
extern const char* const kSetsFolderName;

// Why an action on the pictures was refused or failed, as the player reads
// it; nothing when it was done.
using Failure = std::optional<std::string>;

// One set of pictures: the game folder's own icon files (the set in use), or
// a folder of the sets folder.
struct PictureSet {
  std::string name;                // the folder's name; the last set switched to for the set in use
  std::vector<std::string> files;  // its icon files, in the order the game lists them
  bool inUse = false;              // the game folder's own icon files

  // Whether the game can be played with it: exactly as many pictures as a game needs.
  bool playable() const;
  // Whether it can become the set in use now: a playable set of the
  // player's, while no game is running.
  bool usable(bool gameRunning) const;
  // Its line in the pictures window: the name, how many pictures it holds
  // and whether it can be played.
  std::string label() const;
};

// The pictures of a game folder and the player's sets beside them. The set
// in use is only listed here: it changes by switching sets (set_switch.h),
// so the game folder always holds a whole set. Names are the file system's
// bytes; every change is refused with a reason rather than overwriting
// anything.
class PictureLibrary {
 public:
  explicit PictureLibrary(std::filesystem::path gameFolder);

  // The set in use first, then the player's sets sorted without regard to case.
  std::vector<PictureSet> sets() const;
  std::filesystem::path setsFolder() const;
  std::filesystem::path setFolder(const std::string& set) const;

  Failure makeSet(const std::string& name) const;
  Failure renameSet(const std::string& from, const std::string& to) const;
  // Removes the set's icon files and then its folder; a folder that holds
  // other files too is kept with them.
  Failure deleteSet(const std::string& name) const;

  // Stores an icon file's bytes as picture `name` of a set, never over
  // another picture.
  Failure addPicture(const std::string& set, const std::string& name,
                     const std::string& iconBytes) const;
  Failure renamePicture(const std::string& set, const std::string& file,
                        const std::string& newName) const;
  Failure movePicture(const std::string& from, const std::string& file,
                      const std::string& to) const;
  Failure deletePicture(const std::string& set, const std::string& file) const;

  // Why a picture named `name` cannot join set: a refused name or a
  // picture of that name there already.
  Failure refusedPictureName(const std::string& set, const std::string& name) const;
  // Why a new set cannot have that name.
  Failure refusedSetName(const std::string& name) const;

 private:
  Failure missingSet(const std::string& set) const;

  std::filesystem::path gameFolder_;
};

}  // namespace polkamina::pictures
