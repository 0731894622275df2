#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

#include "game/main_game.h"
#include "game/seams.h"
#include "store/data_folder.h"
#include "ui/system/qt_host.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

TEST(MainWindow, ControlsSitWhereDesigned) {
  Session session;
  ASSERT_EQ(session.startup(), game::StartupResult::Ready);
  EXPECT_EQ(session.window().size(), QSize(631, 452));
  EXPECT_EQ(session.window().windowTitle(), "ポルカミナ");
  EXPECT_FALSE(session.window().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(session.find<QWidget>("fraKiri")->geometry(), QRect(10, 90, 611, 355));
  EXPECT_EQ(session.find<QToolButton>("cmdStart")->geometry(), QRect(235, 10, 56, 61));

  // Piece 8 ends the first row, piece 9 begins the second.
  EXPECT_EQ(session.back(8)->geometry(), QRect(530, 75, 72, 52));
  EXPECT_EQ(session.back(8)->mapTo(&session.window(), QPoint(0, 0)), QPoint(540, 165));
  EXPECT_EQ(session.back(9)->geometry(), QRect(10, 130, 72, 52));
  EXPECT_EQ(session.back(40)->geometry(), QRect(530, 295, 72, 52));
  EXPECT_EQ(session.face(40)->geometry(), QRect(550, 300, 32, 32));
  EXPECT_EQ(session.name(40)->geometry(), QRect(532, 331, 73, 17));

  EXPECT_EQ(session.find<QWidget>("frmKiroku")->geometry(), QRect(205, 15, 394, 54));
  // The grid is made the first time the history is shown.
  QTest::mouseDClick(session.find<QWidget>("fraKiri"), Qt::LeftButton, Qt::NoModifier,
                     QPoint(5, 345));
  EXPECT_EQ(session.find<QWidget>("msgRireki")->geometry(), QRect(10, 13, 571, 257));
  EXPECT_EQ(session.find<QWidget>("Line1")->geometry(), QRect(10, 84, 611, 2));
}

TEST(MainWindow, ShowsTheStartedGame) {
  Session session;
  EXPECT_EQ(session.labelText("lblTrun"), "0");
  EXPECT_EQ(session.labelText("lblZan"), "40");
  EXPECT_EQ(session.labelText("lblByou"), "-----");
  EXPECT_EQ(session.find<QGroupBox>("frmKiroku")->title(),
            QString::fromStdString(session.game().frmKirokuCaption()));
  EXPECT_TRUE(session.find<QGroupBox>("frmKiroku")->title().startsWith("  ターン数"));
  auto* levels = session.find<QComboBox>("cboMondai");
  EXPECT_EQ(levels->count(), 4);
  EXPECT_EQ(levels->currentText(),
            QString::fromStdString(session.game().options().cboMondaiText()));
  EXPECT_FALSE(session.find<QWidget>("fraRireki")->isVisible());
  for (int i = 1; i <= 40; ++i) {
    EXPECT_TRUE(session.back(i)->isVisible());
    EXPECT_FALSE(session.name(i)->isVisible());
    EXPECT_EQ(session.name(i)->frameShape(), QFrame::NoFrame);
  }
  EXPECT_EQ(session.window().focusWidget(), session.find<QToolButton>("cmdStart"));
}

TEST(MainWindow, PlayingTurnsPieces) {
  Session session;
  {
    // Before a deal a piece only brings the reminder.
    uitest::MessageBoxAnswerer answerer;
    QTest::mouseClick(session.back(1), Qt::LeftButton);
    EXPECT_EQ(answerer.captions, QStringList{"スタート確認"});
    EXPECT_TRUE(session.back(1)->isVisible());
  }

  auto* levels = session.find<QComboBox>("cboMondai");
  levels->setCurrentIndex(1);
  emit levels->activated(1);
  ASSERT_EQ(session.game().options().cboMondaiText(), "ノーマル");

  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  EXPECT_EQ(session.labelText("lblZan"), "40");
  EXPECT_FALSE(levels->isEnabled());
  for (int i = 1; i <= 40; ++i) {
    EXPECT_TRUE(session.back(i)->isVisible());
    EXPECT_EQ(session.face(i)->pixmap().size(), QSize(32, 32));
  }
  // The back lies over the face until it is turned.
  QWidget* board = session.find<QWidget>("fraKiri");
  const QPoint centre1 = session.back(1)->geometry().center();
  EXPECT_EQ(board->childAt(centre1), session.back(1));

  QTest::mouseClick(session.back(1), Qt::LeftButton);
  EXPECT_FALSE(session.back(1)->isVisible());
  EXPECT_EQ(board->childAt(centre1), session.face(1));

  // Pieces 1 and 2 differ: both turn back after the hide delay.
  QTest::mouseClick(session.back(2), Qt::LeftButton);
  EXPECT_TRUE(session.back(1)->isVisible());
  EXPECT_TRUE(session.back(2)->isVisible());
  EXPECT_EQ(session.labelText("lblTrun"), "1");

  // Pieces 1 and 5 match and are removed.
  QTest::mouseClick(session.back(1), Qt::LeftButton);
  QTest::mouseClick(session.back(5), Qt::LeftButton);
  EXPECT_FALSE(session.back(5)->isVisible());
  EXPECT_FALSE(session.face(5)->isVisible());
  EXPECT_FALSE(session.face(1)->isVisible());
  EXPECT_EQ(session.labelText("lblTrun"), "2");
  EXPECT_EQ(session.labelText("lblZan"), "38");
}

// During the delay of a turn the window repaints and the clock stands still;
// the tick held back by the delay brings the clock up to date right after it.
TEST(MainWindow, TheDelayKeepsTheWindowPaintedAndTheClockStill) {
  Session session(0, [](const std::string& folder) {
    uitest::writeFile(QString::fromStdString(folder) + "/設定.txt", " 1.5 \r\n .1 \r\n");
  });
  session.chooseLevel(1);
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  QTest::mouseClick(session.back(1), Qt::LeftButton);
  const QString clockBeforeDelay = session.labelText("lblByou");

  int paints = 0;
  uitest::EventCounter counter(&session.window(), QEvent::Paint, paints);
  QString clockDuringDelay;
  QTimer::singleShot(300, [&] { session.window().update(); });
  QTimer::singleShot(1300, [&] { clockDuringDelay = session.labelText("lblByou"); });
  QTest::mouseClick(session.back(2), Qt::LeftButton);  // a miss: 1.5 s
  EXPECT_EQ(clockDuringDelay, clockBeforeDelay);
  EXPECT_GT(paints, 0) << "the window was not painted during the delay";

  QCoreApplication::processEvents();
  EXPECT_TRUE(QRegularExpression("00分0[1-9]秒").match(session.labelText("lblByou")).hasMatch())
      << session.labelText("lblByou").toStdString();
}

TEST(MainWindow, NameDisplayShowsTheTurnedPiecesName) {
  Session session;
  auto* names = session.find<QCheckBox>("chkNamae");
  ASSERT_FALSE(names->isChecked());
  names->click();
  ASSERT_EQ(session.game().options().chkNamae(), 1);
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  QTest::mouseClick(session.back(3), Qt::LeftButton);
  EXPECT_TRUE(session.name(3)->isVisible());
  EXPECT_EQ(session.name(3)->text().toStdString(), session.game().board().piece(3).name);
  EXPECT_EQ(session.name(3)->textFormat(), Qt::PlainText);
  names->click();
  EXPECT_FALSE(session.name(3)->isVisible());
}

TEST(MainWindow, DoubleClickOnTheBareFrameTogglesTheHistory) {
  Session session;
  QWidget* board = session.find<QWidget>("fraKiri");
  QWidget* history = session.find<QWidget>("fraRireki");
  const QPoint bare(5, 345);
  ASSERT_EQ(board->childAt(bare), nullptr);

  // On a control of the frame it is that control's, not the frame's.
  QTest::mouseDClick(session.find<QWidget>("Label1_0"), Qt::LeftButton);
  EXPECT_FALSE(history->isVisible());

  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, bare);
  EXPECT_TRUE(history->isVisible());
  // The history lies over the board.
  EXPECT_TRUE(history->isAncestorOf(board->childAt(session.back(20)->geometry().center())));
  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, bare);
  EXPECT_FALSE(history->isVisible());
}

