#include "help_test_support.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <cstring>
#include <memory>

#include "support/runtime_folder.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_window.h"

namespace polkamina::help {

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "help_tests";
    static char* argv[] = {name, nullptr};
    testsupport::useOwnRuntimeFolder();
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override { delete app_; }

 private:
  QApplication* app_ = nullptr;
};
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

std::vector<HelpWindow*> openHelpWindows() {
  std::vector<HelpWindow*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<HelpWindow*>(widget)) windows.push_back(window);
  }
  return windows;
}

bool clickLink(HelpBrowser* browser, const QString& href) {
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(browser->document());
      cursor.setPosition(fragment.position() + 1);
      browser->setTextCursor(cursor);
      browser->ensureCursorVisible();
      QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                        browser->cursorRect(cursor).center());
      return true;
    }
  }
  return false;
}

QStringList pictureNames(QTextDocument* document) {
  QStringList names;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) names.append(format.toImageFormat().name());
    }
  }
  return names;
}

QString answerMessageBox(const std::function<void()>& action) {
  // Shared with the timer, which may only run after the action returns.
  auto text = std::make_shared<QString>();
  QTimer::singleShot(0, [text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *text = box->windowTitle() + "|" + box->text();
      box->accept();
    }
  });
  action();
  QCoreApplication::processEvents();
  return *text;
}

OpenWatch::OpenWatch(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ >= 0) inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS);
}

OpenWatch::~OpenWatch() {
  if (fd_ >= 0) ::close(fd_);
}

QStringList OpenWatch::opened() {
  if (fd_ < 0) return {QStringLiteral("(no inotify)")};
  QStringList names;
  alignas(inotify_event) char buffer[4096];
  ssize_t length = 0;
  while ((length = ::read(fd_, buffer, sizeof buffer)) > 0) {
    for (ssize_t i = 0; i < length;) {
      inotify_event event;
      std::memcpy(&event, buffer + i, sizeof event);
      if (event.len > 0 && !(event.mask & IN_ISDIR)) {
        names.append(QFile::decodeName(buffer + i + sizeof event));
      }
      i += static_cast<ssize_t>(sizeof event + event.len);
    }
  }
  names.removeDuplicates();
  return names;
}

}  // namespace polkamina::help
