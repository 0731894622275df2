#include "launch.h"

#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/game_folder.h"
#include "store/translation.h"
#include "ui/system/fonts.h"
#include "ui/system/language.h"
#include "ui/system/message_box.h"

namespace polkamina::launcher {

namespace {

using store::translated;

// Qt ends the process when it finds no display, so a box is shown only where
// there is one to show it on.
bool canShowWindows() {
  for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return true;
  }
  return false;
}

// Tells the player each message, on stderr and in a warning box apiece.
void tell(int argc, char* argv[], const std::vector<std::string>& messages) {
  for (const std::string& message : messages) {
    std::fprintf(stderr, "polkamina: %s\n", message.c_str());
  }
  if (messages.empty() || !canShowWindows()) return;
  QApplication app(argc, argv);
  system::installPlayersLanguage();
  system::installFontSubstitutions();
  QApplication::setFont(system::outsideTextFont(system::kPGothic, 9));
  for (const std::string& message : messages) {
    system::showMessageBox(message, translated("MainWindow", "ポルカミナ"),
                           game::MessageIcon::Exclamation, game::MessageButtons::Ok);
  }
}

int fail(int argc, char* argv[], std::vector<std::string> messages, const std::string& failure) {
  messages.push_back(failure + translated("Launcher", "\nプログラムを終了します。"));
  tell(argc, argv, messages);
  return EXIT_FAILURE;
}

}  // namespace

int launch(int argc, char* argv[], const Layout& layout) {
  // The messages are made before a window can be shown.
  system::installPlayersLanguage();
  if (!layout.gameFolder) {
    return fail(argc, argv, {},
                translated("Launcher",
                           "ゲームフォルダの場所が分かりません：ホームフォルダが分かりません。"));
  }
  const std::filesystem::path& game = *layout.gameFolder;
  try {
    prepareGameFolder(layout.defaults, game);
  } catch (const PrepareError& error) {
    return fail(argc, argv, {},
                store::filled(translated("Launcher", "ゲームフォルダ%1を用意できません。\n%2"),
                              {bracketed(game), error.what()}));
  }
  std::vector<std::string> warnings;
  try {
    for (const std::filesystem::path& helpFile : layout.helpFiles) updateHelpFile(helpFile, game);
  } catch (const PrepareError& error) {
    warnings.push_back(store::filled(
        translated(
            "Launcher",
            "ゲームフォルダ%1にヘルプファイルを置けません。\n%2\nヘルプなしでゲームを始めます。"),
        {bracketed(game), error.what()}));
  }
  if (::chdir(game.c_str()) != 0) {
    return fail(argc, argv, warnings,
                store::filled(translated("Launcher", "ゲームフォルダ%1に移れません：%2。"),
                              {bracketed(game), reasonText(errno)}));
  }
  tell(argc, argv, warnings);
  std::string program = layout.program.string();
  char* const arguments[] = {program.data(), nullptr};
  ::execv(program.c_str(), arguments);
  const int error = errno;
  return fail(argc, argv, {},
              store::filled(translated("Launcher", "ゲーム本体%1を起動できません：%2。"),
                            {bracketed(program), reasonText(error)}));
}

}  // namespace polkamina::launcher