TEST(MainWindow, HistoryGridShowsTheSavedRowsScrolledToTheEnd) {
  Session session(20);
  EXPECT_EQ(session.find<QTableView>("msgRireki"), nullptr);  // made when first shown
  QTest::mouseDClick(session.find<QWidget>("fraKiri"), Qt::LeftButton, Qt::NoModifier,
                     QPoint(5, 345));
  auto* grid = session.find<QTableView>("msgRireki");
  ASSERT_NE(grid, nullptr);
  QAbstractItemModel* model = grid->model();
  ASSERT_EQ(model->rowCount(), 20);
  ASSERT_EQ(model->columnCount(), 8);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "回");
  EXPECT_EQ(model->headerData(7, Qt::Horizontal).toString(), "秒記録");
  EXPECT_EQ(model->index(19, 0).data().toString(), "20");
  EXPECT_EQ(model->index(0, 3).data().toString(), "Normal");
  EXPECT_EQ(model->index(0, 3).data(Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignLeft | Qt::AlignVCenter));
  EXPECT_EQ(model->index(0, 4).data(Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_EQ(grid->horizontalHeader()->sectionSize(1), 93);

  ASSERT_TRUE(grid->isVisible());
  QCoreApplication::processEvents();
  // The newest rows are in view.
  EXPECT_GT(grid->verticalScrollBar()->value(), 0);
  EXPECT_LT(grid->rowAt(grid->viewport()->height() - 2), 20);
  EXPECT_GE(grid->rowAt(grid->viewport()->height() - 2), 17);

  // Saving adds a row.
  QTest::mouseClick(session.find<QToolButton>("cmdHozon"), Qt::LeftButton);
  EXPECT_EQ(model->rowCount(), 21);
  EXPECT_EQ(model->index(20, 0).data().toString(), "21");
}

// A set as a Windows archive unpacks it: names in code page 932 ("ネコ00" ...)
// and pictures of several sizes up to 256 × 256.
void useWindowsMadeIcons(const std::string& folder) {
  const QByteArray picture =
      uitest::combinedIco({uitest::icoFile(16, Qt::red), uitest::icoFile(48, Qt::green),
                           uitest::icoFile(256, Qt::blue)});
  for (int i = 0; i < 20; ++i) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", i);
    QFile::remove(QString::fromStdString(folder) + QString("/icon%1.ico").arg(digits));
    std::ofstream(folder + "/\x83\x6c\x83\x52" + digits + ".ico", std::ios::binary)
        << picture.toStdString();
  }
}

