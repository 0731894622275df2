#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "store/data_folder.h"
#include "store/text.h"
#include "ui/help/help_viewer.h"
#include "ui/history_model.h"
#include "ui/settings_window.h"
#include "ui/system/art.h"
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
constexpr int kIconSide = 32;
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

// A one-pixel rule from (left, y) to (right, y), in twips.
void rule(QWidget* parent, const QString& name, int left, int right, int y, const QColor& color) {
  auto* line = placed(new QWidget(parent), name,
                      QRect(twipsToPixels(left), twipsToPixels(y),
                            twipsToPixels(right) - twipsToPixels(left) + 1, 1));
  fillBackground(line, color);
}

// The board frame fraKiri. A double-click on the frame itself, not on one of
// the controls it holds, is its own event.
class BoardFrame : public QFrame {
 public:
  BoardFrame(QWidget* parent, std::function<void()> onDoubleClick)
      : QFrame(parent), onDoubleClick_(std::move(onDoubleClick)) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
      onDoubleClick_();
    }
  }

 private:
  std::function<void()> onDoubleClick_;
};

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

  Timer1_.setObjectName("Timer1");
  Timer1_.setInterval(kTimerIntervalMs);
  Timer1_.start();

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
  title->setPixmap(system::artPicture("title.png"));
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  rule(this, "Line1_0", 150, 9300, 1275, Qt::white);
  rule(this, "Line1_1", 150, 9300, 1260, Qt::black);
}

void MainWindow::buildBoardFrame() {
  fraKiri_ =
      placed(new BoardFrame(this, [this] { runHandler([this] { game_.fraKiri_DblClick(); }); }),
             "fraKiri", twipsRect(150, 1350, 9165, 5325));
  fraKiri_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fraKiri_->setToolTip("フレームをダブルクリックするとプレイ履歴を表示します");

  boxedLabel(fraKiri_, "Label1_0", twipsRect(225, 300, 960, 405), kLevelLabelBack,
             designFont(kPGothic, 14.25))
      ->setText("レベル");

  cboMondai_ = placed(new QComboBox(fraKiri_), "cboMondai", twipsRect(1200, 300, 1695, 405));
  cboMondai_->setEditable(false);
  cboMondai_->setFont(designFont(kGothic, 14.25));
  QPalette listPalette = cboMondai_->palette();
  listPalette.setColor(QPalette::Button, kLevelListBack);
  listPalette.setColor(QPalette::Base, kLevelListBack);
  cboMondai_->setPalette(listPalette);

  chkNamae_ =
      placed(new QCheckBox("名前表示", fraKiri_), "chkNamae", twipsRect(225, 750, 1215, 315));
  chkNamae_->setFont(designFont(kPGothic, 11.25));
  chkNamae_->setToolTip("アイコンの名前表示を制御します");
  chkAs_ = placed(new QCheckBox("履歴保存", fraKiri_), "chkAs", twipsRect(1650, 750, 1245, 315));
  chkAs_->setFont(designFont(kPGothic, 11.25));
  chkAs_->setToolTip("履歴の自動保存を制御します");

  buildRecordFrame();
  buildPieces();
  buildHistoryFrame();
}

void MainWindow::buildRecordFrame() {
  frmKiroku_ = placed(new QGroupBox(fraKiri_), "frmKiroku", twipsRect(3075, 225, 5910, 810));
  frmKiroku_->setFont(designFont(kGothic, 9));
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

    QLabel* name =
        placed(new QLabel(fraKiri_), "lblKoma_" + index,
               twipsRect(105 + kCellWidth * column, 1665 + kCellHeight * row, 1095, 255));
    name->setTextFormat(Qt::PlainText);
    name->setAlignment(Qt::AlignCenter);
    name->setFont(designFont(kPGothic, 8.25));
    pieces_[i].name = name;
  }
  const QIcon back = system::artIcon("piece-back.ico");
  for (int i = 0; i < game::kPieceCount; ++i) {
    auto* button = placed(new QPushButton(fraKiri_), "cmdKoma_" + QString::number(i + 1),
                          twipsRect(kBackLefts[i % game::kBoardColumns],
                                    kBackTops[i / game::kBoardColumns], 1080, 780));
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

  msgRireki_ = placed(new QTableView(fraRireki_), "msgRireki", twipsRect(150, 200, 8565, 3850));
  historyModel_ = new HistoryModel(game_.history().rows(), msgRireki_);
  msgRireki_->setModel(historyModel_);
  msgRireki_->setFont(designFont(kPGothic, kHistoryFontPoints));
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
}

void MainWindow::arrangeTabOrder() {
  QWidget::setTabOrder(cmdStart_, cmdSettei_);
  QWidget::setTabOrder(cmdSettei_, cmdHelp_);
  QWidget::setTabOrder(cmdHelp_, cmdEnd_);
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
  connect(cmdHelp_, &QToolButton::clicked, this,
          [this] { help::showHelp(text(game_.helpFile()), this); });
  connect(cmdEnd_, &QToolButton::clicked, this, [this] { endProgram(); });
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
}

// ---- Drawing the game ----

void MainWindow::render() {
  lblTrun_->setText(text(game_.lblTrun()));
  lblZan_->setText(text(game_.lblZan()));
  lblKiroku_->setText(text(game_.lblKiroku()));
  lblByou_->setText(text(game_.lblByou()));
  frmKiroku_->setTitle(text(game_.frmKirokuCaption()));
  chkNamae_->setChecked(game_.options().chkNamae() == 1);
  chkAs_->setChecked(game_.options().chkAs() == 1);
  renderLevelList();
  if (game_.board().dealSerial() != shownDeal_) {
    loadFacePictures();
  }
  renderPieces();
  fraRireki_->setVisible(game_.history().fraRirekiVisible());
  renderHistory();
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
  for (int i = 0; i < game::kPieceCount; ++i) {
    const game::Piece& piece = game_.board().piece(i + 1);
    PieceControls& controls = pieces_[i];
    controls.back->setVisible(piece.backVisible);
    controls.face->setVisible(piece.faceVisible);
    controls.name->setText(text(store::shownFileName(piece.name)));
    controls.name->setFrameStyle(piece.nameBorder ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    controls.name->setVisible(piece.nameVisible);
  }
}

void MainWindow::loadFacePictures() {
  // An icon lies on the board several times; its file is read once per deal.
  std::map<std::filesystem::path, QPixmap> pictures;
  for (int i = 0; i < game::kPieceCount; ++i) {
    const std::filesystem::path& file = game_.board().piece(i + 1).picture;
    auto found = pictures.find(file);
    if (found == pictures.end()) {
      found = pictures.emplace(file, system::loadIconPicture(file, devicePixelRatioF())).first;
    }
    pieces_[i].face->setPixmap(found->second);
  }
  shownDeal_ = game_.board().dealSerial();
}

void MainWindow::renderHistory() {
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
