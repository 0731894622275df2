#include "ui/pictures_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "support/temp_folder.h"
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
  void select(int row) { find<QListWidget>("lstSets")->setCurrentRow(row); }

  testsupport::TempFolder temp_;
  bool running_ = false;
  QWidget* window_ = nullptr;
};

TEST_F(PicturesWindowTest, ListsTheSetsAndOffersOnlyAPlayableSetWhileNoGameRuns) {
  open();
  auto* sets = find<QListWidget>("lstSets");
  ASSERT_EQ(sets->count(), 3);
  EXPECT_EQ(sets->item(0)->text(), "使用中の絵 ― 20 枚、遊べます");
  EXPECT_EQ(sets->item(1)->text(), "few ― 3 枚、あと 17 枚で遊べます");
  EXPECT_EQ(sets->item(2)->text(), "full ― 20 枚、遊べます");
  EXPECT_EQ(find<QListWidget>("lstPictures")->count(), 20);

  auto* use = find<QPushButton>("cmdUseSet");
  EXPECT_FALSE(use->isEnabled());
  EXPECT_FALSE(find<QPushButton>("cmdImport")->isEnabled())
      << "the set in use changes by switching";
  select(1);
  EXPECT_FALSE(use->isEnabled());
  EXPECT_EQ(find<QListWidget>("lstPictures")->count(), 3);
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