TEST(MainWindow, PlayersIconsShowWhateverTheirNamesAndSizes) {
  Session session(0, useWindowsMadeIcons);
  ASSERT_EQ(session.startup(), game::StartupResult::Ready);
  // An icon file that turned into a FIFO after start-up is a picture that
  // cannot be loaded; the deal does not wait for it.
  const std::string fifo = session.folder() + "/\x83\x6c\x83\x52" + "01.ico";
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  session.find<QCheckBox>("chkNamae")->click();
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);

  // Piece i shows icon (i - 1) mod 4: its name is read as the archive meant
  // it and its face fills its cell without leaving it.
  for (int i = 1; i <= 40; ++i) {
    const QLabel* face = session.face(i);
    EXPECT_EQ(face->size(), QSize(32, 32));
    if ((i - 1) % 4 == 1) {
      EXPECT_TRUE(face->pixmap().isNull());
    } else {
      EXPECT_EQ(face->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    }
  }
  QTest::mouseClick(session.back(3), Qt::LeftButton);
  EXPECT_EQ(session.name(3)->text(), "ネコ02");
  // Pieces match by their names' bytes.
  QTest::mouseClick(session.back(7), Qt::LeftButton);
  EXPECT_FALSE(session.face(3)->isVisible());
  EXPECT_EQ(session.labelText("lblZan"), "38");
}

// Every text a screen reader can get from the window: names, descriptions and
// values of every accessible object, hidden ones included.
QStringList accessibleTexts(QObject* root) {
  QStringList texts;
  std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
    for (const QAccessible::Text kind :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
      const QString text = node->text(kind);
      if (!text.isEmpty()) {
        texts << text;
      }
    }
    for (int i = 0; i < node->childCount(); ++i) {
      visit(node->child(i));
    }
  };
  visit(QAccessible::queryAccessibleInterface(root));
  return texts;
}

QStringList textsWith(const QStringList& texts, const QString& part) { return texts.filter(part); }

// A click on a piece followed by one on the frame beside the face it shows
// is what Qt pairs into a double-click on the frame.
TEST(MainWindow, ADoubleClickCountsOnlyWhenBothClicksLandOnTheBareFrame) {
  Session session;
  QWidget* board = session.find<QWidget>("fraKiri");
  QWidget* history = session.find<QWidget>("fraRireki");
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  const QPoint besideFace = session.back(1)->geometry().topLeft() + QPoint(3, 3);

  QTest::mouseClick(session.back(1), Qt::LeftButton);
  ASSERT_EQ(board->childAt(besideFace), nullptr);
  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, besideFace);
  EXPECT_FALSE(history->isVisible());
  EXPECT_FALSE(session.game().history().fraRirekiVisible());

  // Two clicks on the bare frame are its double-click, on an emptied cell too.
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, besideFace);
  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, besideFace);
  EXPECT_TRUE(history->isVisible());

  // A first click on the face, which the frame receives, is not on the bare frame.
  QTest::mouseClick(session.face(1), Qt::LeftButton);
  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(5, 345));
  EXPECT_TRUE(history->isVisible());
}

