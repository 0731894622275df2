#include "ui/help/help_window.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>
#include <QTimer>
#include <QWindow>
#include <map>
#include <set>

#include "help_test_support.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_urls.h"
#include "ui/help/help_viewer.h"
#include "ui/help/html_cleaner.h"

namespace polkamina::help {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { closeAllHelpWindows(); }

  HelpWindow* openTestHelp() {
    showHelp(QString::fromUtf8(HELP_TEST_CHM), nullptr);
    const auto windows = openHelpWindows();
    return windows.size() == 1 ? windows.front() : nullptr;
  }
};

TEST_F(HelpWindowTest, OpensAtTheDefaultTopicAndFollowsLinksInsideTheFile) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  HelpBrowser* browser = window->browser();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_FALSE(window->parentWidget());
  EXPECT_EQ(browser->source(), QUrl("chm:/start.html"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("はじめのページ"));

  ASSERT_TRUE(clickLink(browser, "sub/page.html#part"));
  EXPECT_EQ(browser->source(), QUrl("chm:/sub/page.html#part"));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("サブ"));
  // Its picture comes from the file, relative to the page.
  EXPECT_EQ(pictureNames(browser->document()), QStringList{pictureSourceForEntry("/sub/dot.png")});
  const QImage dot =
      browser->document()
          ->resource(QTextDocument::ImageResource, pictureUrlForEntry("/sub/dot.png"))
          .value<QImage>();
  EXPECT_EQ(dot.size(), QSize(4, 3));

  ASSERT_TRUE(clickLink(browser, "../start.html"));
  EXPECT_EQ(browser->source(), QUrl("chm:/start.html"));
  browser->backward();
  EXPECT_EQ(browser->source().path(), "/sub/page.html");
  browser->forward();
  EXPECT_EQ(browser->source(), QUrl("chm:/start.html"));
}

TEST_F(HelpWindowTest, LinksLeavingTheFileAreRefused) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  HelpBrowser* browser = window->browser();

  for (const char* href : {"http://example.com/", "file:///etc/passwd", "mailto:player@example.com",
                           "ms-its:other.chm::/start.html"}) {
    window->statusBar()->clearMessage();
    ASSERT_TRUE(clickLink(browser, href)) << href;
    EXPECT_EQ(browser->source(), QUrl("chm:/start.html")) << href;
    EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8(kRefusedLinkText)) << href;
  }
  // A page the file does not hold, inside it or above its root, is named.
  for (const char* href : {"missing.html", "../outside.html"}) {
    window->statusBar()->clearMessage();
    ASSERT_TRUE(clickLink(browser, href)) << href;
    EXPECT_EQ(browser->source(), QUrl("chm:/start.html")) << href;
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QString::fromUtf8(kMissingPageText).arg(QString(href).remove("../")))
        << href;
  }
  EXPECT_FALSE(browser->isBackwardAvailable());
  EXPECT_EQ(browser->entryFor(QUrl("chm://elsewhere/start.html")), "");

  // Windows' own address of a page of this very file leads to it.
  ASSERT_TRUE(clickLink(browser, "chm:/about.html"));
  EXPECT_EQ(browser->source(), QUrl("chm:/about.html"));
}

TEST_F(HelpWindowTest, ResourcesOutsideTheFileAreNeverReadFromDisk) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  QTemporaryDir folder;
  const QString picture = folder.filePath("real.png");
  ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(picture));

  OpenWatch watch(folder.path());

  // Asked through the document, whose own loader would read file: URLs if the
  // browser gave no answer: the answer is a picture that shows nothing.
  const QVariant resource = window->browser()->document()->resource(QTextDocument::ImageResource,
                                                                    QUrl::fromLocalFile(picture));
  EXPECT_TRUE(QImage::fromData(resource.toByteArray()).isNull());
  EXPECT_EQ(resource.value<QImage>().size(), QSize(1, 1)) << "not the picture on the disk";
  EXPECT_EQ(qAlpha(resource.value<QImage>().pixel(0, 0)), 0);
  EXPECT_EQ(watch.opened(), QStringList());
}

