// The launcher that players start, from a desktop's menu or as `polkamina`:
// it finds the installed game and its data from its own place, so any
// prefix works, and plays in the player's own game folder.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "launch.h"
#include "launcher/game_folder.h"

namespace fs = std::filesystem;

namespace {

// HOME, or the account's home where HOME is not set.
const char* homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  const passwd* account = ::getpwuid(::getuid());
  return account != nullptr ? account->pw_dir : nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::error_code error;
  const fs::path here = fs::read_symlink("/proc/self/exe", error).parent_path();
  const fs::path data = (here / POLKAMINA_DATA_FROM_LAUNCHER).lexically_normal();
  polkamina::launcher::Layout layout;
  layout.program = (here / POLKAMINA_PROGRAM_FROM_LAUNCHER).lexically_normal();
  layout.defaults = data / "defaults";
  layout.helpFiles = polkamina::launcher::helpFilesIn(data);
  layout.gameFolder =
      polkamina::launcher::gameFolderFor(std::getenv("XDG_DATA_HOME"), homeFolder());
  return polkamina::launcher::launch(argc, argv, layout);
}