TEST(MainWindow, TooltipsOnlyWhereDesigned) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&session.window()));
  QWidget* board = session.find<QWidget>("fraKiri");
  auto tipOver = [](QWidget* widget, QPoint at = QPoint(2, 2)) {
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  // Controls of the frame without a tooltip of their own show none.
  EXPECT_EQ(tipOver(session.back(1)), "");
  EXPECT_EQ(tipOver(session.find<QWidget>("Label1_0")), "");
  EXPECT_EQ(tipOver(session.find<QWidget>("cboMondai")), "");
  EXPECT_EQ(tipOver(session.find<QWidget>("lblZan")), "");
  EXPECT_EQ(tipOver(session.find<QWidget>("frmKiroku")), "");
  EXPECT_EQ(tipOver(session.find<QWidget>("Image1")), "");

  EXPECT_EQ(tipOver(board, QPoint(5, 345)), "フレームをダブルクリックするとプレイ履歴を表示します");
  EXPECT_EQ(tipOver(session.find<QWidget>("chkAs")), "履歴の自動保存を制御します");
  EXPECT_EQ(tipOver(session.find<QWidget>("cmdSettei")), "コマの消去時間などを設定します");
  QToolTip::hideText();
}

TEST(MainWindow, KeyboardReachesEveryControlAndPlaysTheBoard) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  session.chooseLevel(1);  // ノーマル: pieces 1 and 5 match, 1 and 2 do not
  session.find<QToolButton>("cmdStart")->setFocus();
  auto focused = [&] { return QApplication::focusWidget()->objectName(); };
  auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };

  // The board is one stop of the tab order, after the designed first four.
  const QStringList order = {"cmdSettei", "cmdHelp",  "cmdEnd", "cmdYame",   "cmdHozon", "cmdClear",
                             "cboMondai", "chkNamae", "chkAs",  "cmdKoma_1", "cmdStart"};
  for (const QString& next : order) {
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), next);
  }
  press(Qt::Key_Return);  // presses スタート
  ASSERT_TRUE(session.game().board().Playing());
  press(Qt::Key_Backtab);
  EXPECT_EQ(focused(), "cmdKoma_1");

  // Arrows move by rows and columns and go round past the edges; Home and
  // End go to the first and last piece.
  const std::vector<std::pair<Qt::Key, QString>> moves = {
      {Qt::Key_Down, "cmdKoma_9"},  {Qt::Key_Right, "cmdKoma_10"}, {Qt::Key_Up, "cmdKoma_2"},
      {Qt::Key_Up, "cmdKoma_33"},   {Qt::Key_Left, "cmdKoma_32"},  {Qt::Key_End, "cmdKoma_40"},
      {Qt::Key_Right, "cmdKoma_1"}, {Qt::Key_Left, "cmdKoma_40"},  {Qt::Key_Home, "cmdKoma_1"}};
  for (const auto& [key, expected] : moves) {
    press(key);
    EXPECT_EQ(focused(), expected);
  }

  // Space and Return turn the focused piece, whose face holds the focus until
  // the turn ends; the arrows move on from it.
  press(Qt::Key_Space);
  EXPECT_FALSE(session.back(1)->isVisible());
  EXPECT_EQ(focused(), "imgKoma_1");
  press(Qt::Key_Right);
  EXPECT_EQ(focused(), "cmdKoma_2");
  press(Qt::Key_Return);  // no match: turned down again after the wait
  EXPECT_EQ(session.labelText("lblTrun"), "1");
  EXPECT_EQ(focused(), "cmdKoma_2");

  press(Qt::Key_Left);
  press(Qt::Key_Space);  // piece 1
  for (int i = 0; i < 4; ++i) {
    press(Qt::Key_Right);
  }
  EXPECT_EQ(focused(), "cmdKoma_5");
  press(Qt::Key_Space);  // matches piece 1
  EXPECT_EQ(session.labelText("lblZan"), "38");
  EXPECT_EQ(focused(), "cmdKoma_6");
  press(Qt::Key_Left);  // over the removed piece 5
  EXPECT_EQ(focused(), "cmdKoma_4");

  // Ctrl+H shows the history over the board, and the keyboard goes with it.
  press(Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(session.find<QWidget>("fraRireki")->isVisible());
  EXPECT_EQ(focused(), "msgRireki");
  EXPECT_EQ(session.back(4)->focusPolicy(), Qt::NoFocus);
  press(Qt::Key_H, Qt::ControlModifier);
  EXPECT_FALSE(session.find<QWidget>("fraRireki")->isVisible());
  EXPECT_EQ(focused(), "cmdKoma_4");

  // F1 opens the help: here the file is missing, which the help reports.
  uitest::MessageBoxAnswerer answerer;
  press(Qt::Key_F1);
  EXPECT_EQ(answerer.texts.size(), 1);
}

