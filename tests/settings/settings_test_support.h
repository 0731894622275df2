#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace polkamina::settingstest {

using testsupport::TempFolder;

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

// Writes the icon files of those names into folder, each holding bytes.
inline void addIcons(const TempFolder& folder, const std::vector<std::string>& names,
                     const std::string& bytes = "") {
  for (const std::string& name : names) folder.write(name, bytes);
}

}  // namespace polkamina::settingstest
