// The help viewer against help files made to hurt it: compiled with chmcmd
// at build time (see CMakeLists.txt), cut off, or corrupted here.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include "help_test_support.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_urls.h"
#include "ui/help/help_viewer.h"
#include "ui/help/help_window.h"
#include "ui/help/html_cleaner.h"

namespace polkamina::help {
namespace {

// The longest a help page may keep the game from handling its events.
constexpr qint64 kMomentMs = 1000;
// Qt's largest layout coordinate; a taller page never finishes laying out.
constexpr qreal kQtLargestCoordinate = 8388607;

const QString kHostile = QStringLiteral(HOSTILE_DIR "/hostile.chm");

class HostileHelp : public ::testing::Test {
 protected:
  void TearDown() override { closeAllHelpWindows(); }

  static HelpWindow* open(const QString& file) {
    showHelp(file, nullptr);
    const auto windows = openHelpWindows();
    return windows.size() == 1 ? windows.front() : nullptr;
  }
};

// Lays the page shown out whole and paints it, at the screen's pixel ratio
// and at twice that (where Qt's image handler looks for "@2x" pictures).
void layOutAndPaint(HelpWindow* window) {
  window->browser()->document()->documentLayout()->documentSize();
  window->grab();
  QImage doubled(window->browser()->viewport()->size() * 2, QImage::Format_ARGB32);
  doubled.setDevicePixelRatio(2);
  window->browser()->viewport()->render(&doubled);
}

// The longest the event loop went without handling a timer while `pages`
// were opened one after another as a player would open them.
qint64 longestPause(HelpWindow* window, const QStringList& pages) {
  QElapsedTimer sinceTick;
  qint64 longest = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longest = std::max(longest, sinceTick.restart()); });
  ticker.start(10);
  sinceTick.start();
  for (const QString& page : pages) {
    QTimer::singleShot(0, [&] {
      window->browser()->setSource(urlForEntry(page), QTextDocument::HtmlResource);
      layOutAndPaint(window);
    });
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return std::max(longest, sinceTick.elapsed());
}

TEST_F(HostileHelp, NoPageHoldsTheGameForMoreThanAMoment) {
  HelpWindow* window = open(kHostile);
  ASSERT_TRUE(window);
  const struct {
    const char* page;
    const char* shows;
  } cases[] = {
      {"/deep-tables.html", "表の入れ子が深すぎる"},
      {"/deep-divs.html", "要素の入れ子が深すぎる"},
      {"/huge.html", "大きすぎる"},
      {"/long-word.html", "改行できない長い文字の並び"},
      {"/heavy-style.html", "スタイルシートが大きすぎるか複雑すぎる"},
      {"/tall.html", "a\na\na"},
  };
  for (const auto& hostile : cases) {
    const QString page = QString::fromLatin1(hostile.page);
    EXPECT_LT(longestPause(window, {page}), kMomentMs) << hostile.page;
    const QString text = window->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8(hostile.shows)))
        << hostile.page << ": " << text.left(200).toStdString();
    if (!text.contains("a\na")) {
      EXPECT_TRUE(text.contains(page.mid(1))) << "the message names the page";
    }
    EXPECT_LT(window->browser()->document()->documentLayout()->documentSize().height(),
              kQtLargestCoordinate)
        << hostile.page;
  }
  EXPECT_LT(longestPause(window, {"/deep-tables.html", "/index.html", "/deep-divs.html",
                                  "/tall.html", "/huge.html"}),
            kMomentMs);
}

