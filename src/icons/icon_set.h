#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace polkamina::icons {

// The number of icon files a game needs.
constexpr std::size_t kIconCount = 20;

// File names (no folder) of the icon files in folder: regular files whose
// names end in ".ico" in any case, hidden files (a leading ".") and
// directories left out, sorted ascending without regard to case.
std::vector<std::string> listIconFiles(const std::filesystem::path& folder);

// The order of the listing: ASCII letters compared without regard to case;
// names equal but for case keep a fixed order.
bool sortsBeforeIgnoringCase(const std::string& a, const std::string& b);

// The message shown when the folder holds other than kIconCount icon files.
struct CountProblem {
  std::string text;
  std::string caption;
};

// Nothing for exactly kIconCount files, else the "アイコン不足" or "アイコン余分"
// message with the number missing or extra.
std::optional<CountProblem> checkIconCount(std::size_t count);

// The icon's name: its file name less the last four characters (the
// extension, in whatever case it was written). Names are the file system's
// bytes and compare as bytes; store::shownFileName gives the text to show.
std::string iconName(const std::string& fileName);

// The picture file of an icon name: name + ".ico" in folder, also found when
// the extension on disk is written in capitals.
std::filesystem::path iconPicturePath(const std::filesystem::path& folder, const std::string& name);

}  // namespace polkamina::icons
