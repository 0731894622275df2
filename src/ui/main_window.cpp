#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHideEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

#include "ui/board_view.h"
#include "ui/design.h"
#include "ui/engraved_rule.h"
#include "ui/focus_visibility.h"
#include "ui/game_menu.h"
#include "ui/help/help_viewer.h"
#include "ui/history_panel.h"
#include "ui/input_watcher.h"
#include "ui/level_list.h"
#include "ui/pause_cover.h"
#include "ui/picture_button.h"
#include "ui/pictures_window.h"
#include "ui/preferences.h"
#include "ui/progress_window.h"
#include "ui/record_panel.h"
#include "ui/settings_window.h"
#include "ui/shown_text.h"
#include "ui/system/accessible_roles.h"
#include "ui/system/announcer.h"
#include "ui/system/art.h"
#include "ui/system/colours.h"
#include "ui/system/file_error_report.h"
#include "ui/system/fonts.h"
#include "ui/system/message_box.h"
#include "ui/system/qt_host.h"
#include "ui/system/restart.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using game::ViewChanges;
using system::designFont;
using system::kPGothic;
using system::twipsRect;
using system::twipsToPixels;

const char* const kCaption = QT_TRANSLATE_NOOP("MainWindow", "ポルカミナ");
const char* const kLevelCaption = QT_TRANSLATE_NOOP("MainWindow", "レベル");
constexpr int kClientHeight = 6780;
constexpr int kTimerIntervalMs = 1000;

// A picture button of the top row.
struct TopButton {
  const char* name;
  const char* text;
  int left;
  const char* toolTip;
  const char* icon;
};
constexpr int kTopButtonTop = 150;
constexpr int kTopButtonWidth = 840;
constexpr int kTopButtonHeight = 915;
const TopButton kEndButton{"cmdEnd", QT_TRANSLATE_NOOP("MainWindow", "終了"), 8475,
                           QT_TRANSLATE_NOOP("MainWindow", "プログラムを終了します"), "button-end"};
const TopButton kHelpButton{"cmdHelp", QT_TRANSLATE_NOOP("MainWindow", "ヘルプ"), 7650,
                            QT_TRANSLATE_NOOP("MainWindow", "ヘルプファイルを開きます"),
                            "button-help"};
const TopButton kSetteiButton{"cmdSettei", QT_TRANSLATE_NOOP("MainWindow", "設定"), 6825,
                              QT_TRANSLATE_NOOP("MainWindow", "コマの消去時間などを設定します"),
                              "button-settings"};
const TopButton kClearButton{"cmdClear", QT_TRANSLATE_NOOP("MainWindow", "クリア"), 6000,
                             QT_TRANSLATE_NOOP("MainWindow", "履歴データをクリアします"),
                             "button-clear"};
const TopButton kHozonButton{"cmdHozon", QT_TRANSLATE_NOOP("MainWindow", "保存"), 5175,
                             QT_TRANSLATE_NOOP("MainWindow", "データを保存します"), "button-save"};
const TopButton kYameButton{"cmdYame", QT_TRANSLATE_NOOP("MainWindow", "中止"), 4350,
                            QT_TRANSLATE_NOOP("MainWindow", "ゲームを中止します"), "button-stop"};
const TopButton kStartButton{"cmdStart", QT_TRANSLATE_NOOP("MainWindow", "スタート"), 3525,
                             QT_TRANSLATE_NOOP("MainWindow", "ゲームをスタートします"),
                             "button-start"};

QToolButton* topButton(QWidget* parent, const TopButton& design) {
  return pictureButton(
      parent, design.name, twipsRect(design.left, kTopButtonTop, kTopButtonWidth, kTopButtonHeight),
      MainWindow::tr(design.text), MainWindow::tr(design.toolTip), design.icon, parent->font());
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QRect& geometry,
                    const QString& text, const QString& toolTip) {
  auto* box = placed(new QCheckBox(text, parent), name, geometry);
  box->setFont(designFont(kPGothic, design::kControlPoints));
  box->setToolTip(toolTip);
  system::keepCheckBoxVisible(box);
  useClearFocusFrame(box);
  return box;
}

