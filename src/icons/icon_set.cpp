#include "icons/icon_set.h"

#include <algorithm>
#include <system_error>

#include "store/text.h"
#include "store/translation.h"

namespace polkamina::icons {

namespace fs = std::filesystem;

namespace {

using store::asciiLower;

bool hasIcoExtension(const std::string& name) {
  return name.size() >= 4 && asciiLower(name.substr(name.size() - 4)) == ".ico";
}

// Follows symlinks; an entry whose type cannot be read is no file.
bool isRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

std::vector<std::string> listIconFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.' || !hasIcoExtension(name)) continue;
    if (!isRegularFile(it->path())) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), sortsBeforeIgnoringCase);
  return names;
}

bool sortsBeforeIgnoringCase(const std::string& a, const std::string& b) {
  std::string la = asciiLower(a);
  std::string lb = asciiLower(b);
  return la != lb ? la < lb : a < b;
}

std::optional<CountProblem> checkIconCount(std::size_t count) {
  if (count < kIconCount) {
    return CountProblem{
        store::filled(
            store::translated(
                "Icons",
                "アイコンが %1個 足りません\r\nアイコンを補充してからプレイしてください。"),
            {std::to_string(kIconCount - count)}),
        store::translated("Icons", "アイコン不足")};
  }
  if (count > kIconCount) {
    return CountProblem{
        store::filled(
            store::translated(
                "Icons",
                "アイコンが %1個 余分です\r\n不要なアイコンを削除してからプレイしてください。"),
            {std::to_string(count - kIconCount)}),
        store::translated("Icons", "アイコン余分")};
  }
  return std::nullopt;
}

std::string iconName(const std::string& fileName) {
  return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

fs::path iconPicturePath(const fs::path& folder, const std::string& name) {
  std::string fileName = name + ".ico";
  fs::path exact = folder / fileName;
  if (isRegularFile(exact)) return exact;
  std::error_code error;
  std::string wanted = asciiLower(fileName);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string candidate = it->path().filename().string();
    // Only the extension may differ in case: the name itself is matched exactly.
    if (candidate.size() == fileName.size() && candidate.compare(0, name.size(), name) == 0 &&
        asciiLower(candidate) == wanted && isRegularFile(it->path())) {
      return it->path();
    }
  }
  return exact;
}

}  // namespace polkamina::icons
