#include "store/folder_lookup.h"

#include <system_error>

#include "store/text.h"

namespace polkamina::store {

namespace fs = std::filesystem;

fs::path findInFolder(const fs::path& folder, const std::string& name) {
  fs::path exact = folder / name;
  std::error_code error;
  // A link is the player's file even when it leads nowhere yet.
  if (fs::exists(fs::symlink_status(exact, error))) return exact;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (equalsIgnoringAsciiCase(it->path().filename().string(), name)) return it->path();
  }
  return exact;
}

}  // namespace polkamina::store
