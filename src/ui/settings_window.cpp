#include "ui/settings_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>
#include <QWheelEvent>
#include <array>
#include <functional>

#include "game/settings_model.h"
#include "store/text.h"
#include "ui/system/art.h"
#include "ui/system/file_error_report.h"
#include "ui/system/fonts.h"
#include "ui/system/picture.h"
#include "ui/system/twips.h"
#include "ui/system/window_owner.h"
#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

using system::designFont;
using system::kPGothic;
using system::twipsRect;
using system::twipsToPixels;

const char* const kCaption = "設定";
constexpr int kClientWidth = 9465;
constexpr int kClientHeight = 5055;
constexpr double kWindowPoints = 9;
constexpr double kControlPoints = 11.25;
constexpr double kNamePoints = 8.25;

// Catalogue cell spacing inside Frame1, in twips.
constexpr int kCellWidth = 1125;
constexpr int kCellHeight = 825;

// Tops of the record rows Label3(i) and lblKiroku(i) inside Frame3, in twips.
constexpr std::array<int, game::kRecordRows> kRecordRowTops = {750,  975,  1575, 1800,
                                                               2400, 2625, 3225, 3450};

// The level headers Label2(0..3) with their colours and tops.
struct LevelHeader {
  const char* text;
  QColor background;
  int top;
};
const std::array<LevelHeader, 4> kLevelHeaders = {{
    {"＜イージー＞", QColor(255, 224, 192), 375},
    {"＜ノーマル＞", QColor(255, 255, 192), 1200},
    {"＜ハード＞", QColor(192, 255, 255), 2025},
    {"＜パニック＞", QColor(192, 192, 255), 2850},
}};

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A level or delay header: a boxed label in the controls' font.
QLabel* headerLabel(QWidget* parent, const QString& name, const QRect& geometry,
                    const QString& caption, const QColor& background) {
  QLabel* label =
      boxedLabel(parent, name, geometry, background, designFont(kPGothic, kControlPoints));
  label->setText(caption);
  return label;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QRect& geometry,
                 const QString& caption) {
  QGroupBox* box = captionedFrame(parent, name, geometry, designFont(kPGothic, kControlPoints));
  box->setTitle(caption);
  return box;
}

// A catalogue picture; a left click on it is its own event.
class ClickablePicture : public QLabel {
 public:
  ClickablePicture(QWidget* parent, std::function<void()> onClick)
      : QLabel(parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      onClick_();
    }
  }

 private:
  std::function<void()> onClick_;
};

// A delay list whose edit field takes typing but never applies it: only
// choosing an entry does, from the open list or with the arrow keys. Qt would
// otherwise choose the entry matching the edit text whenever editing ends (the
// field loses the focus, Return is pressed, the list opens), which applies
// typed text, and choose one on every turn of the mouse wheel, each with its
// own message box.
class DelayList : public QComboBox {
 public:
  explicit DelayList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  }

 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// The settings window frmSub: a view over SettingsModel.
class SettingsWindow : public QWidget {
 public:
  SettingsWindow(game::SharedValues& shared, const store::DataFolder& folder, game::Random& random,
                 game::Host& host)
      : QWidget(nullptr), model_(shared, folder, random, host) {
    setObjectName("frmSub");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    setWindowIcon(system::artIcon("button-start.ico"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setFont(designFont(kPGothic, kWindowPoints));

    buildDelayFrame();
    buildCatalogueFrame();
    buildRecordFrame();
    cmdModori_ = pictureButton(this, "cmdModori", twipsRect(7350, 3975, 1965, 990), "戻る",
                               "メイン画面に戻ります", "button-return.ico",
                               designFont(kPGothic, kControlPoints));
    arrangeTabOrder();
    connectHandlers();

    model_.Form_Load();
    showLoadedState();
  }

  // Shares the main window's left and bottom edges (outer frames).
  void placeAgainst(const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
      return;
    }
    const QRect main = mainWindow->frameGeometry();
    // Both windows carry the same decorations, so this one's frame exceeds
    // its client area by as much as the main window's does; that holds
    // before this window has been shown and its own frame is known.
    const int decorationHeight = main.height() - mainWindow->height();
    move(main.left(), main.top() + main.height() - (height() + decorationHeight));
  }

  void bringForward() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
  }