TEST_F(HelpWindowTest, RepeatedRequestsReuseTheWindowAndCloseAllClosesIt) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  ASSERT_TRUE(clickLink(window->browser(), "sub/page.html#part"));

  showHelp(QString::fromUtf8(HELP_TEST_CHM), nullptr);
  ASSERT_EQ(openHelpWindows().size(), 1u);
  EXPECT_EQ(window->browser()->source(), QUrl("chm:/sub/page.html#part"))
      << "the page being read is kept";

  // A window the player closed is gone; the next request opens a new one.
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(openHelpWindows().empty());
  QWidget owner;
  owner.show();
  showHelp(QString::fromUtf8(HELP_TEST_CHM), &owner);
  ASSERT_EQ(openHelpWindows().size(), 1u);
  // A window of its own that the window system keeps above its owner.
  HelpWindow* ownedWindow = openHelpWindows().front();
  EXPECT_TRUE(ownedWindow->isWindow());
  ASSERT_NE(ownedWindow->windowHandle(), nullptr);
  EXPECT_EQ(ownedWindow->windowHandle()->transientParent(), owner.windowHandle());

  closeAllHelpWindows();
  EXPECT_TRUE(openHelpWindows().empty());
  closeAllHelpWindows();  // nothing left to close
}

TEST_F(HelpWindowTest, MissingOrDamagedFileIsReportedAndNothingOpens) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("pkHelp.chm");
  EXPECT_EQ(answerMessageBox([&] { showHelp(missing, nullptr); }),
            QString::fromUtf8("ヘルプ|ヘルプファイル「%1」が見つかりません。").arg(missing));

  QFile damaged(folder.filePath("broken.chm"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("ITSF not really a help file");
  damaged.close();
  EXPECT_EQ(answerMessageBox([&] { showHelp(damaged.fileName(), nullptr); }),
            QString::fromUtf8("ヘルプ|ヘルプファイル「%1」は壊れているため開けません。")
                .arg(damaged.fileName()));
  EXPECT_TRUE(openHelpWindows().empty());
}

TEST_F(HelpWindowTest, KeyboardMovesThroughPagesAndEscCloses) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  HelpBrowser* browser = window->browser();
  EXPECT_TRUE(browser->hasFocus());
  ASSERT_TRUE(clickLink(browser, "sub/page.html#part"));

  QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(browser->source(), QUrl("chm:/start.html"));
  QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(browser->source().path(), "/sub/page.html");
  QTest::keyClick(browser, Qt::Key_Home, Qt::AltModifier);
  EXPECT_EQ(browser->source(), QUrl("chm:/start.html"));

  QTest::keyClick(browser, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(openHelpWindows().empty());
}

// A screen reader is told of each link the keyboard reaches, and reads each
// page that the player goes to.
TEST_F(HelpWindowTest, ScreenReadersHearTheLinksAndPagesTheKeyboardReaches) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  HelpBrowser* browser = window->browser();
  auto* announcer = window->findChild<QWidget*>("announcer");
  ASSERT_TRUE(announcer);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);

  QTest::keyClick(browser, Qt::Key_Tab);
  const QString link = browser->textCursor().selectedText();
  ASSERT_FALSE(link.isEmpty());
  EXPECT_EQ(announcer->accessibleName(), "リンク " + link);
  EXPECT_TRUE(browser->hasFocus());

  QTest::keyClick(browser, Qt::Key_Return);
  EXPECT_NE(browser->source(), QUrl("chm:/start.html"));
  EXPECT_EQ(announcer->accessibleName(), browser->toPlainText());
}

