#include "launch.h"

#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/game_folder.h"
#include "ui/system/fonts.h"
#include "ui/system/message_box.h"

namespace polkamina::launcher {

namespace {

const char* const kCaption = "ポルカミナ";
const char* const kEnding = "\nプログラムを終了します。";

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
  system::installFontSubstitutions();
  QApplication::setFont(system::outsideTextFont(system::kPGothic, 9));
  for (const std::string& message : messages) {
    system::showMessageBox(message, kCaption, game::MessageIcon::Exclamation,
                           game::MessageButtons::Ok);
  }
}

int fail(int argc, char* argv[], std::vector<std::string> messages, const std::string& failure) {
  messages.push_back(failure + kEnding);
  tell(argc, argv, messages);
  return EXIT_FAILURE;
}

}  // namespace

int launch(int argc, char* argv[], const Layout& layout) {
  if (!layout.gameFolder) {
    return fail(argc, argv, {},
                "ゲームフォルダの場所が分かりません：ホームフォルダが分かりません。");
  }
  const std::filesystem::path& game = *layout.gameFolder;
  try {
    prepareGameFolder(layout.defaults, game);
  } catch (const PrepareError& error) {
    return fail(argc, argv, {},
                "ゲームフォルダ" + bracketed(game) + "を用意できません。\n" + error.what());
  }
  std::vector<std::string> warnings;
  try {
    updateHelpFile(layout.helpFile, game);
  } catch (const PrepareError& error) {
    warnings.push_back("ゲームフォルダ" + bracketed(game) + "にヘルプファイルを置けません。\n" +
                       error.what() + "\nヘルプなしでゲームを始めます。");
  }
  if (::chdir(game.c_str()) != 0) {
    return fail(argc, argv, warnings,
                "ゲームフォルダ" + bracketed(game) + "に移れません：" + reasonText(errno) + "。");
  }
  tell(argc, argv, warnings);
  std::string program = layout.program.string();
  char* const arguments[] = {program.data(), nullptr};
  ::execv(program.c_str(), arguments);
  return fail(argc, argv, {},
              "ゲーム本体" + bracketed(program) + "を起動できません：" + reasonText(errno) + "。");
}

}  // namespace polkamina::launcher
