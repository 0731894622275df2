#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

#include "store/data_folder.h"
#include "store/text.h"
#include "ui/help/help_viewer.h"
#include "ui/history_model.h"
#include "ui/settings_window.h"
#include "ui/system/art.h"
#include "ui/system/colours.h"
#include "ui/system/file_error_report.h"
#include "ui/system/fonts.h"
#include "ui/system/picture.h"
#include "ui/system/qt_host.h"
#include "ui/system/twips.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using system::designFont;
using system::kGothic;
using system::kPGothic;
using system::twipsRect;
using system::twipsToPixels;

const char* const kCaption = "ポルカミナ";
constexpr int kClientWidth = 9465;
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
const TopButton kEndButton{"cmdEnd", "終了", 8475, "プログラムを終了します", "button-end.ico"};
const TopButton kHelpButton{"cmdHelp", "ヘルプ", 7650, "ヘルプファイルを開きます",
                            "button-help.ico"};
const TopButton kSetteiButton{"cmdSettei", "設定", 6825, "コマの消去時間などを設定します",
                              "button-settings.ico"};
const TopButton kClearButton{"cmdClear", "クリア", 6000, "履歴データをクリアします",
                             "button-clear.ico"};
const TopButton kHozonButton{"cmdHozon", "保存", 5175, "データを保存します", "button-save.ico"};
const TopButton kYameButton{"cmdYame", "中止", 4350, "ゲームを中止します", "button-stop.ico"};
const TopButton kStartButton{"cmdStart", "スタート", 3525, "ゲームをスタートします",
                             "button-start.ico"};

// Board cells: left of the back by column, top by row, in fraKiri's twips.
constexpr std::array<int, game::kBoardColumns> kBackLefts = {150,  1264, 2378, 3492,
                                                             4606, 5720, 6834, 7950};
constexpr std::array<int, 5> kBackTops = {1125, 1950, 2775, 3600, 4425};
constexpr int kCellWidth = 1125;
constexpr int kCellHeight = 825;

// History grid column widths in twips; its rows fit 14 to its height.
constexpr std::array<int, HistoryModel::kColumnCount> kHistoryColumnWidths = {
    620, 1400, 1100, 1050, 1000, 1250, 900, 900};
constexpr int kHistoryRowHeight = 18;
constexpr double kHistoryFontPoints = 11;

const QColor kLevelLabelBack(0xFF, 0xFF, 0xC0);
const QColor kLevelListBack(0xFF, 0xFF, 0xF0);
const QColor kDisplayBack(0xFF, 0xE0, 0xC0);

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QToolButton* topButton(QWidget* parent, const TopButton& design) {
  return pictureButton(parent, design.name,
                       twipsRect(design.left, kTopButtonTop, kTopButtonWidth, kTopButtonHeight),
                       design.text, design.toolTip, design.icon, parent->font());
}

// The place of a one-pixel line from (left, y) to (right, y), in twips. The
// window draws the line itself (see MainWindow::paintEvent).
QWidget* linePlace(QWidget* parent, const QString& name, int left, int right, int y) {
  auto* line = placed(new QWidget(parent), name,
                      QRect(twipsToPixels(left), twipsToPixels(y),
                            twipsToPixels(right) - twipsToPixels(left) + 1, 1));
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  return line;
}

// The board frame fraKiri. A double-click is the frame's own only when both
// its clicks land on the frame's bare area: Qt pairs two quick presses
// wherever in the window they land, so a click that turns a piece (hiding its
// back) and a second one on the frame beside the face would otherwise count.
// Its tooltip likewise tells of the bare area only; Qt would pass it on to
// every control of the frame that has none of its own.
class BoardFrame : public QFrame {
 public:
  BoardFrame(QWidget* parent, std::function<void()> onDoubleClick)
      : QFrame(parent), onDoubleClick_(std::move(onDoubleClick)) {
    // Presses on the frame's controls never reach the frame itself.
    QApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType()) {
      return false;
    }
    auto* receiver = static_cast<QWidget*>(watched);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    // A press that a control ignores is passed on to its parents: to this
    // frame, where it counts where it lands, and on beyond, where it is the
    // same press again.
    if (receiver == this) {
      lastPressElsewhere_ = !isBare(at);
    } else if (receiver->window() == window() &&
               !(receiver->isAncestorOf(this) && rect().contains(mapFrom(receiver, at)))) {
      lastPressElsewhere_ = true;
    }
    return false;
  }

  // Qt sends a double-click in place of its second press: the press before it
  // is its first.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && !lastPressElsewhere_ &&
        isBare(event->position().toPoint())) {
      onDoubleClick_();
    }
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip && !isBare(static_cast<QHelpEvent*>(event)->pos())) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
    return QFrame::event(event);
  }

 private:
  bool isBare(const QPoint& position) const { return childAt(position) == nullptr; }

  std::function<void()> onDoubleClick_;
  bool lastPressElsewhere_ = false;  // the window's last press missed the bare frame
};

