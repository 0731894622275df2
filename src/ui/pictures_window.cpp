#include "ui/pictures_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <variant>

#include "icons/icon_set.h"
#include "pictures/picture_library.h"
#include "pictures/set_switch.h"
#include "store/text.h"
#include "ui/import_dialog.h"
#include "ui/picture_grid.h"
#include "ui/picture_set_list.h"
#include "ui/system/accessible_roles.h"
#include "ui/system/art.h"
#include "ui/system/message_box.h"
#include "ui/system/picture_import.h"
#include "ui/system/restart.h"
#include "ui/system/window_owner.h"

namespace polkamina::ui {

namespace {

using game::MessageAnswer;
using game::MessageButtons;
using game::MessageIcon;
using pictures::Failure;
using pictures::PictureSet;

const char* const kCaption = "絵の管理";
const char* const kPictureFilter =
    "絵 (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;すべてのファイル (*)";

QString shown(const std::string& nameBytes) {
  return QString::fromStdString(store::shownFileName(nameBytes));
}

void tell(const std::string& text) {
  system::showMessageBox(text, kCaption, MessageIcon::Exclamation, MessageButtons::Ok);
}

bool confirm(const std::string& text) {
  return system::showMessageBox(text, kCaption, MessageIcon::Information,
                                MessageButtons::OkCancel) == MessageAnswer::Ok;
}

// A button whose short caption stands under the list it acts on; a screen
// reader tells its whole name.
QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& accessibleName) {
  auto* created = new QPushButton(text, parent);
  created->setObjectName(name);
  created->setAccessibleName(accessibleName);
  created->setAutoDefault(false);
  return created;
}

// The pictures window 絵の管理: a view over the game folder's picture sets,
// composed of the set list, the picture grid and the import dialog. Each
// button runs one action of the library (or the switch) and shows the sets
// as they are afterwards, with the reason of a refusal.
class PicturesWindow : public QWidget {
 public:
  PicturesWindow(const std::filesystem::path& gameFolder, std::function<bool()> gameRunning)
      : library_(gameFolder), gameFolder_(gameFolder), gameRunning_(std::move(gameRunning)) {
    setObjectName("frmPictures");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    setWindowIcon(system::windowIcon());
    setAcceptDrops(true);
    system::useAccessibleRoles();
    build();
    connectActions();
    refresh();
  }

 protected:
  void changeEvent(QEvent* event) override {
    // Files changed by hand and a game started or ended show when the
    // window comes back to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
    QWidget::changeEvent(event);
  }

  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
  }

  void dropEvent(QDropEvent* event) override {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
      if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    importFiles(paths);
  }

