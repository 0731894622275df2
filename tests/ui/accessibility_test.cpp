#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ui/record_window.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

// What a screen reader would hear of: the focus arriving, and notifications
// appearing.
struct Heard {
  QString kind;  // "focus" or "shown"
  QString object;
  QString name;
  bool operator==(const Heard& other) const {
    return kind == other.kind && object == other.object && name == other.name;
  }
};

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  return out << heard.kind.toStdString() << " " << heard.object.toStdString() << " \""
             << heard.name.toStdString() << "\"";
}

// Keeps, while it lives, the accessibility events the window sends. Qt sends
// them only while a screen reader listens, which the platform's
// accessibility, otherwise only reached by a screen reader's bridge, says.
class Listener {
 public:
  Listener() {
    heard_ = &heard;
    QAccessible::installUpdateHandler(&Listener::note);
    platform()->setActive(true);
  }
  ~Listener() {
    platform()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    heard_ = nullptr;
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  std::vector<Heard> heard;

 private:
  static void note(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (type != QAccessible::Focus && type != QAccessible::ObjectShow) return;
    QAccessibleInterface* node = event->accessibleInterface();
    if (node == nullptr) return;
    if (type == QAccessible::ObjectShow && node->role() != QAccessible::Notification) return;
    heard_->push_back({type == QAccessible::Focus ? "focus" : "shown",
                       event->object()->objectName(), node->text(QAccessible::Name)});
  }
  static QPlatformAccessibility* platform() {
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
  }
  static inline std::vector<Heard>* heard_ = nullptr;
};

QString icon(int i) { return QString("icon%1").arg(i, 2, 10, QChar('0')); }

TEST(Accessibility, TheBoardIsAPanelOfTheWindowHoldingThePieces) {
  Session session;
  QAccessibleInterface* board =
      QAccessible::queryAccessibleInterface(session.find<QWidget>("fraKiri"));
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->role(), QAccessible::Pane);
  EXPECT_EQ(board->text(QAccessible::Name), "盤面");
  QAccessibleInterface* back = QAccessible::queryAccessibleInterface(session.back(12));
  EXPECT_EQ(back->parent(), board);
  EXPECT_EQ(back->role(), QAccessible::Button);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(session.face(12))->role(), QAccessible::Graphic);
  EXPECT_EQ(board->parent(), QAccessible::queryAccessibleInterface(&session.window()));

  // No container below the window is told as a window of its own.
  QTest::keyClick(&session.window(), Qt::Key_H, Qt::ControlModifier);  // makes the history
  for (QWidget* widget : session.window().findChildren<QWidget*>()) {
    if (widget->isWindow()) continue;  // the level list's popup
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(node, nullptr);
    EXPECT_NE(node->role(), QAccessible::Border) << widget->metaObject()->className();
    EXPECT_NE(node->role(), QAccessible::Window) << widget->metaObject()->className();
  }
}

// ノーマル with every draw 0: piece i shows icon (i - 1) mod 4.
TEST(Accessibility, ATurnIsHeardAsItHappens) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  session.chooseLevel(1);
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  session.back(1)->setFocus();
  Listener listener;
  const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

  press(Qt::Key_Space);
  press(Qt::Key_Right);
  press(Qt::Key_Space);  // piece 2 does not match piece 1
  press(Qt::Key_Left);
  press(Qt::Key_Space);
  for (int i = 0; i < 4; ++i) press(Qt::Key_Right);
  press(Qt::Key_Space);  // piece 5 does

  const std::vector<Heard> expected = {
      {"focus", "imgKoma_1", "1行1列 めくれている " + icon(0)},
      {"focus", "cmdKoma_2", "1行2列 伏せてある"},
      {"focus", "imgKoma_2", "1行2列 めくれている " + icon(1)},
      {"focus", "cmdKoma_2", "1行2列 伏せてある"},
      {"shown", "announcer", "はずれ"},
      {"focus", "cmdKoma_1", "1行1列 伏せてある"},
      {"focus", "imgKoma_1", "1行1列 めくれている " + icon(0)},
      {"focus", "cmdKoma_2", "1行2列 伏せてある"},
      {"focus", "cmdKoma_3", "1行3列 伏せてある"},
      {"focus", "cmdKoma_4", "1行4列 伏せてある"},
      {"focus", "cmdKoma_5", "1行5列 伏せてある"},
      {"focus", "imgKoma_5", "1行5列 めくれている " + icon(0)},
      {"focus", "cmdKoma_6", "1行6列 伏せてある"},
      {"shown", "announcer", "そろいました。残り 38"},
  };
  EXPECT_EQ(listener.heard, expected);
}

// A pause in the middle of a turn tells nothing of the deal, neither as it
// begins nor as it ends.
TEST(Accessibility, APauseTellsNoFace) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  session.chooseLevel(1);
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  session.back(1)->setFocus();
  QTest::keyClick(session.back(1), Qt::Key_Space);
  ASSERT_EQ(QApplication::focusWidget(), session.face(1));
  Listener listener;
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
  ASSERT_TRUE(session.game().paused());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
  ASSERT_FALSE(session.game().paused());
  for (const Heard& heard : listener.heard) {
    EXPECT_NE(heard.kind, "shown") << heard;
    if (heard.object != "imgKoma_1") {
      EXPECT_FALSE(heard.name.contains(icon(0))) << heard;
    }
  }
}

// The level list is named by its label, which tells the level chosen, also
// as the arrow keys choose another.
TEST(Accessibility, TheLevelListTellsTheLevelChosen) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  auto* levels = session.find<QComboBox>("cboMondai");
  levels->setFocus();
  levels->setCurrentIndex(0);
  Listener listener;
  QTest::keyClick(levels, Qt::Key_Down);
  EXPECT_EQ(session.find<QLabel>("Label1_0")->accessibleName(), "レベル ノーマル");
  ASSERT_FALSE(listener.heard.empty());
  EXPECT_EQ(listener.heard.back(), (Heard{"shown", "announcer", "レベル ノーマル"}));
}

TEST(Accessibility, TheNewRecordWindowTellsItsMessage) {
  uitest::application();
  const QString message = "ノーマルモードのターン記録を更新しました！";
  uitest::withModalWindow([&] { showRecordWindow(nullptr, message.toStdString()); },
                          [&](QWidget* window) {
                            QAccessibleInterface* node =
                                QAccessible::queryAccessibleInterface(window);
                            EXPECT_EQ(node->role(), QAccessible::Dialog);
                            EXPECT_EQ(node->text(QAccessible::Description), message);
                            EXPECT_EQ(window->focusWidget(), window->findChild<QPushButton*>());
                          });
}

}  // namespace
}  // namespace polkamina::ui
