#include "ui/settings_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <functional>

#include "game/game_fakes.h"
#include "game/shared_values.h"
#include "settings_test_support.h"
#include "store/data_folder.h"
#include "ui/record_window.h"
#include "ui/ui_test_support.h"

namespace polkamina::ui {
namespace {

using game::testing::FakeHost;
using game::testing::FakeRandom;

class SettingsWindowTest : public ::testing::Test {
 protected:
  SettingsWindowTest() {
    uitest::application();
    shared.HideDelay = 1;
    shared.EraseDelay = 0.5f;
    const QByteArray picture = uitest::icoFile(32, Qt::red);
    settingstest::addIcons(temp, settingstest::iconNames(19), picture.toStdString());
    temp.write("zzbroken.ico", "not a picture");
  }
  ~SettingsWindowTest() override { closeWindow(); }

  QWidget* open(QWidget* mainWindow = nullptr) {
    return showSettingsWindow(mainWindow, shared, folder, random, host);
  }

  // Closes the open window and lets it delete itself.
  void closeWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == "frmSub") widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  template <typename Widget>
  Widget* child(QWidget* window, const QString& name) {
    auto* found = window->findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }

  QStringList cellNames(QWidget* window) {
    QStringList names;
    for (int k = 1; k <= 20; ++k) names << child<QLabel>(window, cellName(k))->text();
    return names;
  }

  int namesShown(QWidget* window) {
    int shown = 0;
    for (int k = 1; k <= 20; ++k) shown += child<QLabel>(window, cellName(k))->isVisibleTo(window);
    return shown;
  }

  static QString cellName(int k) { return "lblKoma_" + QString::number(k); }

  settingstest::TempFolder temp;
  game::SharedValues shared;
  store::DataFolder folder{temp.path()};
  FakeRandom random;
  FakeHost host;
};

TEST_F(SettingsWindowTest, WindowFrameSizeAndKeyboardOrder) {
  shared.best[2] = {18, "01分23秒"};
  QWidget* window = open();
  EXPECT_EQ(window->windowTitle(), "設定");
  EXPECT_EQ(window->size(), QSize(631, 337));
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(child<QLabel>(window, "lblKiroku_4")->text(), "18回");
  EXPECT_EQ(child<QLabel>(window, "lblKiroku_5")->text(), "01分23秒");
  EXPECT_EQ(child<QLabel>(window, "lblKiroku_0")->text(), "-----");
  EXPECT_EQ(child<QLabel>(window, cellName(1))->textFormat(), Qt::PlainText);
  EXPECT_EQ(namesShown(window), 0);

  const QStringList order = {"cmdShow", "cmdHide",   "imgKoma_1", "cboHide",
                             "cboDel",  "cmdModori", "cmdShow"};
  EXPECT_EQ(window->focusWidget()->objectName(), order[0]);
  for (int i = 1; i < order.size(); ++i) {
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget()->objectName(), order[i]);
  }
}

TEST_F(SettingsWindowTest, ASecondOpeningKeepsTheWindowAndAClosedOneLoadsAfresh) {
  QWidget* window = open();
  const QStringList arrangement = cellNames(window);
  child<QToolButton>(window, "cmdShow")->click();
  const std::size_t drawn = random.drawn;

  EXPECT_EQ(open(), window);
  EXPECT_EQ(cellNames(window), arrangement);
  EXPECT_EQ(namesShown(window), 20);
  EXPECT_EQ(random.drawn, drawn);

  child<QToolButton>(window, "cmdModori")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  random.values.assign(40, 0.999f);
  QWidget* reopened = open();
  EXPECT_EQ(namesShown(reopened), 0);
  EXPECT_NE(cellNames(reopened), arrangement);
}

// The window is kept above the main window by the window system, and placed
// on its left and bottom edges.
TEST_F(SettingsWindowTest, StaysAboveAndSharesTheMainWindowsLeftAndBottomEdges) {
  QWidget mainWindow;
  mainWindow.setGeometry(120, 160, 631, 452);
  mainWindow.show();
  QWidget* window = open(&mainWindow);
  EXPECT_EQ(window->frameGeometry().left(), mainWindow.frameGeometry().left());
  EXPECT_EQ(window->frameGeometry().bottom(), mainWindow.frameGeometry().bottom());
  EXPECT_TRUE(window->isWindow());
  ASSERT_NE(window->windowHandle(), nullptr);
  EXPECT_EQ(window->windowHandle()->transientParent(), mainWindow.windowHandle());
}

TEST_F(SettingsWindowTest, OnlyChoosingAnEntryAppliesADelay) {
  QWidget* window = open();
  auto* cboHide = child<QComboBox>(window, "cboHide");
  auto* cboDel = child<QComboBox>(window, "cboDel");
  EXPECT_EQ(cboHide->count(), 15);
  EXPECT_EQ(cboHide->currentIndex(), -1);
  EXPECT_EQ(cboHide->currentText(), "1");
  EXPECT_EQ(cboDel->currentText(), "0.5");

  cboHide->setFocus();
  cboHide->lineEdit()->selectAll();
  QTest::keyClicks(cboHide, "2");
  QTest::keyClick(cboHide, Qt::Key_Return);
  EXPECT_EQ(cboHide->currentText(), "2");
  EXPECT_EQ(shared.HideDelay, 1.0f);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "設定.txt"));

  emit cboDel->activated(7);
  EXPECT_EQ(shared.EraseDelay, 1.5f);
  EXPECT_EQ(temp.read("設定.txt"), " 1 \r\n 1.5 \r\n");
  EXPECT_EQ(host.calls.size(), 1u);
}

