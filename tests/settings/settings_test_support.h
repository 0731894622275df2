#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace polkamina::settingstest {

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "settings-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void addFile(const std::string& name, const std::string& bytes = "") const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  void addIcons(const std::vector<std::string>& names, const std::string& bytes = "") const {
    for (const std::string& name : names) addFile(name, bytes);
  }

 private:
  std::filesystem::path path_;
};

// Icon file names cat00.ico, cat01.ico, ... in listing order.
inline std::vector<std::string> iconNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "cat%02d.ico", i);
    names.push_back(name);
  }
  return names;
}

inline std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace polkamina::settingstest
