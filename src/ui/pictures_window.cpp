#include "ui/pictures_window.h"

#include <QCoreApplication>
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

const char* const kCaption = QT_TRANSLATE_NOOP("PicturesWindow", "絵の管理");
const char* const kPictureFilter = QT_TRANSLATE_NOOP(
    "PicturesWindow", "絵 (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;すべてのファイル (*)");

QString shown(const std::string& nameBytes) {
  return QString::fromStdString(store::shownFileName(nameBytes));
}

std::string caption() {
  return QCoreApplication::translate("PicturesWindow", kCaption).toStdString();
}

void tell(const std::string& text) {
  system::showMessageBox(text, caption(), MessageIcon::Exclamation, MessageButtons::Ok);
}

void tell(const QString& text) { tell(text.toStdString()); }

bool confirm(const QString& text) {
  return system::showMessageBox(text.toStdString(), caption(), MessageIcon::Information,
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
  Q_DECLARE_TR_FUNCTIONS(PicturesWindow)

 public:
  PicturesWindow(const std::filesystem::path& gameFolder, std::function<bool()> gameRunning)
      : library_(gameFolder), gameFolder_(gameFolder), gameRunning_(std::move(gameRunning)) {
    setObjectName("frmPictures");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(kCaption));
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
    auto* setsLabel = new QLabel(tr("絵のセット(&T)"), this);
    setsLabel->setBuddy(sets_);
    picturesLabel_ = new QLabel(this);
    picturesLabel_->setBuddy(grid_);

    makeSet_ = button(this, "cmdMakeSet", tr("新しいセット(&N)…"), tr("新しいセットを作る"));
    renameSet_ = button(this, "cmdRenameSet", tr("名前(&R)…"), tr("セットの名前を変える"));
    deleteSet_ = button(this, "cmdDeleteSet", tr("消す(&D)…"), tr("セットを消す"));
    import_ = button(this, "cmdImport", tr("取り込む(&I)…"), tr("絵を取り込む"));
    renamePicture_ = button(this, "cmdRenamePicture", tr("名前(&A)…"), tr("絵の名前を変える"));
    movePicture_ = button(this, "cmdMovePicture", tr("移す(&M)…"), tr("絵を別のセットへ移す"));
    deletePicture_ = button(this, "cmdDeletePicture", tr("消す(&E)…"), tr("絵を消す"));
    useSet_ = button(this, "cmdUseSet", tr("このセットを使う(&U)"), tr("このセットを使う"));
    close_ = button(this, "cmdClose", tr("閉じる(&C)"), tr("閉じる"));
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("セットの状態"));

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
    picturesLabel_->setText(tr("セットの絵(&P) ― %1").arg(QString::fromStdString(set.label())));
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
    status_->setText(statusText(set));
  }

  QString statusText(const PictureSet& set) const {
    if (set.inUse) {
      return tr(
          "ゲームが使っている絵です。変えるには、ほかのセットを選んで「このセットを使う」を押し"
          "ます。");
    }
    if (!set.playable()) {
      return tr("使えるのは絵がちょうど %1 枚のセットです。").arg(icons::kIconCount);
    }
    if (gameRunning_()) return tr("ゲームの途中では切り替えられません。");
    return tr("このセットを使うと、ゲームは始め直します。今の絵はセットとして残ります。");
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
    const auto name = askName(tr("新しいセット"), tr("セットの名前:"), QString(),
                              [this](const std::string& n) { return library_.refusedSetName(n); });
    if (!name) return;
    const Failure failure = library_.makeSet(*name);
    if (!failure) selectedName_ = *name;
    done(failure);
  }

  void renameSet() {
    const std::string from = selected().name;
    const auto name = askName(tr("セットの名前"), tr("新しい名前:"), shown(from),
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
    if (!confirm(tr("セット「%1」と、その %2 枚の絵を消します。よろしいですか？")
                     .arg(shown(set.name))
                     .arg(set.files.size()))) {
      return;
    }
    done(library_.deleteSet(set.name));
  }

  // ---- the pictures ----

  void chooseFilesToImport() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("取り込む絵"), QString(), tr(kPictureFilter));
    importFiles(paths);
  }

  void importFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    const PictureSet set = selected();
    if (set.inUse) {
      tell(tr("取り込む先のセットを選んでください。使用中の絵は切り替えでだけ変わります。"));
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
      tell(
          tr("「%1」は取り込めません。\n%2").arg(file.fileName(), QString::fromStdString(*reason)));
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
      tell(tr("「%1」をアイコンにできませんでした。").arg(file.fileName()));
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
    const auto name = askName(tr("絵の名前"), tr("新しい名前:"), shown(old),
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
      tell(tr("移す先のセットがありません。先に「新しいセット」で作ってください。"));
      return;
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, tr("別のセットへ移す"),
                                                 tr("移す先のセット:"), names, 0, false, &ok);
    if (!ok) return;
    done(library_.movePicture(from, *grid_->selectedFile(),
                              targets[std::size_t(names.indexOf(chosen))]));
  }

  void deletePicture() {
    const std::string file = *grid_->selectedFile();
    if (!confirm(tr("絵「%1」を消します。よろしいですか？").arg(shown(icons::iconName(file))))) {
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
    if (!confirm(tr("セット「%"
                    "1」の絵でゲームを始め直します。今の絵はセットとして残ります。よろしいですか？")
                     .arg(shown(set.name)))) {
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