 private:
  void build() {
    sets_ = new PictureSetList(this);
    grid_ = new PictureGrid(this);
    auto* setsLabel = new QLabel("絵のセット(&T)", this);
    setsLabel->setBuddy(sets_);
    picturesLabel_ = new QLabel(this);
    picturesLabel_->setBuddy(grid_);

    makeSet_ = button(this, "cmdMakeSet", "新しいセット(&N)…", "新しいセットを作る");
    renameSet_ = button(this, "cmdRenameSet", "名前(&R)…", "セットの名前を変える");
    deleteSet_ = button(this, "cmdDeleteSet", "消す(&D)…", "セットを消す");
    import_ = button(this, "cmdImport", "取り込む(&I)…", "絵を取り込む");
    renamePicture_ = button(this, "cmdRenamePicture", "名前(&A)…", "絵の名前を変える");
    movePicture_ = button(this, "cmdMovePicture", "移す(&M)…", "絵を別のセットへ移す");
    deletePicture_ = button(this, "cmdDeletePicture", "消す(&E)…", "絵を消す");
    useSet_ = button(this, "cmdUseSet", "このセットを使う(&U)", "このセットを使う");
    close_ = button(this, "cmdClose", "閉じる(&C)", "閉じる");
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setAccessibleName("セットの状態");

    auto* setButtons = new QHBoxLayout;
    for (QPushButton* each : {makeSet_, renameSet_, deleteSet_}) setButtons->addWidget(each);
    auto* pictureButtons = new QHBoxLayout;
    for (QPushButton* each : {import_, renamePicture_, movePicture_, deletePicture_}) {
      pictureButtons->addWidget(each);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(useSet_);
    bottom->addWidget(close_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(setsLabel, 0, 0);
    grid->addWidget(picturesLabel_, 0, 1);
    grid->addWidget(sets_, 1, 0);
    grid->addWidget(grid_, 1, 1);
    grid->addLayout(setButtons, 2, 0);
    grid->addLayout(pictureButtons, 2, 1);
    grid->addLayout(bottom, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    QWidget* previous = sets_;
    for (QWidget* next : std::initializer_list<QWidget*>{grid_, makeSet_, renameSet_, deleteSet_,
                                                         import_, renamePicture_, movePicture_,
                                                         deletePicture_, useSet_, close_}) {
      setTabOrder(previous, next);
      previous = next;
    }
  }

  void connectActions() {
    connect(sets_, &QListWidget::currentRowChanged, this, [this] { showSelectedSet(); });
    connect(grid_, &QListWidget::currentRowChanged, this, [this] { enableButtons(); });
    connect(makeSet_, &QPushButton::clicked, this, [this] { makeSet(); });
    connect(renameSet_, &QPushButton::clicked, this, [this] { renameSet(); });
    connect(deleteSet_, &QPushButton::clicked, this, [this] { deleteSet(); });
    connect(import_, &QPushButton::clicked, this, [this] { chooseFilesToImport(); });
    connect(renamePicture_, &QPushButton::clicked, this, [this] { renamePicture(); });
    connect(movePicture_, &QPushButton::clicked, this, [this] { movePicture(); });
    connect(deletePicture_, &QPushButton::clicked, this, [this] { deletePicture(); });
    connect(useSet_, &QPushButton::clicked, this, [this] { useSet(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
  }

  // ---- what the window shows ----

  void refresh() {
    all_ = library_.sets();
    sets_->showSets(all_, selectedName_);
    showSelectedSet();
  }

  const PictureSet& selected() const { return all_[std::size_t(sets_->selectedSet())]; }

  void showSelectedSet() {
    const PictureSet& set = selected();
    selectedName_ = set.inUse ? std::string() : set.name;
    const std::string file = grid_->selectedFile().value_or("");
    grid_->showPictures(set.inUse ? gameFolder_ : library_.setFolder(set.name), set.files, file);
    picturesLabel_->setText("セットの絵(&P) ― " + QString::fromStdString(set.label()));
    enableButtons();
  }

  void enableButtons() {
    const PictureSet& set = selected();
    const bool own = !set.inUse;
    const bool picture = own && grid_->selectedFile().has_value();
    for (QPushButton* each : {renameSet_, deleteSet_, import_}) each->setEnabled(own);
    for (QPushButton* each : {renamePicture_, movePicture_, deletePicture_}) {
      each->setEnabled(picture);
    }
    useSet_->setEnabled(set.usable(gameRunning_()));
    status_->setText(QString::fromStdString(statusText(set)));
  }

  std::string statusText(const PictureSet& set) const {
    if (set.inUse) {
      return "ゲームが使っている絵です。変えるには、ほかのセットを選んで「このセットを使う」を押し"
             "ます。";
    }
    if (!set.playable()) {
      return "使えるのは絵がちょうど " + std::to_string(icons::kIconCount) + " 枚のセットです。";
    }
    if (gameRunning_()) return "ゲームの途中では切り替えられません。";
    return "このセットを使うと、ゲームは始め直します。今の絵はセットとして残ります。";
  }

  // ---- asking ----

  // A name from the player, asked again with the reason while `refused`
  // gives one; nothing if the player cancels.
  std::optional<std::string> askName(const QString& title, const QString& label, QString text,
                                     const std::function<Failure(const std::string&)>& refused) {
    for (;;) {
      bool ok = false;
      text = QInputDialog::getText(this, title, label, QLineEdit::Normal, text, &ok);
      if (!ok) return std::nullopt;
      const std::string name = text.toStdString();
      const Failure reason = refused(name);
      if (!reason) return name;
      tell(*reason);
    }
  }

  // Shows what failed, if anything, and the sets as they are now.
  void done(const Failure& failure) {
    if (failure) tell(*failure);
    refresh();
  }

  // ---- the sets ----

  void makeSet() {
    const auto name = askName("新しいセット", "セットの名前:", QString(),
                              [this](const std::string& n) { return library_.refusedSetName(n); });
    if (!name) return;
    const Failure failure = library_.makeSet(*name);
    if (!failure) selectedName_ = *name;
    done(failure);
  }

  void renameSet() {
    const std::string from = selected().name;
    const auto name = askName("セットの名前", "新しい名前:", shown(from),
                              [this, &from](const std::string& n) -> Failure {
                                if (store::equalsIgnoringAsciiCase(n, from)) return std::nullopt;
                                return library_.refusedSetName(n);
                              });
    if (!name || *name == from) return;
    const Failure failure = library_.renameSet(from, *name);
    if (!failure) selectedName_ = *name;
    done(failure);
  }

  void deleteSet() {
    const PictureSet& set = selected();
    if (!confirm("セット「" + store::shownFileName(set.name) + "」と、その " +
                 std::to_string(set.files.size()) + " 枚の絵を消します。よろしいですか？")) {
      return;
    }
    done(library_.deleteSet(set.name));
  }

  // ---- the pictures ----

  void chooseFilesToImport() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, "取り込む絵", QString(), kPictureFilter);
    importFiles(paths);
  }

  void importFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    const PictureSet set = selected();
    if (set.inUse) {
      tell("取り込む先のセットを選んでください。使用中の絵は切り替えでだけ変わります。");
      return;
    }
    for (const QString& path : paths) {
      const bool goOn = importFile(set.name, path);
      refresh();
      if (!goOn) break;
    }
  }

  // Imports one picture; false when the player stops the import.
  bool importFile(const std::string& set, const QString& path) {
    const QFileInfo file(path);
    const auto picture = system::readPictureToImport(std::filesystem::path(path.toStdString()));
    if (const auto* reason = std::get_if<std::string>(&picture)) {
      tell("「" + file.fileName().toStdString() + "」は取り込めません。\n" + *reason);
      return true;
    }
    const QImage& image = std::get<QImage>(picture);
    const ImportChoice choice = askHowToImport(
        this, image, file.fileName(), file.completeBaseName(),
        [this, &set](const std::string& name) { return library_.refusedPictureName(set, name); });
    if (choice.answer != ImportChoice::Answer::Import) {
      return choice.answer == ImportChoice::Answer::Skip;
    }
    const QByteArray bytes = system::iconFileBytes(image, choice.square);
    if (bytes.isEmpty()) {
      tell("「" + file.fileName().toStdString() + "」をアイコンにできませんでした。");
      return true;
    }
    if (const Failure failure = library_.addPicture(set, choice.name, bytes.toStdString())) {
      tell(*failure);
    }
    return true;
  }

  void renamePicture() {
    const std::string set = selected().name;
    const std::string file = *grid_->selectedFile();
    const std::string old = icons::iconName(file);
    const auto name = askName("絵の名前", "新しい名前:", shown(old),
                              [this, &set, &old](const std::string& n) -> Failure {
                                if (store::equalsIgnoringAsciiCase(n, old)) return std::nullopt;
                                return library_.refusedPictureName(set, n);
                              });
    if (!name || *name == old) return;
    done(library_.renamePicture(set, file, *name));
  }

  void movePicture() {
    const std::string from = selected().name;
    QStringList names;
    std::vector<std::string> targets;
    for (const PictureSet& set : all_) {
      if (set.inUse || set.name == from) continue;
      names.append(QString::fromStdString(set.label()));
      targets.push_back(set.name);
    }
    if (targets.empty()) {
      tell("移す先のセットがありません。先に「新しいセット」で作ってください。");
      return;
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, "別のセットへ移す", "移す先のセット:", names, 0, false, &ok);
    if (!ok) return;
    done(library_.movePicture(from, *grid_->selectedFile(),
                              targets[std::size_t(names.indexOf(chosen))]));
  }

  void deletePicture() {
    const std::string file = *grid_->selectedFile();
    if (!confirm("絵「" + store::shownFileName(icons::iconName(file)) +
                 "」を消します。よろしいですか？")) {
      return;
    }
    done(library_.deletePicture(selected().name, file));
  }

  // ---- the switch ----

  void useSet() {
    const PictureSet set = selected();
    if (!set.usable(gameRunning_())) {
      done(std::nullopt);
      return;
    }
    if (!confirm("セット「" + store::shownFileName(set.name) +
                 "」の絵でゲームを始め直します。今の絵はセットとして残ります。よろしいですか？")) {
      return;
    }
    if (const Failure failure = pictures::useSet(gameFolder_, set.name)) {
      done(failure);
      return;
    }
    system::requestRestart();
  }

  pictures::PictureLibrary library_;
  std::filesystem::path gameFolder_;
  std::function<bool()> gameRunning_;
  std::vector<PictureSet> all_;  // the sets shown
  std::string selectedName_;     // the selected set's name; empty for the set in use

  PictureSetList* sets_ = nullptr;
  PictureGrid* grid_ = nullptr;
  QLabel* picturesLabel_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* makeSet_ = nullptr;
  QPushButton* renameSet_ = nullptr;
  QPushButton* deleteSet_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* renamePicture_ = nullptr;
  QPushButton* movePicture_ = nullptr;
  QPushButton* deletePicture_ = nullptr;
  QPushButton* useSet_ = nullptr;
  QPushButton* close_ = nullptr;
};

QPointer<PicturesWindow>& openWindow() {
  static QPointer<PicturesWindow> window;
  return window;
}

}  // namespace

QWidget* showPicturesWindow(QWidget* mainWindow, const std::filesystem::path& gameFolder,
                            std::function<bool()> gameRunning) {
  QPointer<PicturesWindow>& window = openWindow();
  if (!window) {
    window = new PicturesWindow(gameFolder, std::move(gameRunning));
    system::keepAbove(window, mainWindow);
  }
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace polkamina::ui
