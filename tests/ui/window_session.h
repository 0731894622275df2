#pragma once

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/main_game.h"
#include "game/seams.h"
#include "store/data_folder.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/preferences.h"
#include "ui/system/qt_host.h"
#include "ui_test_support.h"

namespace polkamina::ui {

// Every draw is 0: the deal takes the first icons of the list and lays the
// pool out in order, so on ノーマル piece i shows icon (i - 1) mod 4.
class FirstDraws : public game::Random {
 public:
  void reseed() override {}
  float next() override { return 0; }
};

// A game folder with 20 pictures, fast delays and `historyLines` saved games.
inline void makeGameFolder(const QString& folder, int historyLines) {
  const QDir defaults(POLKAMINA_DEFAULTS_DIR);
  for (const QString& name : defaults.entryList({"*.txt"}, QDir::Files)) {
    QFile::copy(defaults.filePath(name), folder + "/" + name);
  }
  for (int i = 0; i < 20; ++i) {
    const QString name = QString("icon%1.ico").arg(i, 2, 10, QChar('0'));
    uitest::writeFile(folder + "/" + name, uitest::icoFile(32, QColor::fromHsv(i * 18, 200, 200)));
  }
  uitest::writeFile(folder + "/設定.txt", " .1 \r\n .1 \r\n");
  QByteArray history;
  for (int i = 0; i < historyLines; ++i) {
    history += "\"2024/01/02\",\"10:00:00\",\"Normal\",\"30\",\"01:00\",\"\",\"\"\r\n";
  }
  uitest::writeFile(folder + "/履歴.txt", history);
}

// The game and its main window over a fresh game folder, started up and shown.
class Session {
 public:
  // adjustFolder, when given, changes the game folder before start-up; clock
  // replaces the system's clock; preferencesFile, the session's own.
  explicit Session(int historyLines = 0,
                   const std::function<void(const std::string&)>& adjustFolder = {},
                   std::unique_ptr<game::Clock> clock = std::make_unique<game::SystemClock>(),
                   const QString& preferencesFile = {})
      : clock_(std::move(clock)),
        preferences_(preferencesFile.isEmpty() ? ownPreferencesFile() : preferencesFile) {
    uitest::application();
    makeGameFolder(QString::fromStdString(folder()), historyLines);
    if (adjustFolder) adjustFolder(folder());
    folder_ = std::make_unique<store::DataFolder>(dir_.path());
    game_ = std::make_unique<game::MainGame>(shared_, *folder_, host_, *clock_, random_);
    window_ = std::make_unique<MainWindow>(*game_, shared_, *folder_, random_, host_, preferences_);
    startup_ = game_->Form_Load();
    window_->showCentred();
  }

  template <typename Widget>
  Widget* find(const QString& name) const {
    return window_->findChild<Widget*>(name);
  }
  QPushButton* back(int i) const { return find<QPushButton>(QString("cmdKoma_%1").arg(i)); }
  QLabel* face(int i) const { return find<QLabel>(QString("imgKoma_%1").arg(i)); }
  QLabel* name(int i) const { return find<QLabel>(QString("lblKoma_%1").arg(i)); }
  QString labelText(const char* name) const { return find<QLabel>(name)->text(); }

  std::string folder() const { return dir_.path().string(); }
  // Plays the level list's entry as a player's choice would.
  void chooseLevel(int index) {
    auto* levels = find<QComboBox>("cboMondai");
    levels->setCurrentIndex(index);
    emit levels->activated(index);
  }

  game::MainGame& game() { return *game_; }
  MainWindow& window() { return *window_; }
  game::StartupResult startup() const { return startup_; }
  std::vector<std::string> recordMessages;

 private:
  testsupport::TempFolder dir_;
  testsupport::TempFolder preferencesDir_;
  QString ownPreferencesFile() const {
    return QString::fromStdString(preferencesDir_.path().string()) + "/polkamina.ini";
  }
  game::SharedValues shared_;
  std::unique_ptr<store::DataFolder> folder_;
  system::QtHost host_{
      [this](QWidget*, const std::string& message) { recordMessages.push_back(message); }};
  std::unique_ptr<game::Clock> clock_;
  Preferences preferences_;
  FirstDraws random_;
  std::unique_ptr<game::MainGame> game_;
  std::unique_ptr<MainWindow> window_;
  game::StartupResult startup_ = game::StartupResult::Exit;
};

}  // namespace polkamina::ui
