#include "ui/pictures_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "support/temp_folder.h"
#include "ui/square_picker.h"
#include "ui/system/restart.h"
#include "ui_test_support.h"

namespace polkamina::ui {
namespace {

namespace fs = std::filesystem;

class PicturesWindowTest : public ::testing::Test {
 protected:
  PicturesWindowTest() {
    uitest::application();
    fill(temp_.path(), "in-use", 20, Qt::red);
    fill(temp_.path() / "絵" / "full", "full", 20, Qt::blue);
    fill(temp_.path() / "絵" / "few", "few", 3, Qt::green);
  }
  ~PicturesWindowTest() override { delete window_; }

  static void fill(const fs::path& folder, const std::string& prefix, int count, QColor colour) {
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
      const fs::path file = folder / (prefix + std::to_string(i) + ".ico");
      uitest::writeFile(QString::fromStdString(file.string()), uitest::icoFile(32, colour));
    }
  }

  void open() {
    window_ = showPicturesWindow(nullptr, temp_.path(), [this] { return running_; });
  }
  template <typename T>
  T* find(const char* name) {
    return window_->findChild<T*>(name);
  }
  void select(int row) { find<QListWidget>("setList")->setCurrentRow(row); }

  testsupport::TempFolder temp_;
  bool running_ = false;
  QWidget* window_ = nullptr;
};

TEST_F(PicturesWindowTest, ListsTheSetsAndOffersOnlyAPlayableSetWhileNoGameRuns) {
  open();
  auto* sets = find<QListWidget>("setList");
  ASSERT_EQ(sets->count(), 3);
  EXPECT_EQ(sets->item(0)->text(), "使用中の絵 ― 20 枚、遊べます");
  EXPECT_EQ(sets->item(1)->text(), "few ― 3 枚、あと 17 枚で遊べます");
  EXPECT_EQ(sets->item(2)->text(), "full ― 20 枚、遊べます");
  EXPECT_EQ(find<QListWidget>("pictureList")->count(), 20);

  auto* use = find<QPushButton>("cmdUseSet");
  EXPECT_FALSE(use->isEnabled());
  EXPECT_FALSE(find<QPushButton>("cmdImport")->isEnabled())
      << "the set in use changes by switching";
  select(1);
  EXPECT_FALSE(use->isEnabled());
  EXPECT_EQ(find<QListWidget>("pictureList")->count(), 3);
  select(2);
  EXPECT_TRUE(use->isEnabled());
  EXPECT_TRUE(find<QPushButton>("cmdImport")->isEnabled());
  running_ = true;
  select(1);
  select(2);
  EXPECT_FALSE(use->isEnabled());
  EXPECT_EQ(find<QLabel>("lblStatus")->text(), "ゲームの途中では切り替えられません。");

  // Every control a screen reader meets tells what it is.
  for (QWidget* control : window_->findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window_)) continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
        << control->objectName().toStdString();
  }
}

TEST_F(PicturesWindowTest, DroppedPicturesAreImportedUnderANameWindowsCanStore) {
  open();
  select(1);
  QImage picture(90, 60, QImage::Format_RGB32);
  picture.fill(Qt::yellow);
  const QString folder = QString::fromStdString(temp_.path().string());
  ASSERT_TRUE(picture.save(folder + "/photo.png", "PNG"));
  uitest::writeFile(folder + "/notes.png", "not a picture");

  QMimeData data;
  data.setUrls(
      {QUrl::fromLocalFile(folder + "/photo.png"), QUrl::fromLocalFile(folder + "/notes.png")});
  // A drop reaches the widget that accepted the drag's entry.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window_, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  uitest::MessageBoxAnswerer answerer;
  uitest::withModalWindow([&] { QCoreApplication::sendEvent(window_, &drop); },
                          [](QWidget* dialog) {
                            auto* name = dialog->findChild<QLineEdit*>();
                            ASSERT_NE(name, nullptr);
                            EXPECT_EQ(name->text(), "photo");
                            QPushButton* import = nullptr;
                            for (auto* button : dialog->findChildren<QPushButton*>()) {
                              if (button->text().startsWith("取り込む")) import = button;
                            }
                            ASSERT_NE(import, nullptr);
                            name->setText("few0");
                            EXPECT_FALSE(import->isEnabled()) << "taken in this set";
                            name->setText("a|b");
                            EXPECT_FALSE(import->isEnabled());
                            // The square starts in the middle and tells where the keys move it.
                            auto* picker = dialog->findChild<SquarePicker*>();
                            ASSERT_NE(picker, nullptr);
                            EXPECT_EQ(picker->square(), QRect(15, 0, 60, 60));
                            QTest::keyClick(picker, Qt::Key_Left, Qt::ShiftModifier);
                            EXPECT_EQ(picker->square(), QRect(0, 0, 60, 60));
                            EXPECT_TRUE(picker->accessibleDescription().startsWith(
                                "正方形は左から 0%、上から 0% のところです。"));
                            name->setText("ひよこ");
                            EXPECT_TRUE(import->isEnabled());
                            import->click();
                          });
  EXPECT_TRUE(fs::exists(temp_.path() / "絵" / "few" / "ひよこ.ico"));
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].startsWith("「notes.png」は取り込めません。"))
      << answerer.texts[0].toStdString();
  EXPECT_EQ(find<QListWidget>("pictureList")->count(), 4);
}

TEST_F(PicturesWindowTest, UsingASetSwitchesThePicturesAndRestartsTheGame) {
  open();
  select(2);
  uitest::MessageBoxAnswerer answerer;
  QTimer::singleShot(0, find<QPushButton>("cmdUseSet"), &QPushButton::click);
  QTimer::singleShot(10000, [] { QCoreApplication::exit(-1); });
  EXPECT_EQ(QCoreApplication::exec(), system::kRestartStatus);
  EXPECT_EQ(answerer.captions, QStringList{"絵の管理"});
  EXPECT_TRUE(fs::exists(temp_.path() / "full0.ico"));
  EXPECT_FALSE(fs::exists(temp_.path() / "in-use0.ico"));
  EXPECT_TRUE(fs::exists(temp_.path() / "絵" / "前の絵" / "in-use0.ico"));
}

}  // namespace
}  // namespace polkamina::ui