std::optional<BoardDirection> arrowDirection(int key) {
  switch (key) {
    case Qt::Key_Left:
      return BoardDirection::Left;
    case Qt::Key_Right:
      return BoardDirection::Right;
    case Qt::Key_Up:
      return BoardDirection::Up;
    case Qt::Key_Down:
      return BoardDirection::Down;
    default:
      return std::nullopt;
  }
}

// The back of a piece. The arrow keys move over the board instead of along the
// tab order, and Return turns the piece as Space does.
class PieceButton : public QPushButton {
 public:
  PieceButton(QWidget* parent, std::function<void(BoardDirection)> onArrow,
              std::function<void()> onFocus)
      : QPushButton(parent), onArrow_(std::move(onArrow)), onFocus_(std::move(onFocus)) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (const std::optional<BoardDirection> direction = arrowDirection(event->key())) {
      onArrow_(*direction);
    } else if (!pressOnReturn(this, event)) {
      QPushButton::keyPressEvent(event);
    }
  }

  void focusInEvent(QFocusEvent* event) override {
    QPushButton::focusInEvent(event);
    onFocus_();
  }

  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    paintFocus(this);
  }

 private:
  std::function<void(BoardDirection)> onArrow_;
  std::function<void()> onFocus_;
};

// The level list: a flat field in its own colour with the drop-down button
// beside it. The style draws a closed list as a shaded button; drawn as the
// frame of an editable list, the field takes the list's base colour.
class LevelList : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.editable = true;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.editable = false;
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
};

// Keeps the text of the history grid's cells a few pixels from the cell lines.
class CellPaddingStyle : public QProxyStyle {
 public:
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_ItemViewItemText) {
      return rect;
    }
    return rect.adjusted(kCellPadding, 0, -kCellPadding, 0);
  }

 private:
  static constexpr int kCellPadding = 3;
};

// What a screen reader tells of a piece: its place and state, and its icon's
// name only while the piece is face up.
QString pieceName(int index, const game::Piece& piece) {
  if (piece.backVisible) {
    return cellPlace(index, game::kBoardColumns) + " 伏せてある";
  }
  if (piece.faceVisible) {
    return cellPlace(index, game::kBoardColumns) + " めくれている " +
           text(store::shownFileName(piece.name));
  }
  return cellPlace(index, game::kBoardColumns) + " 取り除かれた";
}

}  // namespace

MainWindow::MainWindow(game::MainGame& game, game::SharedValues& shared,
                       const store::DataFolder& folder, game::Random& random, system::QtHost& host)
    : QWidget(nullptr),
      game_(game),
      shared_(shared),
      folder_(folder),
      random_(random),
      host_(host) {
  setObjectName("frmMain");
  setWindowTitle(kCaption);
  setWindowIcon(system::artIcon(kStartButton.icon));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
  setFont(designFont(kPGothic, 9));

  buildTopRow();
  buildBoardFrame();
  arrangeTabOrder();
  connectHandlers();
  nameForScreenReaders();

  Timer1_.setObjectName("Timer1");
  Timer1_.setInterval(kTimerIntervalMs);
  Timer1_.start();
  host_.holdDuringWaits(&Timer1_);

  host_.attachView(this, [this] { render(); });
}

MainWindow::~MainWindow() { host_.attachView(nullptr, nullptr); }

// ---- Building the controls ----

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

  Line1_0_ = linePlace(this, "Line1_0", 150, 9300, 1275);
  Line1_1_ = linePlace(this, "Line1_1", 150, 9300, 1260);
}

