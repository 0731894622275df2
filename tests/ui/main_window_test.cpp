#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

#include "game/main_game.h"
#include "game/seams.h"
#include "store/data_folder.h"
#include "ui/system/qt_host.h"
#include "ui_test_support.h"

namespace polkamina::ui {
namespace {

// Every draw is 0: the deal takes the first icons of the list and lays the
// pool out in order, so on ノーマル piece i shows icon (i - 1) mod 4.
class FirstDraws : public game::Random {
 public:
  void reseed() override {}
  float next() override { return 0; }
};

// A game folder with 20 pictures, fast delays and `historyLines` saved games.
void makeGameFolder(const QString& folder, int historyLines) {
  const QDir defaults(POLKAMINA_DEFAULTS_DIR);
  for (const QString& name : defaults.entryList({"*.txt"}, QDir::Files)) {
    QFile::copy(defaults.filePath(name), folder + "/" + name);
  }
  for (int i = 0; i < 20; ++i) {
    const QString name = QString("icon%1.ico").arg(i, 2, 10, QChar('0'));
    uitest::writeFile(folder + "/" + name, uitest::icoFile(32, QColor::fromHsv(i * 18, 200, 200)));
  }
  uitest::writeFile(folder + "/設定.txt", " .1 \r\n .1 \r\n");
  QByteArray history;
  for (int i = 0; i < historyLines; ++i) {
    history += "\"2024/01/02\",\"10:00:00\",\"Normal\",\"30\",\"01:00\",\"\",\"\"\r\n";
  }
  uitest::writeFile(folder + "/履歴.txt", history);
}

// The game and its main window over a fresh game folder, started up and shown.
class Session {
 public:
  // adjustFolder, when given, changes the game folder before start-up.
  explicit Session(int historyLines = 0,
                   const std::function<void(const std::string&)>& adjustFolder = {}) {
    uitest::application();
    makeGameFolder(dir_.path(), historyLines);
    if (adjustFolder) adjustFolder(dir_.path().toStdString());
    folder_ = std::make_unique<store::DataFolder>(dir_.path().toStdString());
    game_ = std::make_unique<game::MainGame>(shared_, *folder_, host_, clock_, random_);
    window_ = std::make_unique<MainWindow>(*game_, shared_, *folder_, random_, host_);
    startup_ = game_->Form_Load();
    window_->showCentred();
  }

  template <typename Widget>
  Widget* find(const QString& name) const {
    return window_->findChild<Widget*>(name);
  }
  QPushButton* back(int i) const { return find<QPushButton>(QString("cmdKoma_%1").arg(i)); }
  QLabel* face(int i) const { return find<QLabel>(QString("imgKoma_%1").arg(i)); }
  QLabel* name(int i) const { return find<QLabel>(QString("lblKoma_%1").arg(i)); }
  QString labelText(const char* name) const { return find<QLabel>(name)->text(); }

  std::string folder() const { return dir_.path().toStdString(); }
  game::MainGame& game() { return *game_; }
  MainWindow& window() { return *window_; }
  game::StartupResult startup() const { return startup_; }
  std::vector<std::string> recordMessages;

 private:
  QTemporaryDir dir_;
  game::SharedValues shared_;
  std::unique_ptr<store::DataFolder> folder_;
  system::QtHost host_{
      [this](QWidget*, const std::string& message) { recordMessages.push_back(message); }};
  game::SystemClock clock_;
  FirstDraws random_;
  std::unique_ptr<game::MainGame> game_;
  std::unique_ptr<MainWindow> window_;
  game::StartupResult startup_ = game::StartupResult::Exit;
};

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
  EXPECT_EQ(session.find<QWidget>("msgRireki")->geometry(), QRect(10, 13, 571, 257));
  EXPECT_EQ(session.find<QWidget>("Line1_0")->geometry(), QRect(10, 85, 611, 1));
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
  auto* grid = session.find<QTableView>("msgRireki");
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

  QTest::mouseDClick(session.find<QWidget>("fraKiri"), Qt::LeftButton, Qt::NoModifier,
                     QPoint(5, 345));
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

}  // namespace
}  // namespace polkamina::ui