// What a screen reader is told at the end of a turn: whether it matched, and
// what the counters say now.
QString turnEndMessage(bool matched, bool gameOver, const QString& piecesLeft, const QString& turns,
                       const QString& time) {
  if (!matched) return MainWindow::tr("はずれ");
  if (gameOver) {
    return MainWindow::tr("そろいました。ゲーム終了。ターン数 %1、時間 %2").arg(turns, time);
  }
  return MainWindow::tr("そろいました。残り %1").arg(piecesLeft);
}

}  // namespace

MainWindow::MainWindow(game::MainGame& game, game::SharedValues& shared,
                       const store::DataFolder& folder, game::Random& random, system::QtHost& host,
                       Preferences& preferences)
    : QWidget(nullptr),
      game_(game),
      shared_(shared),
      folder_(folder),
      random_(random),
      host_(host),
      preferences_(preferences),
      input_(new InputWatcher(this)) {
  system::useAccessibleRoles();
  setObjectName("frmMain");
  setWindowTitle(tr(kCaption));
  setWindowIcon(system::windowIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(twipsToPixels(design::kClientWidth), twipsToPixels(kClientHeight));
  setFont(designFont(kPGothic, design::kWindowPoints));

  buildTopRow();
  buildBoard();
  arrangeTabOrder();
  connectHandlers();
  connectMenu();

  // One of the window's controls, as in the design.
  Timer1_.setParent(this);
  Timer1_.setObjectName("Timer1");
  Timer1_.setInterval(kTimerIntervalMs);
  Timer1_.start();
  host_.holdDuringWaits(&Timer1_);

  host_.attachView(this, [this] { showChanges(); });
}

MainWindow::~MainWindow() { host_.attachView(nullptr, nullptr); }

// ---- Building the window ----

void MainWindow::buildTopRow() {
  cmdEnd_ = topButton(this, kEndButton);
  cmdHelp_ = topButton(this, kHelpButton);
  cmdSettei_ = topButton(this, kSetteiButton);
  cmdClear_ = topButton(this, kClearButton);
  cmdHozon_ = topButton(this, kHozonButton);
  cmdYame_ = topButton(this, kYameButton);
  cmdStart_ = topButton(this, kStartButton);

  auto* title = placed(new QLabel(this), "Image1", twipsRect(150, 100, 3105, 1005));
  title->setPixmap(system::artPicture("title.png", devicePixelRatioF()));
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  title->setAccessibleName(tr(kCaption));

  // Line1(1), black, from (150, 1260) to (9300, 1260); Line1(0), white, one
  // pixel below it.
  new EngravedRule(this, QRect(twipsToPixels(150), twipsToPixels(1260),
                               twipsToPixels(9300) - twipsToPixels(150) + 1, 2));
}

// The frame holds the game's controls in the order they were designed, which
// is also their stacking: the pieces above the controls, the history above all.
void MainWindow::buildBoard() {
  fraKiri_ = new BoardView(this, input_);

  levelLabel_ = boxedLabel(fraKiri_, "Label1_0", twipsRect(225, 300, 960, 405), design::kPaleYellow,
                           designFont(kPGothic, design::kLevelPoints));
  levelLabel_->setText(tr(kLevelCaption));
  cboMondai_ = new LevelList(fraKiri_);
  // Screen readers name the list by its label.
  levelLabel_->setBuddy(cboMondai_);
  chkNamae_ = checkBox(fraKiri_, "chkNamae", twipsRect(225, 750, 1215, 315), tr("名前表示"),
                       tr("アイコンの名前表示を制御します"));
  chkAs_ = checkBox(fraKiri_, "chkAs", twipsRect(1650, 750, 1245, 315), tr("履歴保存"),
                    tr("履歴の自動保存を制御します"));
  frmKiroku_ = new RecordPanel(fraKiri_);
  fraKiri_->addPieces();
  cover_ = new PauseCover(fraKiri_);
  fraRireki_ = new HistoryPanel(fraKiri_, game_.history());
  announcer_ = new system::Announcer(this);
}

void MainWindow::arrangeTabOrder() {
  const std::vector<QWidget*> order = {cmdStart_, cmdSettei_, cmdHelp_,   cmdEnd_,   cmdYame_,
                                       cmdHozon_, cmdClear_,  cboMondai_, chkNamae_, chkAs_};
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
  // The board is one stop of the tab order; the pause cover and the history
  // grid, which lie over it, come after it.
  QWidget::setTabOrder(fraKiri_->chainTabOrder(chkAs_), cover_);
  fraRireki_->followInTabOrder(cover_);
}

void MainWindow::connectHandlers() {
  connect(&Timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  connect(cmdStart_, &QToolButton::clicked, this, &MainWindow::cmdStart_Click);
  connect(cmdYame_, &QToolButton::clicked, this, &MainWindow::cmdYame_Click);
  connect(cmdHozon_, &QToolButton::clicked, this, &MainWindow::cmdHozon_Click);
  connect(cmdClear_, &QToolButton::clicked, this, &MainWindow::cmdClear_Click);
  connect(cmdSettei_, &QToolButton::clicked, this, &MainWindow::cmdSettei_Click);
  connect(cmdHelp_, &QToolButton::clicked, this, &MainWindow::cmdHelp_Click);
  connect(cmdEnd_, &QToolButton::clicked, this, &MainWindow::cmdEnd_Click);
  connect(fraKiri_, &BoardView::pieceChosen, this, &MainWindow::cmdKoma_Click);
  connect(fraKiri_, &BoardView::bareFrameDoubleClicked, this, &MainWindow::fraKiri_DblClick);
  connect(fraKiri_, &BoardView::turnEnded, this, &MainWindow::announceTurnEnd);
  connect(cboMondai_, &QComboBox::activated, this, &MainWindow::cboMondai_Click);
  connect(chkNamae_, &QCheckBox::clicked, this, &MainWindow::chkNamae_Click);
  connect(chkAs_, &QCheckBox::clicked, this, &MainWindow::chkAs_Click);

  auto* help = new QAction(this);
  help->setShortcut(Qt::Key_F1);
  connect(help, &QAction::triggered, cmdHelp_, &QToolButton::click);
  auto* history = new QAction(this);
  history->setShortcut(QKeySequence("Ctrl+H"));
  connect(history, &QAction::triggered, this, &MainWindow::fraKiri_DblClick);
  addActions({help, history});
}

void MainWindow::connectMenu() {
  menu_ = new GameMenu(this, preferences_);
  game_.setMatchSound(preferences_.matchSound());
  connect(menu_, &GameMenu::pauseChosen, this, &MainWindow::togglePause);
  connect(cover_, &PauseCover::resumeAsked, this, &MainWindow::togglePause);
  connect(menu_, &GameMenu::soundSwitched, this, [this](bool on) { game_.setMatchSound(on); });
  connect(menu_, &GameMenu::progressChosen, this, &MainWindow::showProgress);
  connect(menu_, &GameMenu::picturesChosen, this, &MainWindow::showPictures);
  boardScale_ = preferences_.boardScale();
  connect(menu_, &GameMenu::boardScaleChosen, this, &MainWindow::boardScaleChosen);
}

void MainWindow::showCentred() {
  showChanges();
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
  show();
  activateWindow();
  cmdStart_->setFocus();
  // The focus is drawn from the start, not only after the first Tab.
  showFocusWhileTheKeyboardIsUsed(this, input_);
}

// ---- The window's events ----

void MainWindow::cmdStart_Click() {
  runHandler([this] { game_.cmdStart_Click(); });
}

void MainWindow::cmdYame_Click() {
  runHandler([this] { game_.cmdYame_Click(); });
}

void MainWindow::cmdHozon_Click() {
  runHandler([this] { game_.cmdHozon_Click(); });
}

void MainWindow::cmdClear_Click() {
  runHandler([this] { game_.cmdClear_Click(); });
}

void MainWindow::cmdSettei_Click() {
  runHandler([this] { showSettingsWindow(this, shared_, folder_, random_, host_); });
}

void MainWindow::showPictures() {
  showPicturesWindow(this, folder_.path(), [this] { return game_.board().Playing(); });
}

// The help window opens beside this one and never over its top row of buttons.
void MainWindow::cmdHelp_Click() {
  help::showHelp(text(game_.helpFile()), this, cmdStart_->geometry().united(cmdEnd_->geometry()));
}

// Every remembered value is already stored: the program ends, and its
// windows with it, saving nothing.
void MainWindow::cmdEnd_Click() {
  help::closeAllHelpWindows();
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Ends the program even while the settings or help windows are open.
  QCoreApplication::quit();
}

// The menu opens anywhere but on a piece, whose own click is its turn.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Mouse) {
    menu_->openOnFocus();
  } else if (!fraKiri_->isPieceAt(event->globalPos())) {
    menu_->openAt(event->globalPos());
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) windowHidden();
}