void MainWindow::buildBoardFrame() {
  fraKiri_ = placed(new BoardFrame(this, [this] { toggleHistory(); }), "fraKiri",
                    twipsRect(150, 1350, 9165, 5325));
  fraKiri_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fraKiri_->setToolTip("フレームをダブルクリックするとプレイ履歴を表示します");

  QLabel* levelLabel = boxedLabel(fraKiri_, "Label1_0", twipsRect(225, 300, 960, 405),
                                  kLevelLabelBack, designFont(kPGothic, 14.25));
  levelLabel->setText("レベル");

  cboMondai_ = placed(new LevelList(fraKiri_), "cboMondai", twipsRect(1200, 300, 1695, 405));
  cboMondai_->setEditable(false);
  cboMondai_->setFont(designFont(kGothic, 14.25));
  const QPalette listPalette = system::onDesignBackground(cboMondai_->palette(), kLevelListBack);
  cboMondai_->setPalette(listPalette);
  // The open list: plain entries on the same colour, not the style's menu.
  cboMondai_->setItemDelegate(new QStyledItemDelegate(cboMondai_));
  cboMondai_->view()->setPalette(listPalette);
  // Screen readers name the list by its label.
  levelLabel->setBuddy(cboMondai_);

  chkNamae_ =
      placed(new QCheckBox("名前表示", fraKiri_), "chkNamae", twipsRect(225, 750, 1215, 315));
  chkNamae_->setFont(designFont(kPGothic, 11.25));
  chkNamae_->setToolTip("アイコンの名前表示を制御します");
  system::keepCheckBoxVisible(chkNamae_);
  chkAs_ = placed(new QCheckBox("履歴保存", fraKiri_), "chkAs", twipsRect(1650, 750, 1245, 315));
  chkAs_->setFont(designFont(kPGothic, 11.25));
  chkAs_->setToolTip("履歴の自動保存を制御します");
  system::keepCheckBoxVisible(chkAs_);

  buildRecordFrame();
  buildPieces();
  buildHistoryFrame();
}

void MainWindow::buildRecordFrame() {
  frmKiroku_ = captionedFrame(fraKiri_, "frmKiroku", twipsRect(3075, 225, 5910, 810),
                              designFont(kGothic, 9));
  const QFont displayFont = designFont(kPGothic, 20.25);
  lblTrun_ =
      boxedLabel(frmKiroku_, "lblTrun", twipsRect(150, 225, 975, 465), kDisplayBack, displayFont);
  lblZan_ =
      boxedLabel(frmKiroku_, "lblZan", twipsRect(1200, 225, 975, 465), kDisplayBack, displayFont);
  lblKiroku_ = boxedLabel(frmKiroku_, "lblKiroku", twipsRect(2250, 225, 1485, 465), kDisplayBack,
                          displayFont);
  lblByou_ =
      boxedLabel(frmKiroku_, "lblByou", twipsRect(3825, 225, 1935, 465), kDisplayBack, displayFont);
}

void MainWindow::buildPieces() {
  // Made in this order so that the backs lie above the faces and names.
  for (int i = 0; i < game::kPieceCount; ++i) {
    const int column = i % game::kBoardColumns;
    const int row = i / game::kBoardColumns;
    const QString index = QString::number(i + 1);

    QLabel* face = placed(new QLabel(fraKiri_), "imgKoma_" + index,
                          twipsRect(375 + kCellWidth * column, 1200 + kCellHeight * row, 480, 480));
    face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pieces_[i].face = face;

    pieces_[i].name =
        iconNameLabel(fraKiri_, "lblKoma_" + index,
                      twipsRect(105 + kCellWidth * column, 1665 + kCellHeight * row, 1095, 255),
                      system::outsideTextFont(kPGothic, 8.25));
  }
  const QIcon back = system::artIcon("piece-back.ico");
  for (int i = 0; i < game::kPieceCount; ++i) {
    auto* button =
        placed(new PieceButton(
                   fraKiri_, [this](BoardDirection direction) { moveBoardFocus(direction); },
                   [this, i] { takeBoardTabStop(i); }),
               "cmdKoma_" + QString::number(i + 1),
               twipsRect(kBackLefts[i % game::kBoardColumns], kBackTops[i / game::kBoardColumns],
                         1080, 780));
    button->setIcon(back);
    button->setIconSize(QSize(kIconSide, kIconSide));
    pieces_[i].back = button;
  }
}

void MainWindow::buildHistoryFrame() {
  fraRireki_ = placed(new QFrame(fraKiri_), "fraRireki", twipsRect(150, 1050, 8875, 4170));
  fraRireki_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fraRireki_->setAutoFillBackground(true);
  fraRireki_->raise();
  fraRireki_->setAccessibleName("プレイ履歴");
}

