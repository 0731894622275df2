// The launcher ./run starts: the game of this build, in the game folder
// play/ of the source tree, made from the shipped defaults.
#include "launch.h"

int main(int argc, char* argv[]) {
  polkamina::launcher::Layout layout;
  layout.program = POLKAMINA_PROGRAM;
  layout.defaults = POLKAMINA_DEFAULTS;
  layout.helpFile = POLKAMINA_HELP_FILE;
  layout.gameFolder = POLKAMINA_PLAY_FOLDER;
  return polkamina::launcher::launch(argc, argv, layout);
}
