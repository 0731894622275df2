// The launcher ./run starts: the game of this build, in the game folder
// play/ of the source tree, made from the shipped defaults.
#include "launch.h"
#include "launcher/game_folder.h"

int main(int argc, char* argv[]) {
  polkamina::launcher::Layout layout;
  layout.program = POLKAMINA_PROGRAM;
  layout.defaults = POLKAMINA_DEFAULTS;
  layout.helpFiles = polkamina::launcher::helpFilesIn(POLKAMINA_HELP_FOLDER);
  layout.gameFolder = POLKAMINA_PLAY_FOLDER;
  return polkamina::launcher::launch(argc, argv, layout);
}