void MainWindow::buildHistoryGrid() {
  msgRireki_ = placed(new QTableView(fraRireki_), "msgRireki", twipsRect(150, 200, 8565, 3850));
  msgRireki_->setAccessibleName("プレイ履歴");
  historyModel_ = new HistoryModel(game_.history().rows(), msgRireki_);
  msgRireki_->setModel(historyModel_);
  msgRireki_->setFont(system::outsideTextFont(kPGothic, kHistoryFontPoints));
  auto* cellStyle = new CellPaddingStyle;
  cellStyle->setParent(msgRireki_);
  msgRireki_->setStyle(cellStyle);
  msgRireki_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  msgRireki_->setSelectionMode(QAbstractItemView::NoSelection);
  msgRireki_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  msgRireki_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  msgRireki_->setWordWrap(false);
  msgRireki_->setCornerButtonEnabled(false);
  msgRireki_->verticalHeader()->hide();
  msgRireki_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // The minimum first: the default row height is kept at least that large.
  msgRireki_->verticalHeader()->setMinimumSectionSize(kHistoryRowHeight);
  msgRireki_->verticalHeader()->setDefaultSectionSize(kHistoryRowHeight);
  QHeaderView* header = msgRireki_->horizontalHeader();
  header->setFont(msgRireki_->font());
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setHighlightSections(false);
  header->setSectionsClickable(false);
  // The header takes what is left over 13 whole rows, so that scrolled to the
  // end the grid shows no cut row at its top.
  const int rowsHeight = (game::kHistoryVisibleRows - 1) * kHistoryRowHeight;
  header->setFixedHeight(std::max(
      kHistoryRowHeight, msgRireki_->height() - 2 * msgRireki_->frameWidth() - rowsHeight));
  for (int column = 0; column < HistoryModel::kColumnCount; ++column) {
    header->resizeSection(column, twipsToPixels(kHistoryColumnWidths[column]));
  }
  // After the pieces in the tab order.
  QWidget::setTabOrder(pieces_.back().back, msgRireki_);
}

void MainWindow::arrangeTabOrder() {
  // The board is one stop of the tab order: only one of its pieces takes it.
  std::vector<QWidget*> order = {cmdStart_, cmdSettei_, cmdHelp_,   cmdEnd_,   cmdYame_,
                                 cmdHozon_, cmdClear_,  cboMondai_, chkNamae_, chkAs_};
  for (const PieceControls& piece : pieces_) {
    order.push_back(piece.back);
  }
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
  renderBoardTabStop();
}

void MainWindow::nameForScreenReaders() {
  findChild<QLabel*>("Image1")->setAccessibleName(kCaption);
  fraKiri_->setAccessibleName("盤面");
  fraKiri_->setAccessibleDescription(
      "フレームをダブルクリックするか Ctrl+H を押すとプレイ履歴を表示します");
}

void MainWindow::connectHandlers() {
  connect(&Timer1_, &QTimer::timeout, this,
          [this] { runHandler([this] { game_.Timer1_Timer(); }); });
  connect(cmdStart_, &QToolButton::clicked, this,
          [this] { runHandler([this] { game_.cmdStart_Click(); }); });
  connect(cmdYame_, &QToolButton::clicked, this,
          [this] { runHandler([this] { game_.cmdYame_Click(); }); });
  connect(cmdHozon_, &QToolButton::clicked, this,
          [this] { runHandler([this] { game_.cmdHozon_Click(); }); });
  connect(cmdClear_, &QToolButton::clicked, this,
          [this] { runHandler([this] { game_.cmdClear_Click(); }); });
  connect(cmdSettei_, &QToolButton::clicked, this, [this] {
    runHandler([this] { showSettingsWindow(this, shared_, folder_, random_, host_); });
  });
  // The help window opens beside this one and never over its top row of buttons.
  connect(cmdHelp_, &QToolButton::clicked, this, [this] {
    help::showHelp(text(game_.helpFile()), this, cmdStart_->geometry().united(cmdEnd_->geometry()));
  });
  connect(cmdEnd_, &QToolButton::clicked, this, [this] { endProgram(); });
  connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, cmdHelp_, &QToolButton::click);
  connect(new QShortcut(QKeySequence("Ctrl+H"), this), &QShortcut::activated, this,
          [this] { toggleHistory(); });
  connect(cboMondai_, &QComboBox::activated, this, [this](int index) {
    const std::string level = cboMondai_->itemText(index).toStdString();
    runHandler([this, level] { game_.chooseLevel(level); });
  });
  connect(chkNamae_, &QCheckBox::clicked, this, [this](bool checked) {
    runHandler([this, checked] { game_.setNameDisplayBox(checked ? 1 : 0); });
  });
  connect(chkAs_, &QCheckBox::clicked, this, [this](bool checked) {
    runHandler([this, checked] { game_.setAutoSaveBox(checked ? 1 : 0); });
  });
  for (int i = 0; i < game::kPieceCount; ++i) {
    const auto index = static_cast<std::int16_t>(i + 1);
    connect(pieces_[i].back, &QPushButton::clicked, this,
            [this, index] { runHandler([this, index] { game_.cmdKoma_Click(index); }); });
  }
}