TEST(HelpPlacement, BesideTheOwnerAndNeverOverItsButtons) {
  const QSize help(720, 560);
  const QRect wide(0, 0, 1920, 1080);
  const auto buttonsOf = [](const QRect& owner) {
    return QRect(owner.left() + 220, owner.top() + 10, 400, 61);
  };
  // Room on the right: there, as wide as the room allows.
  const QRect centred(644, 314, 631, 452);
  EXPECT_EQ(placeBeside(help, centred, buttonsOf(centred), wide), QRect(1275, 314, 645, 560));
  // No room on the right: on the left, whole.
  const QRect right(1289, 100, 631, 452);
  EXPECT_EQ(placeBeside(help, right, buttonsOf(right), wide), QRect(569, 100, 720, 560));
  // No room anywhere: over the owner where it hides the least of it, as
  // narrow (or low) as a help window may be, but never over its buttons, and
  // on the screen. Centred on a screen of 1024 × 768, it hides a quarter.
  const auto hidden = [](const QRect& place, const QRect& owner) {
    const QRect covered = place.intersected(owner);
    return double(covered.width()) * covered.height() / (double(owner.width()) * owner.height());
  };
  for (const auto& [screen, mostHidden] :
       {std::pair{QRect(0, 0, 1280, 1024), 0.0}, std::pair{QRect(0, 0, 1024, 768), 0.27},
        std::pair{QRect(0, 0, 800, 600), 0.45}}) {
    const QRect owner(screen.center() - QPoint(315, 226), QSize(631, 452));
    const QRect place = placeBeside(help, owner, buttonsOf(owner), screen);
    EXPECT_FALSE(place.intersects(buttonsOf(owner))) << screen.width();
    EXPECT_TRUE(screen.contains(place)) << screen.width();
    EXPECT_GE(place.width(), kNarrowestBeside) << screen.width();
    EXPECT_GE(place.height(), kLowestBelowButtons) << screen.width();
    EXPECT_LE(hidden(place, owner), mostHidden) << screen.width();
    for (const QPoint& corner : {screen.topLeft(), QPoint(screen.right() - 719, 0)}) {
      const QRect other = QRect(corner, help).intersected(screen);
      if (!other.intersects(buttonsOf(owner))) {
        EXPECT_LE(long(place.intersected(owner).width()) * place.intersected(owner).height(),
                  long(other.intersected(owner).width()) * other.intersected(owner).height());
      }
    }
  }
}

// The help file the game ships: every page is shown whole with its style
// sheet, and every link leads to a page of the file and a place on it.
TEST(ShippedHelp, EveryPageShowsItsDesignedLookAndLinksStayInTheFile) {
  auto chm = std::make_shared<ChmReader>();
  ASSERT_EQ(chm->open(SHIPPED_HELP_CHM), ChmReader::Status::Ok);
  EXPECT_EQ(chm->defaultTopic(), "/index.html");
  HelpBrowser browser(chm);
  std::map<QString, std::set<QString>> anchors;  // per page
  std::vector<std::pair<QString, QUrl>> links;   // page, link resolved
  int pages = 0;
  for (const std::string& name : chm->entries()) {
    const QString entry = QString::fromStdString(name);
    if (!entry.endsWith(".html")) continue;
    ++pages;
    browser.setSource(urlForEntry(entry), QTextDocument::HtmlResource);
    QTextDocument* document = browser.document();
    const auto bytes = chm->read(name);
    ASSERT_TRUE(bytes) << name;
    const CleanPage cleaned =
        cleanPage(QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                                    static_cast<qsizetype>(bytes->size())),
                  *chm, entry);
    EXPECT_FALSE(cleaned.problem) << name;
    EXPECT_FALSE(browser.documentTitle().isEmpty()) << name;
    bool heading = false;
    int bodyText = 0;  // paragraphs in the pages' 11 pt
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
      const qreal points = block.charFormat().font().pointSizeF();
      if (block.blockFormat().headingLevel() == 1) {
        heading = true;
        EXPECT_EQ(block.blockFormat().background().color(), QColor("#ffe0c0")) << name;
      } else if (!block.text().isEmpty()) {
        bodyText += points == 11;
        EXPECT_GE(points, 10) << name << ": " << block.text().toStdString();
      }
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        for (const QString& anchor : format.anchorNames()) anchors[entry].insert(anchor);
        if (!format.anchorHref().isEmpty()) {
          links.emplace_back(entry, browser.source().resolved(QUrl(format.anchorHref())));
        }
      }
    }
    EXPECT_TRUE(heading) << name;
    EXPECT_GT(bodyText, 0) << name;
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
      if (auto* table = qobject_cast<QTextTable*>(frame)) {
        EXPECT_GE(table->format().border(), 1) << name;
      }
    }
  }
  EXPECT_EQ(pages, 11);
  for (const auto& [page, link] : links) {
    const QString target = entryAt(*chm, link);
    EXPECT_FALSE(target.isEmpty()) << page.toStdString() << " -> " << link.toString().toStdString();
    if (link.hasFragment()) {
      EXPECT_TRUE(anchors[target].count(link.fragment()))
          << page.toStdString() << " -> " << link.toString().toStdString();
    }
  }
}

}  // namespace
}  // namespace polkamina::help