// Hidden by the desktop, not by the program: on another workspace, say.
void MainWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) windowHidden();
}

void MainWindow::windowHidden() {
  if (preferences_.pauseWhenHidden()) runHandler([this] { game_.pause(); });
}

void MainWindow::togglePause() {
  runHandler([this] { game_.togglePause(); });
}

// Opens on the level the level list shows, beside this window as the help
// does, so that the game stays in view.
void MainWindow::showProgress() {
  if (progress_ == nullptr) {
    const auto level = game_.options().level();
    progress_ =
        new ProgressWindow(this, game_.history().rows(), level ? levels::levelIndex(*level) : 0);
    progress_->adjustSize();
    help::placeNear(progress_, this, cmdStart_->geometry().united(cmdEnd_->geometry()));
  }
  progress_->bringForward();
}

// Qt takes the scale of the windows only as the program starts: the program
// starts again at once if the player wishes, else the size comes with the
// next start.
void MainWindow::boardScaleChosen(int percent) {
  if (percent == boardScale_) return;
  QString question =
      tr("表示倍率を %1% にしました。今すぐ起動し直して、この大きさにしますか？").arg(percent);
  if (game_.board().Playing()) {
    question += tr("\r\n遊んでいる途中のゲームは記録されずに終わります。");
  }
  question += tr("\r\n「キャンセル」のときは、次に起動したときからこの大きさになります。");
  if (system::showMessageBox(question.toStdString(), tr("表示倍率").toStdString(),
                             game::MessageIcon::Information,
                             game::MessageButtons::OkCancel) == game::MessageAnswer::Ok) {
    system::requestRestart();
  }
}

