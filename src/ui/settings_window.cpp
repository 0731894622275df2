#include "ui/settings_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>
#include <array>
#include <functional>

#include "game/settings_model.h"
#include "ui/captioned_frame.h"
#include "ui/catalogue_picture.h"
#include "ui/delay_list.h"
#include "ui/design.h"
#include "ui/focus_visibility.h"
#include "ui/icon_name_label.h"
#include "ui/input_watcher.h"
#include "ui/picture_button.h"
#include "ui/shown_text.h"
#include "ui/system/accessible_roles.h"
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

const char* const kCaption = QT_TRANSLATE_NOOP("SettingsWindow", "設定");
constexpr int kClientHeight = 5055;

// Tops of the record rows Label3(i) and lblKiroku(i) inside Frame3, in twips.
constexpr std::array kRecordRowTops = {750, 975, 1575, 1800, 2400, 2625, 3225, 3450};
static_assert(kRecordRowTops.size() == game::kRecordRows, "a turn row and a time row per level");

// The level headers Label2(L) with their colours and tops, Easy to Panic.
struct LevelHeader {
  const char* text;
  QColor background;
  int top;
};
constexpr std::array kLevelHeaders = {
    LevelHeader{QT_TRANSLATE_NOOP("SettingsWindow", "＜イージー＞"), design::kPeach, 375},
    LevelHeader{QT_TRANSLATE_NOOP("SettingsWindow", "＜ノーマル＞"), design::kPaleYellow, 1200},
    LevelHeader{QT_TRANSLATE_NOOP("SettingsWindow", "＜ハード＞"), design::kPaleCyan, 2025},
    LevelHeader{QT_TRANSLATE_NOOP("SettingsWindow", "＜パニック＞"), design::kLavender, 2850},
};
static_assert(kLevelHeaders.size() == store::kLevelCount, "a header per level");

QFont controlFont() { return designFont(kPGothic, design::kControlPoints); }

// A level or delay header: a boxed label in the controls' font.
QLabel* headerLabel(QWidget* parent, const QString& name, const QRect& geometry,
                    const QString& caption, const QColor& background) {
  QLabel* label = boxedLabel(parent, name, geometry, background, controlFont());
  label->setText(caption);
  return label;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QRect& geometry,
                 const QString& caption) {
  auto* box = placed(new CaptionedFrame(parent), name, geometry);
  box->setFont(controlFont());
  box->setTitle(caption);
  return box;
}

