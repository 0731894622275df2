#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "game/main_game.h"

class QCheckBox;
class QLabel;
class QToolButton;

namespace polkamina::store {
class DataFolder;
}
namespace polkamina::system {
class Announcer;
class QtHost;
}  // namespace polkamina::system

namespace polkamina::ui {

class BoardView;
class GameMenu;
class HistoryPanel;
class InputWatcher;
class LevelList;
class PauseCover;
class Preferences;
class ProgressWindow;
class RecordPanel;

// The main window frmMain: a view over MainGame, composed of the top row of
// buttons, the title, the engraved rule and the board frame with the level
// list, the two switches, the record panel, the pieces and the history over
// them. It forwards the player's events to the game's handlers and shows what
// each handler changed; every control carries its design name as its object
// name ("cmdStart", "cmdKoma_8", ...; see docs/glossary.md). Beyond the
// buttons, a menu (right-click outside the pieces, the Menu key, Shift+F10)
// pauses the game and holds the player's preferences.
class MainWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(MainWindow)

 public:
  // The window attaches itself to host as the view the game paints through.
  MainWindow(game::MainGame& game, game::SharedValues& shared, const store::DataFolder& folder,
             game::Random& random, system::QtHost& host, Preferences& preferences);
  ~MainWindow() override;

  // Shows the window centred on the screen, the start button holding the focus.
  void showCentred();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void buildTopRow();
  void buildBoard();
  void arrangeTabOrder();
  void connectHandlers();
  void connectMenu();

  // The window's events, named as in the game's description.
  void cmdStart_Click();
  void cmdYame_Click();
  void cmdHozon_Click();
  void cmdClear_Click();
  void cmdSettei_Click();
  void cmdHelp_Click();
  void cmdEnd_Click();
  void cmdKoma_Click(int index);
  void fraKiri_DblClick();
  void cboMondai_Click(int index);
  void chkNamae_Click(bool checked);
  void chkAs_Click(bool checked);
  void Timer1_Timer();
  void togglePause();
  void showProgress();
  void boardScaleChosen(int percent);
  // The window was minimised or hidden by the desktop.
  void windowHidden();

  // Runs a handler of the game, reporting a failed data file, and shows what
  // it changed.
  void runHandler(const std::function<void()>& handler);
  // Brings the controls up to date with what the game changed since the last time.
  void showChanges();
  void showHistoryFrame();
  void announceTurnEnd(bool matched);
  void showPause();
  // No piece takes the keyboard while the history or the pause cover lies over them.
  void coverBoard();
  void focusBoard();
  // Opens the pictures window 絵の管理, or brings it forward.
  void showPictures();

  game::MainGame& game_;
  game::SharedValues& shared_;
  const store::DataFolder& folder_;
  game::Random& random_;
  system::QtHost& host_;
  Preferences& preferences_;

  InputWatcher* input_ = nullptr;
  QToolButton* cmdEnd_ = nullptr;
  QToolButton* cmdHelp_ = nullptr;
  QToolButton* cmdSettei_ = nullptr;
  QToolButton* cmdClear_ = nullptr;
  QToolButton* cmdHozon_ = nullptr;
  QToolButton* cmdYame_ = nullptr;
  QToolButton* cmdStart_ = nullptr;
  QTimer Timer1_;
  BoardView* fraKiri_ = nullptr;
  QLabel* levelLabel_ = nullptr;
  LevelList* cboMondai_ = nullptr;
  QCheckBox* chkNamae_ = nullptr;
  QCheckBox* chkAs_ = nullptr;
  RecordPanel* frmKiroku_ = nullptr;
  HistoryPanel* fraRireki_ = nullptr;
  system::Announcer* announcer_ = nullptr;
  PauseCover* cover_ = nullptr;
  GameMenu* menu_ = nullptr;
  QPointer<ProgressWindow> progress_;  // while open
  int boardScale_ = 100;               // the board size in percent this run shows
};

}  // namespace polkamina::ui