// The image plugins loaded into this process, by file name.
QStringList loadedImagePlugins() {
  QFile maps("/proc/self/maps");
  if (!maps.open(QIODevice::ReadOnly)) return {"(no /proc/self/maps)"};
  QStringList plugins;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const int at = line.indexOf("/imageformats/");
    if (at >= 0) plugins << QString::fromUtf8(line.mid(at + 14));
  }
  plugins.removeDuplicates();
  return plugins;
}

// Qt left to find a picture's format loads every image plugin installed (a
// desktop has a dozen): the game tells it the format, and needs the ICO
// reader alone.
TEST(MainWindow, StartAndDealLoadNoImagePluginButTheIconReader) {
  Session session;
  ASSERT_EQ(session.startup(), game::StartupResult::Ready);
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  ASSERT_FALSE(session.face(1)->pixmap().isNull());
  EXPECT_EQ(loadedImagePlugins().join(" ").toStdString(), "libqico.so");
}

// Notes the widgets of a window that paint.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* window) {
    window->installEventFilter(this);
    for (QWidget* widget : window->findChildren<QWidget*>()) widget->installEventFilter(this);
  }
  QStringList painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted << watched->objectName();
    return false;
  }
};

TEST(MainWindow, AClockTickRepaintsTheClockOnly) {
  Session session;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&session.window()));
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);
  const QString before = session.labelText("lblByou");
  QCoreApplication::processEvents();  // the deal's own painting
  PaintWatch watch(&session.window());
  // The window's timer ticks every second; the first tick of the game shows
  // its time instead of the level's best.
  QTRY_VERIFY_WITH_TIMEOUT(session.labelText("lblByou") != before, 5000);
  QTRY_VERIFY_WITH_TIMEOUT(!watch.painted.isEmpty(), 5000);
  QCoreApplication::processEvents();
  EXPECT_EQ(watch.painted, QStringList{"lblByou"});
}

TEST(MainWindow, ScreenReadersHearPiecesAndCountersButNoHiddenName) {
  Session session(2);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  session.chooseLevel(1);
  QWidget* window = &session.window();
  session.find<QCheckBox>("chkNamae")->click();
  QTest::mouseClick(session.find<QToolButton>("cmdStart"), Qt::LeftButton);

  QStringList texts = accessibleTexts(window);
  EXPECT_TRUE(textsWith(texts, "icon").isEmpty())
      << textsWith(texts, "icon").join(", ").toStdString();
  EXPECT_TRUE(texts.contains("2行3列 伏せてある"));
  EXPECT_TRUE(texts.contains("ターン数 0"));
  EXPECT_TRUE(texts.contains("コマ残り 40"));
  EXPECT_TRUE(texts.contains("ノーマル最短記録 -----"));
  EXPECT_TRUE(texts.contains("時間 " + session.labelText("lblByou")));

  // A face-up piece tells its icon, by its back and face and by its name.
  QTest::mouseClick(session.back(3), Qt::LeftButton);
  texts = accessibleTexts(window);
  const QString turned = QString::fromStdString(session.game().board().piece(3).name);
  QStringList told = textsWith(texts, "icon");
  told.sort();
  EXPECT_EQ(told, QStringList(
                      {"1行3列 めくれている " + turned, "1行3列 めくれている " + turned, turned}));

  // Removed pieces say so; the history grid is read cell by cell.
  QTest::mouseClick(session.back(7), Qt::LeftButton);
  texts = accessibleTexts(window);
  EXPECT_TRUE(texts.contains("1行7列 取り除かれた"));
  EXPECT_TRUE(textsWith(texts, "icon").isEmpty());
  EXPECT_TRUE(texts.contains("ターン数 1"));
  QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
  texts = accessibleTexts(window);
  EXPECT_TRUE(texts.contains("プレイ履歴"));
  EXPECT_TRUE(texts.contains("2024/01/02"));
  EXPECT_TRUE(texts.contains("クリア時間"));
}

}  // namespace
}  // namespace polkamina::ui