// The settings window frmSub: a view over SettingsModel.
class SettingsWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(SettingsWindow)

 public:
  SettingsWindow(game::SharedValues& shared, const store::DataFolder& folder, game::Random& random,
                 game::Host& host)
      : QWidget(nullptr), input_(new InputWatcher(this)), model_(shared, folder, random, host) {
    setObjectName("frmSub");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(kCaption));
    setWindowIcon(system::windowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(design::kClientWidth), twipsToPixels(kClientHeight));
    setFont(designFont(kPGothic, design::kWindowPoints));

    // A picture is pressed as a button is, and then tells its new name.
    system::useAccessibleRole(CataloguePicture::staticMetaObject.className(), QAccessible::Button);
    buildDelayFrame();
    buildCatalogueFrame();
    buildRecordFrame();
    cmdModori_ = pictureButton(this, "cmdModori", twipsRect(7350, 3975, 1965, 990), tr("戻る"),
                               tr("メイン画面に戻ります"), "button-return", controlFont());
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
    showFocusWhileTheKeyboardIsUsed(this, input_);
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
    CataloguePicture* picture = nullptr;
    QLabel* name = nullptr;
  };

  void buildDelayFrame() {
    QGroupBox* frame2 = frame(this, "Frame2", twipsRect(150, 75, 7065, 765), tr("設定"));
    QLabel* hideLabel = headerLabel(frame2, "Label1_0", twipsRect(225, 300, 2190, 345),
                                    tr("コマが隠れる時間"), design::kPaleYellow);
    cboHide_ = delayList(frame2, "cboHide", twipsRect(2475, 300, 915, 345),
                         tr("間違った時にコマを隠すまでの時間です"));
    QLabel* eraseLabel = headerLabel(frame2, "Label1_1", twipsRect(3750, 300, 2190, 345),
                                     tr("コマが消える時間"), design::kPaleCyan);
    cboDel_ = delayList(frame2, "cboDel", twipsRect(5925, 300, 915, 345),
                        tr("正解したときにコマを消すまでの時間です"));
    // Screen readers name each list by its header.
    hideLabel->setBuddy(cboHide_);
    eraseLabel->setBuddy(cboDel_);
  }

  DelayList* delayList(QWidget* parent, const QString& name, const QRect& geometry,
                       const QString& toolTip) {
    auto* list = placed(new DelayList(parent), name, geometry);
    list->setToolTip(toolTip);
    list->setFont(controlFont());
    return list;
  }

  void buildCatalogueFrame() {
    QGroupBox* frame1 = frame(this, "Frame1", twipsRect(150, 1050, 7065, 3915),
                              tr("コマ一覧　（ コマをクリックすると名前を表示します）"));
    const QFont nameFont = system::outsideTextFont(kPGothic, design::kNamePoints);
    auto* ring = new FocusRing(frame1);
    for (int k = 1; k <= game::kCatalogueCells; ++k) {
      const int left = design::kCellWidth * ((k - 1) % game::kCatalogueColumns);
      const int top = design::kCellHeight * ((k - 1) / game::kCatalogueColumns);
      const QString index = QString::number(k);

      CellControls& controls = cells_[static_cast<std::size_t>(k - 1)];
      controls.picture =
          placed(new CataloguePicture(frame1), "imgKoma_" + index,
                 twipsRect(450 + left, 450 + top, design::kPictureSide, design::kPictureSide));
      controls.picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      ring->watch(controls.picture);
      connect(controls.picture, &CataloguePicture::clicked, this, [this, k] {
        runHandler([this, k] { model_.imgKoma_Click(static_cast<std::int16_t>(k)); });
      });
      connect(controls.picture, &CataloguePicture::boardKeyPressed, this,
              [this, k](BoardDirection direction) {
                focusPicture(catalogueCellInDirection(k - 1, direction, game::kCatalogueCells,
                                                      game::kCatalogueColumns));
              });
      connect(controls.picture, &CataloguePicture::focused, this,
              [this, k] { takePictureTabStop(k - 1); });

      controls.name = iconNameLabel(
          frame1, "lblKoma_" + index,
          twipsRect(150 + left, 975 + top, design::kNameWidth, design::kNameHeight), nameFont);
    }
    cmdShow_ = pictureButton(frame1, "cmdShow", twipsRect(5925, 450, 915, 990), tr("見せる"),
                             tr("コマの名前を全部表示します"), "button-show", controlFont());
    cmdHide_ = pictureButton(frame1, "cmdHide", twipsRect(5925, 2400, 915, 990), tr("隠す"),
                             tr("コマの名前を全部隠します"), "button-hide", controlFont());
  }

  void buildRecordFrame() {
    QGroupBox* frame3 = frame(this, "Frame3", twipsRect(7350, 75, 1965, 3765), tr("最高記録"));
    for (std::size_t level = 0; level < kLevelHeaders.size(); ++level) {
      const LevelHeader& header = kLevelHeaders[level];
      headerLabel(frame3, "Label2_" + QString::number(level), twipsRect(150, header.top, 1665, 315),
                  tr(header.text), header.background);
    }
    // The rows use the window's own font, not the frame's.
    const QFont rowFont = system::outsideTextFont(kPGothic, design::kWindowPoints);
    for (std::size_t i = 0; i < kRecordRowTops.size(); ++i) {
      const QString index = QString::number(i);
      auto* rowName = placed(new QLabel(i % 2 == 0 ? tr("ターン") : tr("タイム"), frame3),
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

  // The catalogue is one stop of the tab order, on the picture that last
  // held the focus; the board keys move over it.
  void arrangeTabOrder() {
    QWidget::setTabOrder(cmdShow_, cmdHide_);
    QWidget* previous = cmdHide_;
    for (const CellControls& controls : cells_) {
      QWidget::setTabOrder(previous, controls.picture);
      previous = controls.picture;
    }
    takePictureTabStop(0);
    QWidget::setTabOrder(previous, cboHide_);
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

  void focusPicture(int cell) {
    cells_[static_cast<std::size_t>(cell)].picture->setFocus(Qt::OtherFocusReason);
  }

  void takePictureTabStop(int cell) {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      cells_[i].picture->setFocusPolicy(static_cast<int>(i) == cell ? Qt::StrongFocus
                                                                    : Qt::ClickFocus);
    }
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
      controls.name->setText(shownName(cell.name));
      if (!cell.picture.empty()) {
        controls.picture->setPixmap(system::loadIconPicture(cell.picture, devicePixelRatioF()));
      }
    }
    QStringList delays;
    for (const std::string& entry : model_.delayList()) delays << text(entry);
    cboHide_->showDelays(delays, text(model_.cboHideText()));
    cboDel_->showDelays(delays, text(model_.cboDelText()));
    renderNames();
  }

  // A picture is named for screen readers with its icon's name only while
  // that name is shown.
  void renderNames() {
    for (int k = 1; k <= game::kCatalogueCells; ++k) {
      const game::CatalogueCell& cell = model_.cell(k);
      CellControls& controls = cells_[static_cast<std::size_t>(k - 1)];
      controls.name->setVisible(cell.nameVisible);
      const QString place = cellPlace(k - 1, game::kCatalogueColumns);
      setAccessibleNameIfChanged(controls.picture,
                                 cell.nameVisible ? place + " " + shownName(cell.name) : place);
    }
  }

  InputWatcher* input_;
  game::SettingsModel model_;
  DelayList* cboHide_ = nullptr;
  DelayList* cboDel_ = nullptr;
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
