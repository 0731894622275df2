#pragma once

#include <filesystem>
#include <string>

#include "pictures/picture_library.h"

namespace polkamina::pictures {

// Holds the game folder's picture sets for one run of the game while it
// switches sets, finishes a switch or fills in icons, so that runs started
// side by side never meet a switch half done. Waits for another run's
// hold to end.
class SwitchLock {
 public:
  explicit SwitchLock(const std::filesystem::path& gameFolder);
  ~SwitchLock();
  SwitchLock(const SwitchLock&) = delete;
  SwitchLock& operator=(const SwitchLock&) = delete;

  // False when the sets folder could not be opened (there is none, or it
  // cannot be read).
  bool held() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Makes `set` the set in use: the game folder's icon files become a set of
// their own (named after the set they came from, else "前の絵") and the
// set's icon files take their place; the set's folder goes. The set must
// hold exactly the pictures a game needs. The files move by renames under a
// journal in the sets folder, so a failure puts the old pictures back and a
// run killed half-way is finished by finishInterruptedSwitch at the next
// start: the game never sees a folder with pictures of both sets. Nothing
// but icon files moves.
Failure useSet(const std::filesystem::path& gameFolder, const std::string& set);

// Finishes a switch that a killed run left half done, if any. Runs at
// start-up before the icon files are counted.
Failure finishInterruptedSwitch(const std::filesystem::path& gameFolder);

// Whether a switch was left half done: its icon files are partly in the
// game folder and partly in the sets folder until the next start.
bool switchInterrupted(const std::filesystem::path& gameFolder);

// The name of the set last switched to, or "" when the game folder's
// pictures came from elsewhere.
std::string inUseSetName(const std::filesystem::path& gameFolder);

}  // namespace polkamina::pictures