void MainWindow::cmdKoma_Click(int index) {
  runHandler([this, index] { game_.cmdKoma_Click(static_cast<std::int16_t>(index)); });
}

void MainWindow::fraKiri_DblClick() {
  runHandler([this] { game_.fraKiri_DblClick(); });
}

void MainWindow::cboMondai_Click(int index) {
  const std::string level = cboMondai_->entry(index).toStdString();
  runHandler([this, level] { game_.chooseLevel(level); });
  // Screen readers find no value of their own in the list (see showChanges),
  // and so do not tell a level chosen with the arrow keys.
  if (cboMondai_->hasFocus()) announcer_->announce(levelLabel_->accessibleName());
}

void MainWindow::chkNamae_Click(bool checked) {
  runHandler([this, checked] { game_.setNameDisplayBox(checked ? 1 : 0); });
}

void MainWindow::chkAs_Click(bool checked) {
  runHandler([this, checked] { game_.setAutoSaveBox(checked ? 1 : 0); });
}

void MainWindow::Timer1_Timer() {
  runHandler([this] { game_.Timer1_Timer(); });
}

void MainWindow::runHandler(const std::function<void()>& handler) {
  system::runReportingFileErrors(handler);
  showChanges();
}

// ---- Showing the game ----

void MainWindow::showChanges() {
  const ViewChanges changes = game_.takeViewChanges();
  if (changes.has(ViewChanges::Counters)) {
    frmKiroku_->showCounters(text(game_.lblTrun()), text(game_.lblZan()));
  }
  if (changes.has(ViewChanges::Clock)) frmKiroku_->showClock(shownClock(game_.lblByou()));
  if (changes.has(ViewChanges::Records)) {
    frmKiroku_->showRecords(shownLevelText(game_.frmKirokuCaption()),
                            shownLevelText(game_.options().cboMondaiText()),
                            text(game_.lblKiroku()));
  }
  if (changes.has(ViewChanges::Switches)) {
    chkNamae_->setChecked(game_.options().chkNamae() == 1);
    chkAs_->setChecked(game_.options().chkAs() == 1);
  }
  if (changes.has(ViewChanges::LevelList)) {
    QStringList entries;
    for (const std::string& entry : game_.options().cboMondaiItems()) entries << text(entry);
    const QString level = text(game_.options().cboMondaiText());
    cboMondai_->showChoice(entries, level, game_.options().cboMondaiEnabled());
    // Screen readers take a list's label for its name and, with Qt, find no
    // value of their own in it: the label carries the level chosen.
    setAccessibleNameIfChanged(levelLabel_,
                               tr(kLevelCaption) + " " + shownLevelText(level.toStdString()));
  }
  if (changes.has(ViewChanges::Deal)) fraKiri_->showDeal(game_.board());
  if (changes.hasAnyPiece()) fraKiri_->showPieces(game_.board(), changes);
  if (changes.has(ViewChanges::HistoryFrame)) showHistoryFrame();
  if (changes.has(ViewChanges::HistoryRows)) {
    fraRireki_->showRows();
    if (progress_ != nullptr) progress_->refresh();
  }
  if (changes.has(ViewChanges::Pause)) showPause();
  menu_->showGame(game_.board().Playing(), game_.paused());
}