// ---- Handlers ----

void MainWindow::toggleHistory() {
  runHandler([this] { game_.fraKiri_DblClick(); });
}

void MainWindow::runHandler(const std::function<void()>& handler) {
  system::runReportingFileErrors(handler);
  render();
}

void MainWindow::endProgram() {
  help::closeAllHelpWindows();
  // Every remembered value is already stored; nothing runs on the way out.
  std::_Exit(EXIT_SUCCESS);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Ends the program even while the settings or help windows are open.
  QCoreApplication::quit();
}

void MainWindow::showCentred() {
  render();
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
  show();
  activateWindow();
  cmdStart_->setFocus();
  // The focus is drawn from the start, not only after the first Tab.
  showFocusWhileTheKeyboardIsUsed(this);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The engraved rule Line1: one device pixel of black right above one of
  // white at any screen scale. Drawn in device pixels, since two lines one
  // logical pixel high would each cover one and a half at 150 %.
  const qreal ratio = devicePixelRatioF();
  const int blackRow = qRound(Line1_1_->y() * ratio);
  const int left = qRound(Line1_1_->x() * ratio);
  const int width = qRound((Line1_1_->x() + Line1_1_->width()) * ratio) - left;
  QPainter painter(this);
  painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
  painter.fillRect(QRect(left, blackRow, width, 1), Qt::black);
  painter.fillRect(QRect(left, blackRow + 1, width, 1), Qt::white);
}

// ---- Drawing the game ----

void MainWindow::render() {
  renderCounters();
  frmKiroku_->setTitle(text(game_.frmKirokuCaption()));
  chkNamae_->setChecked(game_.options().chkNamae() == 1);
  chkAs_->setChecked(game_.options().chkAs() == 1);
  renderLevelList();
  if (game_.board().dealSerial() != shownDeal_) {
    showDeal();
  }
  renderPieces();
  renderHistoryFrame();
  renderHistory();
}

// Each display, and what a screen reader tells of it: what it counts, then
// the count.
void MainWindow::renderCounters() {
  const std::array<std::pair<QLabel*, QString>, 4> displays = {{
      {lblTrun_, "ターン数"},
      {lblZan_, "コマ残り"},
      {lblKiroku_, text(game_.options().cboMondaiText()) + "最短記録"},
      {lblByou_, "時間"},
  }};
  const std::array<std::string, 4> counts = {game_.lblTrun(), game_.lblZan(), game_.lblKiroku(),
                                             game_.lblByou()};
  for (std::size_t i = 0; i < displays.size(); ++i) {
    displays[i].first->setText(text(counts[i]));
    setAccessibleNameIfChanged(displays[i].first, displays[i].second + " " + text(counts[i]));
  }
}

void MainWindow::renderLevelList() {
  QStringList items;
  for (const std::string& item : game_.options().cboMondaiItems()) {
    items << text(item);
  }
  QStringList shown;
  for (int i = 0; i < cboMondai_->count(); ++i) {
    shown << cboMondai_->itemText(i);
  }
  if (items != shown) {
    cboMondai_->clear();
    cboMondai_->addItems(items);
  }
  cboMondai_->setCurrentIndex(cboMondai_->findText(text(game_.options().cboMondaiText())));
  cboMondai_->setEnabled(game_.options().cboMondaiEnabled());
}

