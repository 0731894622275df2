#include "pictures/folder_entries.h"

#include <sys/stat.h>

namespace polkamina::pictures {

bool isPresent(const std::filesystem::path& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

bool isVisibleEntryName(const std::string& name) {
  return !name.empty() && name[0] != '.' && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

bool isSetFolder(const std::filesystem::path& setsFolder, const std::string& set) {
  struct stat info;
  return isVisibleEntryName(set) && ::stat((setsFolder / set).c_str(), &info) == 0 &&
         S_ISDIR(info.st_mode);
}

}  // namespace polkamina::pictures