// The history covers the whole board: the keyboard goes over to it and back,
// and never reaches a piece under it.
void MainWindow::showHistoryFrame() {
  const bool shown = game_.history().fraRirekiVisible();
  if (fraRireki_->isVisibleTo(fraKiri_) == shown) return;
  const bool focusHere = fraKiri_->hasFocusOnAPiece() || fraRireki_->gridHasFocus();
  if (shown) {
    fraRireki_->setShown(true, focusHere);
    coverBoard();
  } else {
    coverBoard();
    if (focusHere) focusBoard();
    fraRireki_->setShown(false, false);
  }
}

void MainWindow::announceTurnEnd(bool matched) {
  const bool gameOver = !game_.board().Playing() && game_.board().ZanCount() == 0;
  announcer_->announce(turnEndMessage(matched, gameOver, text(game_.lblZan()),
                                      text(game_.lblTrun()), shownClock(game_.lblByou())));
}

// The cover hides the deal while the game is paused, and takes the keyboard
// from the board; resumed, the board has it back.
void MainWindow::showPause() {
  const bool paused = game_.paused();
  const bool focusHere = fraKiri_->hasFocusOnAPiece() || cover_->hasFocus();
  if (paused) {
    cover_->show();
    coverBoard();
    if (focusHere) cover_->setFocus();
    fraKiri_->hideDeal(true, game_.board());
  } else {
    fraKiri_->hideDeal(false, game_.board());
    coverBoard();
    if (focusHere) focusBoard();
    cover_->hide();
  }
}

void MainWindow::coverBoard() {
  fraKiri_->setCovered(game_.history().fraRirekiVisible() || game_.paused());
}

// The keyboard goes to what lies uppermost on the board.
void MainWindow::focusBoard() {
  if (game_.history().fraRirekiVisible()) {
    fraRireki_->setShown(true, true);
  } else if (game_.paused()) {
    cover_->setFocus();
  } else {
    fraKiri_->focusTabStop();
  }
}

}  // namespace polkamina::ui
