// The windows in English: every text fits the control it sits in, at the
// design's sizes, and a game played in English leaves the same data files as
// the same game in Japanese.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <map>

#include "game/clock_text.h"
#include "ui/record_window.h"
#include "ui/system/language.h"
#include "ui_test_support.h"
#include "window_session.h"

namespace polkamina::ui {
namespace {

// What a text needs beside its own width in a button or a frame's caption.
constexpr int kButtonMargins = 4;
constexpr int kCaptionMargins = 16;

int widthOf(const QWidget* widget, const QString& text) {
  return widget->fontMetrics().horizontalAdvance(text);
}

// The room a control gives its text, or -1 for a control without text.
int roomFor(QWidget* widget, const QString& text) {
  if (text.isEmpty()) return -1;
  if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = text;
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->contentsRect().width() - 2 * label->margin();
  }
  if (qobject_cast<QAbstractButton*>(widget)) return widget->width() - kButtonMargins;
  if (qobject_cast<QGroupBox*>(widget)) return widget->width() - kCaptionMargins;
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
  }
  return -1;
}

// Each text of the window's controls that is wider than its room, and how
// many texts fit.
int checkTextsFit(QWidget* window) {
  int fitting = 0;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    for (const QString& text : uitest::shownTexts(widget)) {
      const int room = roomFor(widget, text);
      if (room < 0) continue;
      EXPECT_LE(widthOf(widget, text), room)
          << widget->objectName().toStdString() << ": \"" << text.toStdString() << "\"";
      ++fitting;
    }
  }
  if (auto* grid = window->findChild<QTableView*>()) {
    const QHeaderView* header = grid->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int column = 0; column < header->count(); ++column) {
      const QString title = grid->model()->headerData(column, Qt::Horizontal).toString();
      EXPECT_LE(widthOf(header, title) + margins, header->sectionSize(column))
          << title.toStdString();
      ++fitting;
    }
  }
  return fitting;
}

class English : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::application();
    system::useTranslation("polkamina_en");
  }
  void TearDown() override { system::useTranslation(""); }
};

TEST_F(English, EveryTextFitsItsControl) {
  Session session;
  ASSERT_EQ(session.find<QToolButton>("cmdStart")->text(), "Start");
  session.chooseLevel(0);
  QWidget* board = session.find<QWidget>("fraKiri");
  QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(5, 345));
  ASSERT_NE(session.find<QWidget>("msgRireki"), nullptr);
  ASSERT_TRUE(session.find<QWidget>("msgRireki")->isVisible());
  EXPECT_GT(checkTextsFit(&session.window()), 25);
  for (int level = 1; level < 4; ++level) {
    session.chooseLevel(level);
    EXPECT_GT(checkTextsFit(&session.window()), 25);
  }

  session.find<QToolButton>("cmdSettei")->click();
  QWidget* settings = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "frmSub" && widget->isVisible()) settings = widget;
  }
  ASSERT_NE(settings, nullptr);
  EXPECT_GT(checkTextsFit(settings), 20);
  settings->close();

  session.find<QToolButton>("cmdStart")->click();
  session.window().findChild<QAction*>("pauseEntry")->trigger();
  ASSERT_TRUE(session.find<QWidget>("pauseCover")->isVisible());
  EXPECT_GT(checkTextsFit(&session.window()), 25);

  for (const char* message : {"New turn record on Normal!", "New time record on Normal!"}) {
    uitest::withModalWindow([&] { showRecordWindow(&session.window(), message); },
                            [](QWidget* window) { EXPECT_GE(checkTextsFit(window), 2); });
  }
}

// A clock that stands still: the same game writes the same times.
class StillClock : public game::Clock {
 public:
  double secondsSinceMidnight() override { return 3600; }
  double monotonicSeconds() override { return 100; }
  std::string dateText() override { return "2026/12/09"; }
  std::string timeText() override { return "01:00:00"; }
};

// Plays a whole game of イージー, whose deal lays the two icons alternately,
// saves it, and returns the data files' bytes.
std::map<QString, QByteArray> playEasyGame(std::vector<std::string>& recordMessages) {
  Session session(1, {}, std::make_unique<StillClock>());
  session.chooseLevel(0);
  session.find<QToolButton>("cmdStart")->click();
  for (int first : {1, 2}) {
    for (int i = first; i < 40; i += 4) {
      QTest::mouseClick(session.back(i), Qt::LeftButton);
      QTest::mouseClick(session.back(i + 2), Qt::LeftButton);
    }
  }
  session.find<QToolButton>("cmdHozon")->click();
  recordMessages = session.recordMessages;

  std::map<QString, QByteArray> files;
  for (const char* name : {"設定.txt", "設定2.txt", "記録.txt", "履歴.txt"}) {
    QFile file(QString::fromStdString(session.folder()) + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    files[name] = file.readAll();
  }
  return files;
}

TEST_F(English, AGameInEnglishWritesTheFilesOfTheSameGameInJapanese) {
  std::vector<std::string> english;
  const std::map<QString, QByteArray> englishFiles = playEasyGame(english);
  system::useTranslation("");
  std::vector<std::string> japanese;
  const std::map<QString, QByteArray> japaneseFiles = playEasyGame(japanese);

  EXPECT_EQ(english,
            (std::vector<std::string>{"New turn record on Easy!", "New time record on Easy!"}));
  EXPECT_EQ(japanese.size(), 2u);
  for (const auto& [name, bytes] : japaneseFiles) {
    EXPECT_EQ(englishFiles.at(name), bytes) << name.toStdString();
  }
  EXPECT_TRUE(
      japaneseFiles.at("設定2.txt").contains("\x83\x43\x81\x5B\x83\x57\x81\x5B"));  // イージー
  EXPECT_TRUE(japaneseFiles.at("履歴.txt").contains("20\x89\xf1"));                 // 20回
}

}  // namespace
}  // namespace polkamina::ui