// Qt on its own would choose the entry matching the edit text when the field
// loses the focus or the list opens, and on every turn of the wheel.
TEST_F(SettingsWindowTest, LeavingTheFieldOpeningTheListAndTheWheelChooseNothing) {
  QWidget* window = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* cboDel = child<QComboBox>(window, "cboDel");
  cboDel->setFocus();
  QTest::keyClick(cboDel, Qt::Key_Tab);  // leaves "0.5", which is an entry
  cboDel->setFocus();
  cboDel->lineEdit()->selectAll();
  QTest::keyClicks(cboDel, "2");
  QTest::keyClick(cboDel, Qt::Key_Tab);

  const QPoint arrow(cboDel->width() - 5, cboDel->height() / 2);
  QTest::mousePress(cboDel, Qt::LeftButton, {}, arrow);
  QTest::mouseRelease(cboDel, Qt::LeftButton, {}, arrow);
  cboDel->hidePopup();

  const QPointF centre = QRectF(cboDel->rect()).center();
  QWheelEvent wheel(centre, cboDel->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(cboDel, &wheel);

  EXPECT_EQ(shared.EraseDelay, 0.5f);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "設定.txt"));

  // An arrow key chooses an entry: with none chosen yet, Down takes the first.
  QTest::keyClick(cboDel, Qt::Key_Down);
  EXPECT_EQ(cboDel->currentText(), "0.1");
  EXPECT_EQ(shared.EraseDelay, 0.1f);
  EXPECT_EQ(temp.read("設定.txt"), " 1 \r\n .1 \r\n");
  EXPECT_EQ(host.calls.size(), 1u);
}

TEST_F(SettingsWindowTest, PicturesLoadWhereTheyCanAndAClickShowsThatName) {
  uitest::writeFile(QString::fromStdString((temp.path() / "cat01.ico").string()),
                    uitest::icoFile(48, Qt::blue));
  random.fallback = 0.0f;  // catalogue in listing order: the broken file is cell 20
  QWidget* window = open();
  EXPECT_EQ(child<QLabel>(window, cellName(20))->text(), "zzbroken");
  EXPECT_TRUE(child<QLabel>(window, "imgKoma_20")->pixmap().isNull());
  EXPECT_EQ(child<QLabel>(window, "imgKoma_1")->pixmap().size(), QSize(32, 32));
  // A larger picture is scaled into its cell; every cell keeps its size.
  EXPECT_EQ(child<QLabel>(window, "imgKoma_2")->pixmap().size(), QSize(32, 32));
  EXPECT_EQ(child<QLabel>(window, "imgKoma_2")->size(), QSize(32, 32));
  EXPECT_EQ(child<QLabel>(window, "imgKoma_20")->size(), QSize(32, 32));

  QTest::mouseClick(child<QLabel>(window, "imgKoma_5"), Qt::LeftButton);
  EXPECT_TRUE(child<QLabel>(window, cellName(5))->isVisibleTo(window));
  EXPECT_EQ(namesShown(window), 1);
  child<QToolButton>(window, "cmdHide")->click();
  EXPECT_EQ(namesShown(window), 0);
}

// The catalogue is one stop of the tab order; the board keys move over it,
// round past its edges, and Space or Return shows a name as a click does.
TEST_F(SettingsWindowTest, TheKeyboardShowsAPicturesName) {
  QWidget* window = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  child<QWidget>(window, "imgKoma_1")->setFocus();
  const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
  const std::vector<std::pair<Qt::Key, QString>> moves = {
      {Qt::Key_Left, "imgKoma_20"}, {Qt::Key_Down, "imgKoma_5"}, {Qt::Key_Right, "imgKoma_6"},
      {Qt::Key_Up, "imgKoma_1"},    {Qt::Key_End, "imgKoma_20"}, {Qt::Key_Up, "imgKoma_15"}};
  for (const auto& [key, expected] : moves) {
    press(key);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), expected);
  }
  QAccessibleInterface* picture =
      QAccessible::queryAccessibleInterface(child<QWidget>(window, "imgKoma_15"));
  EXPECT_EQ(picture->role(), QAccessible::Button);
  press(Qt::Key_Space);
  EXPECT_TRUE(child<QLabel>(window, cellName(15))->isVisibleTo(window));
  EXPECT_TRUE(picture->text(QAccessible::Name).startsWith("3行5列 "));
  press(Qt::Key_Right);
  press(Qt::Key_Return);
  EXPECT_EQ(namesShown(window), 2);

  press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "cboHide");
  press(Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "imgKoma_16");
}