  void showWithFocus() {
    bringForward();
    cmdShow_->setFocus();
    // The focus is drawn from the start, not only after the first Tab.
    showFocusWhileTheKeyboardIsUsed(this);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  struct CellControls {
    QLabel* picture = nullptr;
    QLabel* name = nullptr;
  };

  void buildDelayFrame() {
    QGroupBox* frame2 = frame(this, "Frame2", twipsRect(150, 75, 7065, 765), "設定");
    headerLabel(frame2, "Label1_0", twipsRect(225, 300, 2190, 345), "コマが隠れる時間",
                QColor(255, 255, 192));
    cboHide_ = delayList(frame2, "cboHide", twipsRect(2475, 300, 915, 345),
                         "間違った時にコマを隠すまでの時間です");
    headerLabel(frame2, "Label1_1", twipsRect(3750, 300, 2190, 345), "コマが消える時間",
                QColor(192, 255, 255));
    cboDel_ = delayList(frame2, "cboDel", twipsRect(5925, 300, 915, 345),
                        "正解したときにコマを消すまでの時間です");
  }

  QComboBox* delayList(QWidget* parent, const QString& name, const QRect& geometry,
                       const QString& toolTip) {
    auto* list = placed(new DelayList(parent), name, geometry);
    list->setToolTip(toolTip);
    list->setFont(designFont(kPGothic, kControlPoints));
    return list;
  }

  void buildCatalogueFrame() {
    QGroupBox* frame1 = frame(this, "Frame1", twipsRect(150, 1050, 7065, 3915),
                              "コマ一覧　（ コマをクリックすると名前を表示します）");
    const QFont nameFont = system::outsideTextFont(kPGothic, kNamePoints);
    for (int k = 1; k <= game::kCatalogueCells; ++k) {
      const int column = (k - 1) % game::kCatalogueColumns;
      const int row = (k - 1) / game::kCatalogueColumns;
      const QString index = QString::number(k);
      const auto cell = static_cast<std::int16_t>(k);

      CellControls& controls = cells_[static_cast<std::size_t>(k - 1)];
      controls.picture = placed(
          new ClickablePicture(
              frame1, [this, cell] { runHandler([this, cell] { model_.imgKoma_Click(cell); }); }),
          "imgKoma_" + index,
          twipsRect(450 + kCellWidth * column, 450 + kCellHeight * row, 480, 480));
      controls.picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

      controls.name = iconNameLabel(
          frame1, "lblKoma_" + index,
          twipsRect(150 + kCellWidth * column, 975 + kCellHeight * row, 1095, 255), nameFont);
    }
    cmdShow_ = pictureButton(frame1, "cmdShow", twipsRect(5925, 450, 915, 990), "見せる",
                             "コマの名前を全部表示します", "button-show.ico",
                             designFont(kPGothic, kControlPoints));
    cmdHide_ = pictureButton(frame1, "cmdHide", twipsRect(5925, 2400, 915, 990), "隠す",
                             "コマの名前を全部隠します", "button-hide.ico",
                             designFont(kPGothic, kControlPoints));
  }

  void buildRecordFrame() {
    QGroupBox* frame3 = frame(this, "Frame3", twipsRect(7350, 75, 1965, 3765), "最高記録");
    for (std::size_t level = 0; level < kLevelHeaders.size(); ++level) {
      const LevelHeader& header = kLevelHeaders[level];
      headerLabel(frame3, "Label2_" + QString::number(level), twipsRect(150, header.top, 1665, 315),
                  header.text, header.background);
    }
    // The rows use the window's own font, not the frame's.
    const QFont rowFont = system::outsideTextFont(kPGothic, kWindowPoints);
    for (std::size_t i = 0; i < kRecordRowTops.size(); ++i) {
      const QString index = QString::number(i);
      auto* rowName = placed(new QLabel(i % 2 == 0 ? "ターン" : "タイム", frame3),
                             "Label3_" + index, twipsRect(225, kRecordRowTops[i], 690, 165));
      rowName->setFont(rowFont);
      rowName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      QLabel* record = placed(new QLabel(frame3), "lblKiroku_" + index,
                              twipsRect(900, kRecordRowTops[i], 915, 165));
      record->setTextFormat(Qt::PlainText);
      record->setFont(rowFont);
      record->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      lblKiroku_[i] = record;
    }
  }

  void arrangeTabOrder() {
    QWidget::setTabOrder(cmdShow_, cmdHide_);
    QWidget::setTabOrder(cmdHide_, cboHide_);
    QWidget::setTabOrder(cboHide_, cboDel_);
    QWidget::setTabOrder(cboDel_, cmdModori_);
  }

  void connectHandlers() {
    connect(cboHide_, &QComboBox::activated, this,
            [this](int index) { runHandler([this, index] { model_.cboHide_Click(index); }); });
    connect(cboDel_, &QComboBox::activated, this,
            [this](int index) { runHandler([this, index] { model_.cboDel_Click(index); }); });
    connect(cmdShow_, &QToolButton::clicked, this,
            [this] { runHandler([this] { model_.cmdShow_Click(); }); });
    connect(cmdHide_, &QToolButton::clicked, this,
            [this] { runHandler([this] { model_.cmdHide_Click(); }); });
    connect(cmdModori_, &QToolButton::clicked, this, [this] { close(); });
  }

  // Runs a handler of the model, reporting a failed data file, and redraws.
  void runHandler(const std::function<void()>& handler) {
    system::runReportingFileErrors(handler);
    renderNames();
  }

  // What the load put in the model; nothing of it changes afterwards but the
  // names' visibility and what the delay lists show of their own.
  void showLoadedState() {
    for (std::size_t i = 0; i < lblKiroku_.size(); ++i) {
      lblKiroku_[i]->setText(text(model_.lblKiroku()[i]));
    }
    for (int k = 1; k <= game::kCatalogueCells; ++k) {
      const game::CatalogueCell& cell = model_.cell(k);
      CellControls& controls = cells_[static_cast<std::size_t>(k - 1)];
      controls.name->setText(text(store::shownFileName(cell.name)));
      if (!cell.picture.empty()) {
        controls.picture->setPixmap(system::loadIconPicture(cell.picture, devicePixelRatioF()));
      }
    }
    fillDelayList(cboHide_, model_.cboHideText());
    fillDelayList(cboDel_, model_.cboDelText());
    renderNames();
  }

  // The entries, and the delay in the edit field with no entry selected.
  void fillDelayList(QComboBox* list, const std::string& shown) {
    for (const std::string& entry : model_.delayList()) {
      list->addItem(text(entry));
    }
    list->setCurrentIndex(-1);
    list->setEditText(text(shown));
  }

  // A picture is named for screen readers with its icon's name only while
  // that name is shown.
  void renderNames() {
    for (int k = 1; k <= game::kCatalogueCells; ++k) {
      const game::CatalogueCell& cell = model_.cell(k);
      CellControls& controls = cells_[static_cast<std::size_t>(k - 1)];
      controls.name->setVisible(cell.nameVisible);
      setAccessibleNameIfChanged(
          controls.picture, cell.nameVisible ? cellPlace(k - 1, game::kCatalogueColumns) + " " +
                                                   text(store::shownFileName(cell.name))
                                             : cellPlace(k - 1, game::kCatalogueColumns));
    }
  }

  game::SettingsModel model_;
  QComboBox* cboHide_ = nullptr;
  QComboBox* cboDel_ = nullptr;
  QToolButton* cmdShow_ = nullptr;
  QToolButton* cmdHide_ = nullptr;
  QToolButton* cmdModori_ = nullptr;
  std::array<CellControls, game::kCatalogueCells> cells_{};
  std::array<QLabel*, game::kRecordRows> lblKiroku_{};
};

// The window while it is open; it deletes itself when closed.
QPointer<SettingsWindow> openWindow;

}  // namespace

QWidget* showSettingsWindow(QWidget* mainWindow, game::SharedValues& shared,
                            const store::DataFolder& folder, game::Random& random,
                            game::Host& host) {
  if (openWindow != nullptr) {
    openWindow->bringForward();
    return openWindow;
  }
  openWindow = new SettingsWindow(shared, folder, random, host);
  system::keepAbove(openWindow, mainWindow);
  // F1 opens the help here too, as the main window's help button does.
  if (auto* help = mainWindow ? mainWindow->findChild<QToolButton*>("cmdHelp") : nullptr) {
    QObject::connect(new QShortcut(Qt::Key_F1, openWindow), &QShortcut::activated, help,
                     &QToolButton::click);
  }
  openWindow->placeAgainst(mainWindow);
  openWindow->showWithFocus();
  return openWindow;
}

}  // namespace polkamina::ui
