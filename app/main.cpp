#include <QApplication>
#include <cstdlib>
#include <vector>

#include "game/main_game.h"
#include "game/seams.h"
#include "game/shared_values.h"
#include "pictures/set_switch.h"
#include "store/data_folder.h"
#include "ui/main_window.h"
#include "ui/preferences.h"
#include "ui/record_window.h"
#include "ui/system/file_error_report.h"
#include "ui/system/fonts.h"
#include "ui/system/language.h"
#include "ui/system/message_box.h"
#include "ui/system/qt_host.h"
#include "ui/system/restart.h"

using namespace polkamina;

namespace {

int play(int argc, char* argv[]) {
  system::FontConfigurationReader fontConfiguration;
  ui::Preferences preferences(ui::Preferences::standardFile());
  ui::scaleWindowsBy(preferences.boardScale());
  QApplication app(argc, argv);
  system::installPlayersLanguage();
  // Lets the desktop match the window to the installed menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral("io.github.polkamina.Polkamina"));
  fontConfiguration.wait();
  system::installFontSubstitutions();
  // Message boxes and the windows' unnamed fonts use the design's system face.
  QApplication::setFont(system::outsideTextFont(system::kPGothic, 9));

  game::SharedValues shared;
  const store::DataFolder folder(".");
  game::SystemClock clock;
  game::SystemRandom random;
  system::QtHost host(
      [](QWidget* parent, const std::string& message) { ui::showRecordWindow(parent, message); });
  game::MainGame game(shared, folder, host, clock, random);
  ui::MainWindow window(game, shared, folder, random, host, preferences);

  // A switch of picture sets that an ended run left half done is finished
  // before the icons are counted.
  if (const auto failure = pictures::finishInterruptedSwitch(folder.path())) {
    system::showMessageBox(
        *failure, QCoreApplication::translate("Pictures", "絵のセットの切り替え").toStdString(),
        game::MessageIcon::Exclamation, game::MessageButtons::Ok);
    return EXIT_FAILURE;
  }
  // Start-up runs before the window is shown; a wrong icon count or a failed
  // data file ends the program without it.
  game::StartupResult startup = game::StartupResult::Exit;
  system::runReportingFileErrors([&] { startup = game.Form_Load(); });
  if (startup != game::StartupResult::Ready) {
    return EXIT_FAILURE;
  }
  window.showCentred();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Qt takes its own options out of argv; a restart passes them on again.
  const std::vector<char*> arguments(argv, argv + argc + 1);
  const int status = play(argc, argv);
  if (status != system::kRestartStatus) return status;
  system::restartProgram(arguments.data());
  return EXIT_FAILURE;
}