void MainWindow::renderPieces() {
  // The focus leaves a back about to be hidden for the nearest other one
  // before Qt would hand it along the tab order.
  keepBoardFocusOnABack(shownBacks());
  for (int i = 0; i < game::kPieceCount; ++i) {
    const game::Piece& piece = game_.board().piece(i + 1);
    PieceControls& controls = pieces_[i];
    controls.back->setVisible(piece.backVisible);
    // A face under its back cannot be seen, and so is not told either.
    controls.face->setVisible(piece.faceVisible && !piece.backVisible);
    controls.name->setFrameStyle(piece.nameBorder ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    controls.name->setVisible(piece.nameVisible);
    const QString name = pieceName(i, piece);
    setAccessibleNameIfChanged(controls.back, name);
    setAccessibleNameIfChanged(controls.face, name);
  }
}

void MainWindow::renderHistoryFrame() {
  if (fraRireki_->isVisibleTo(fraKiri_) == game_.history().fraRirekiVisible()) {
    return;
  }
  // The grid covers the whole board: the keyboard goes over to it and back,
  // and never reaches a piece under it.
  const bool focusHere = boardHasFocus() || (msgRireki_ != nullptr && msgRireki_->hasFocus());
  if (game_.history().fraRirekiVisible()) {
    // Built the first time it is shown: start-up never waits for it.
    if (msgRireki_ == nullptr) buildHistoryGrid();
    fraRireki_->setVisible(true);
    if (focusHere) {
      msgRireki_->setFocus();
    }
    renderBoardTabStop();
  } else {
    renderBoardTabStop();
    if (focusHere) {
      focusPiece(boardTabStop_);
    }
    fraRireki_->setVisible(false);
  }
}

// ---- The board's keyboard focus ----

BackMap MainWindow::shownBacks() const {
  BackMap backs{};
  for (int i = 0; i < game::kPieceCount; ++i) {
    backs[static_cast<std::size_t>(i)] = game_.board().piece(i + 1).backVisible;
  }
  return backs;
}

void MainWindow::moveBoardFocus(BoardDirection direction) {
  if (const std::optional<int> target = backInDirection(shownBacks(), boardTabStop_, direction)) {
    focusPiece(*target);
  }
}

void MainWindow::focusPiece(int index) {
  takeBoardTabStop(index);
  pieces_[static_cast<std::size_t>(index)].back->setFocus(Qt::OtherFocusReason);
}

void MainWindow::takeBoardTabStop(int index) {
  boardTabStop_ = index;
  renderBoardTabStop();
}

void MainWindow::keepBoardFocusOnABack(const BackMap& backs) {
  if (backs[static_cast<std::size_t>(boardTabStop_)]) {
    return;
  }
  const std::optional<int> nearest = nearestBack(backs, boardTabStop_);
  if (!nearest) {
    return;
  }
  if (boardHasFocus()) {
    focusPiece(*nearest);
  } else {
    takeBoardTabStop(*nearest);
  }
}

void MainWindow::renderBoardTabStop() {
  for (int i = 0; i < game::kPieceCount; ++i) {
    Qt::FocusPolicy policy = i == boardTabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
    if (game_.history().fraRirekiVisible()) {
      policy = Qt::NoFocus;
    }
    pieces_[static_cast<std::size_t>(i)].back->setFocusPolicy(policy);
  }
}

bool MainWindow::boardHasFocus() const {
  const QWidget* focused = QApplication::focusWidget();
  return std::any_of(pieces_.begin(), pieces_.end(),
                     [focused](const PieceControls& piece) { return piece.back == focused; });
}

void MainWindow::showDeal() {
  // An icon lies on the board several times; its file is read once per deal.
  std::map<std::filesystem::path, QPixmap> pictures;
  for (int i = 0; i < game::kPieceCount; ++i) {
    const game::Piece& piece = game_.board().piece(i + 1);
    auto found = pictures.find(piece.picture);
    if (found == pictures.end()) {
      found =
          pictures
              .emplace(piece.picture, system::loadIconPicture(piece.picture, devicePixelRatioF()))
              .first;
    }
    pieces_[i].face->setPixmap(found->second);
    pieces_[i].name->setText(text(store::shownFileName(piece.name)));
  }
  shownDeal_ = game_.board().dealSerial();
}

void MainWindow::renderHistory() {
  if (msgRireki_ == nullptr) return;
  historyModel_->refresh();
  const int rows = game_.history().gridRows();
  if (rows == shownHistoryRows_ && game_.history().topRow() == shownHistoryTopRow_) {
    return;
  }
  shownHistoryRows_ = rows;
  shownHistoryTopRow_ = game_.history().topRow();
  if (rows > 1) {
    // Grid row 1 is the model's row 0.
    const int row = std::max(0, std::min(game_.history().topRow(), rows - 1) - 1);
    // New rows reach the scroll range only at the view's next layout.
    msgRireki_->doItemsLayout();
    msgRireki_->scrollTo(historyModel_->index(row, 0), QAbstractItemView::PositionAtTop);
  }
}

}  // namespace polkamina::ui
