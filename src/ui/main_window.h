#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "game/main_game.h"
#include "ui/board_focus.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace polkamina::store {
class DataFolder;
}
namespace polkamina::system {
class QtHost;
}

namespace polkamina::ui {

class HistoryModel;

// The main window frmMain: a view over MainGame. It draws the game's state
// and forwards the player's events to the game's handlers; every control
// carries its design name as its object name ("cmdStart", "cmdKoma_8", ...).
class MainWindow : public QWidget {
 public:
  // The window attaches itself to host as the view the game paints through.
  MainWindow(game::MainGame& game, game::SharedValues& shared, const store::DataFolder& folder,
             game::Random& random, system::QtHost& host);
  ~MainWindow() override;

  // Brings every control up to date with the game.
  void render();

  // Shows the window centred on the screen, the start button holding the focus.
  void showCentred();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The three controls of piece i: its back, its face and its name.
  struct PieceControls {
    QPushButton* back = nullptr;
    QLabel* face = nullptr;
    QLabel* name = nullptr;
  };

  void buildTopRow();
  void buildBoardFrame();
  void buildRecordFrame();
  void buildHistoryFrame();
  void buildHistoryGrid();
  void buildPieces();
  void arrangeTabOrder();
  void connectHandlers();
  void nameForScreenReaders();

  // Runs the history toggle of the board frame's double-click.
  void toggleHistory();

  // Runs a handler of the game, reporting a failed data file, and redraws.
  void runHandler(const std::function<void()>& handler);

  void renderCounters();
  void renderLevelList();
  void renderPieces();
  void renderHistoryFrame();
  void renderHistory();
  // The faces and names of a new deal.
  void showDeal();
  void endProgram();

  // The board's keyboard focus: one piece holds the board's tab stop; the
  // arrow keys move it over the backs, and a turned piece hands it on.
  BackMap shownBacks() const;
  void moveBoardFocus(BoardDirection direction);
  void focusPiece(int index);
  void takeBoardTabStop(int index);
  void keepBoardFocusOnABack(const BackMap& backs);
  void renderBoardTabStop();
  bool boardHasFocus() const;

  game::MainGame& game_;
  game::SharedValues& shared_;
  const store::DataFolder& folder_;
  game::Random& random_;
  system::QtHost& host_;

  QToolButton* cmdEnd_ = nullptr;
  QToolButton* cmdHelp_ = nullptr;
  QToolButton* cmdSettei_ = nullptr;
  QToolButton* cmdClear_ = nullptr;
  QToolButton* cmdHozon_ = nullptr;
  QToolButton* cmdYame_ = nullptr;
  QToolButton* cmdStart_ = nullptr;
  QTimer Timer1_;
  QWidget* Line1_0_ = nullptr;  // the rule's white line, drawn by the window
  QWidget* Line1_1_ = nullptr;  // the rule's black line, drawn by the window
  QFrame* fraKiri_ = nullptr;
  QComboBox* cboMondai_ = nullptr;
  QCheckBox* chkNamae_ = nullptr;
  QCheckBox* chkAs_ = nullptr;
  QGroupBox* frmKiroku_ = nullptr;
  QLabel* lblTrun_ = nullptr;
  QLabel* lblZan_ = nullptr;
  QLabel* lblKiroku_ = nullptr;
  QLabel* lblByou_ = nullptr;
  QFrame* fraRireki_ = nullptr;
  QTableView* msgRireki_ = nullptr;  // built the first time the history is shown
  HistoryModel* historyModel_ = nullptr;
  std::array<PieceControls, game::kPieceCount> pieces_{};

  unsigned shownDeal_ = 0;     // the deal whose faces and names are shown
  int boardTabStop_ = 0;       // cell 0..39 of the piece the Tab key reaches
  int shownHistoryRows_ = -1;  // grid rows and top row last scrolled to
  int shownHistoryTopRow_ = -1;
};

}  // namespace polkamina::ui