// A screen reader's bridge delivers each key again once the screen reader
// has seen it: the Return that chose an entry from the open list reaches the
// closed list a second time, and must not choose again.
TEST_F(SettingsWindowTest, AChoiceFromTheOpenListIsAppliedOnce) {
  QWidget* window = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* cboDel = child<QComboBox>(window, "cboDel");
  cboDel->setFocus();
  cboDel->showPopup();
  QAbstractItemView* list = cboDel->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(host.calls.size(), 1u);
  EXPECT_FALSE(list->isVisible());
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(host.calls.size(), 1u);

  // Both lists are named by their headers.
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(cboDel);
  QStringList labels;
  for (const auto& [label, relation] : node->relations(QAccessible::Label)) {
    labels << label->text(QAccessible::Name);
  }
  EXPECT_TRUE(labels.contains("コマが消える時間")) << labels.join(", ").toStdString();
}

// The names of every accessible object of the window, hidden ones included.
QStringList accessibleNames(QWidget* window) {
  QStringList names;
  std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) visit(node->child(i));
  };
  visit(QAccessible::queryAccessibleInterface(window));
  return names;
}

TEST_F(SettingsWindowTest, ScreenReadersHearAPicturesNameOnlyWhileItIsShown) {
  random.fallback = 0.0f;  // catalogue in listing order: cat00 is cell 1
  QWidget* window = open();
  EXPECT_TRUE(accessibleNames(window).filter("cat").isEmpty());
  EXPECT_TRUE(accessibleNames(window).contains("1行2列"));

  QTest::mouseClick(child<QLabel>(window, "imgKoma_2"), Qt::LeftButton);
  QStringList told = accessibleNames(window).filter("cat");
  told.sort();
  EXPECT_EQ(told, QStringList({"1行2列 cat01", "cat01"}));

  child<QToolButton>(window, "cmdShow")->click();
  EXPECT_EQ(accessibleNames(window).filter("cat").size(), 2 * 19);
  EXPECT_TRUE(accessibleNames(window).contains("4行5列 zzbroken"));
}

TEST_F(SettingsWindowTest, ReturnPressesTheFocusedButtonAndEscapeCloses) {
  QWidget* window = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  ASSERT_EQ(window->focusWidget()->objectName(), "cmdShow");
  QTest::keyClick(window->focusWidget(), Qt::Key_Return);
  EXPECT_EQ(namesShown(window), 20);

  // Esc closes the window from any control, the delay lists' fields too.
  child<QComboBox>(window, "cboDel")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->objectName() == "frmSub" && widget->isVisible());
  }
}

TEST_F(SettingsWindowTest, F1OpensTheHelpAsTheMainWindowsHelpButtonDoes) {
  QWidget mainWindow;
  auto* help = new QToolButton(&mainWindow);
  help->setObjectName("cmdHelp");
  int opened = 0;
  QObject::connect(help, &QToolButton::clicked, [&] { ++opened; });
  mainWindow.show();
  QWidget* window = open(&mainWindow);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window->focusWidget(), Qt::Key_F1);
  EXPECT_EQ(opened, 1);
}

TEST_F(SettingsWindowTest, NamesFromWindowsArchivesReadAsMeant) {
  // "ネコ" in code page 932, as a Japanese archive made on Windows names it.
  temp.write("\x83\x6c\x83\x52.ico", uitest::icoFile(256, Qt::blue).toStdString());
  std::filesystem::remove(temp.path() / "zzbroken.ico");
  random.fallback = 0.0f;  // catalogue in listing order: the new file is cell 20
  QWidget* window = open();
  EXPECT_EQ(child<QLabel>(window, cellName(20))->text(), "ネコ");
  EXPECT_EQ(child<QLabel>(window, "imgKoma_20")->pixmap().size(), QSize(32, 32));
}

TEST(RecordWindowTest, ShowsTheMessageWithOkFocusedAndReturnsOnOk) {
  uitest::application();
  QString caption;
  QString message;
  QString focused;
  QSize size;
  bool closedByOk = false;
  uitest::withModalWindow(
      [] { showRecordWindow(nullptr, "ハードモードのターン記録を更新しました！"); },
      [&](QWidget* window) {
        caption = window->windowTitle();
        size = window->size();
        auto* lblCom = window->findChild<QLabel*>("lblCom");
        ASSERT_NE(lblCom, nullptr);
        message = lblCom->text();
        focused = window->focusWidget() != nullptr ? window->focusWidget()->objectName() : "";
        auto* ok = window->findChild<QPushButton*>("cmdModori");
        ASSERT_NE(ok, nullptr);
        ok->click();
        closedByOk = !window->isVisible();
      });
  EXPECT_EQ(caption, "新記録達成！");
  EXPECT_EQ(size, QSize(382, 87));
  EXPECT_EQ(message, "ハードモードのターン記録を更新しました！");
  EXPECT_EQ(focused, "cmdModori");
  EXPECT_TRUE(closedByOk);
}

}  // namespace
}  // namespace polkamina::ui
