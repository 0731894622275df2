#include "ui/help/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "ui/help/help_browser.h"
#include "ui/help/help_viewer.h"

namespace polkamina::help {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "help_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override { delete app_; }

 private:
  QApplication* app_ = nullptr;
};
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::vector<HelpWindow*> openHelpWindows() {
  std::vector<HelpWindow*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<HelpWindow*>(widget)) windows.push_back(window);
  }
  return windows;
}

// Clicks the link whose href is `href` on the page shown, as a player would,
// so QTextBrowser resolves it against the page itself.
bool clickLink(HelpBrowser* browser, const QString& href) {
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(browser->document());
      cursor.setPosition(fragment.position() + 1);
      QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                        browser->cursorRect(cursor).center());
      return true;
    }
  }
  return false;
}

// Answers the next modal message box and returns its text.
QString answerMessageBox(const std::function<void()>& action) {
  QString text;
  QTimer::singleShot(0, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->windowTitle() + "|" + box->text();
      box->accept();
    }
  });
  action();
  return text;
}

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
  const QImage dot = QImage::fromData(
      browser->loadResource(QTextDocument::ImageResource, QUrl("dot.xpm")).toByteArray());
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

  for (const char* href :
       {"http://example.com/", "../outside.html", "file:///etc/passwd", "mailto:player@example.com",
        "ms-its:other.chm::/start.html", "missing.html"}) {
    window->statusBar()->clearMessage();
    ASSERT_TRUE(clickLink(browser, href)) << href;
    EXPECT_EQ(browser->source(), QUrl("chm:/start.html")) << href;
    EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8(kRefusedLinkText)) << href;
  }
  EXPECT_FALSE(browser->isBackwardAvailable());
  EXPECT_EQ(browser->entryFor(QUrl("chm://elsewhere/start.html")), "");
}

TEST_F(HelpWindowTest, ResourcesOutsideTheFileAreNeverReadFromDisk) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  QTemporaryDir folder;
  const QString picture = folder.filePath("real.png");
  ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(picture));

  // Asked through the document, whose own loader would read file: URLs if the
  // browser gave no answer.
  const QVariant resource = window->browser()->document()->resource(QTextDocument::ImageResource,
                                                                    QUrl::fromLocalFile(picture));
  EXPECT_TRUE(QImage::fromData(resource.toByteArray()).isNull());
  EXPECT_TRUE(resource.value<QImage>().isNull());
}

TEST_F(HelpWindowTest, RepeatedRequestsReuseTheWindowAndCloseAllClosesIt) {
  HelpWindow* window = openTestHelp();
  ASSERT_TRUE(window);
  ASSERT_TRUE(clickLink(window->browser(), "sub/page.html#part"));

  showHelp(QString::fromUtf8(HELP_TEST_CHM), nullptr);
  ASSERT_EQ(openHelpWindows().size(), 1u);
  EXPECT_EQ(window->browser()->source(), QUrl("chm:/start.html")) << "back at the default topic";

  // A window the player closed is gone; the next request opens a new one.
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(openHelpWindows().empty());
  QWidget owner;
  owner.show();
  showHelp(QString::fromUtf8(HELP_TEST_CHM), &owner);
  ASSERT_EQ(openHelpWindows().size(), 1u);
  EXPECT_NE(openHelpWindows().front()->parentWidget(), &owner);

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
            QString::fromUtf8("ヘルプ|ヘルプファイル「%1」を開けません。").arg(damaged.fileName()));
  EXPECT_TRUE(openHelpWindows().empty());
}

}  // namespace
}  // namespace polkamina::help