TEST_F(HostileHelp, NothingOutsideTheFileIsOpened) {
  const QString outside = QStringLiteral(OUTSIDE_DIR);
  const QByteArray fifo = QFile::encodeName(outside + "/fifo.png");
  ASSERT_TRUE(::mkfifo(fifo.constData(), 0600) == 0 || errno == EEXIST);
  // Relative names the viewer might try on the disk would be looked up here.
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(outside));
  OpenWatch watch(outside);

  HelpWindow* window = open(QStringLiteral(HOSTILE_DIR "/hostile-outside.chm"));
  ASSERT_TRUE(window);
  layOutAndPaint(window);
  QDir::setCurrent(previous);

  EXPECT_EQ(watch.opened(), QStringList());
  // Only the picture the file holds is on the page, and it comes from the
  // file; the others gave way to their alt texts.
  QTextDocument* document = window->browser()->document();
  EXPECT_EQ(pictureNames(document), QStringList{pictureSourceForEntry("/inside.png")});
  EXPECT_EQ(document->resource(QTextDocument::ImageResource, pictureUrlForEntry("/inside.png"))
                .value<QImage>()
                .size(),
            QSize(4, 3));
  for (const char* alt :
       {"relative", "parent", "absolute", "file", "relative FIFO", "absolute FIFO", "network"}) {
    EXPECT_TRUE(window->browser()->toPlainText().contains(QString::fromLatin1(alt))) << alt;
  }
  // The style sheets outside the file were not applied either.
  EXPECT_NE(document->begin().charFormat().foreground().color(), QColor("#ff00ff"));
}

TEST_F(HostileHelp, CutOffOrCorruptFilesGiveAMessageOrAPageWithWords) {
  QTemporaryDir folder;
  const QString damaged = folder.filePath("pkHelp.chm");
  QRandomGenerator random(20261207);
  for (const QString& source :
       {QStringLiteral(SHIPPED_HELP_CHM), QStringLiteral(HOSTILE_DIR "/hostile-outside.chm")}) {
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << source.toStdString();
    const QByteArray whole = file.readAll();
    std::vector<QByteArray> variants;
    for (qsizetype length = 0; length < whole.size(); length += whole.size() / 61 + 1) {
      variants.push_back(whole.left(length));
    }
    for (int i = 0; i < 40; ++i) {
      QByteArray corrupt = whole;
      for (int j = 0; j < 16; ++j) {
        corrupt[random.bounded(int(corrupt.size()))] = char(random.bounded(256));
      }
      variants.push_back(corrupt);
    }
    for (const QByteArray& bytes : variants) {
      QFile out(damaged);
      ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
      out.write(bytes);
      out.close();
      QElapsedTimer timer;
      timer.start();
      const QString message = answerMessageBox([&] { showHelp(damaged, nullptr); });
      const auto windows = openHelpWindows();
      if (message.isEmpty()) {
        ASSERT_EQ(windows.size(), 1u) << bytes.size();
        layOutAndPaint(windows.front());
        EXPECT_FALSE(windows.front()->browser()->toPlainText().trimmed().isEmpty())
            << "a blank window for " << bytes.size() << " bytes";
      } else {
        EXPECT_TRUE(windows.empty());
        EXPECT_TRUE(message.contains(QStringLiteral("壊れている")) ||
                    message.contains(QStringLiteral("大きすぎる")))
            << message.toStdString();
      }
      EXPECT_LT(timer.elapsed(), kMomentMs);
      closeAllHelpWindows();
    }
  }
}

TEST_F(HostileHelp, MissingPagesAreNamed) {
  HelpWindow* window = open(QStringLiteral(HOSTILE_DIR "/hostile-no-topic.chm"));
  ASSERT_TRUE(window);
  EXPECT_EQ(window->browser()->source(), urlForEntry("/index.html"));
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QString::fromUtf8(kMissingDefaultTopicText).arg("nosuch.html", "index.html"));

  window->browser()->setSource(urlForEntry("/missing-link.html"), QTextDocument::HtmlResource);
  EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
  ASSERT_TRUE(clickLink(window->browser(), "nosuch.html"));
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QString::fromUtf8(kMissingPageText).arg("nosuch.html"));
  // Reached some other way, the missing page gets a page of its own.
  window->browser()->setSource(urlForEntry("/nosuch.html"), QTextDocument::HtmlResource);
  EXPECT_TRUE(window->browser()->toPlainText().contains(
      QStringLiteral("「/nosuch.html」というページはヘルプファイルの中にありません")));
  ASSERT_TRUE(clickLink(window->browser(), "chm:/index.html"));
  EXPECT_EQ(window->browser()->source(), urlForEntry("/index.html"));
}

}  // namespace
}  // namespace polkamina::help
