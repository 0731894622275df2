#include "ui/help/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

#include "ui/help/help_browser.h"
#include "ui/system/accessible_roles.h"
#include "ui/system/announcer.h"

namespace polkamina::help {

const char* const kRefusedLinkText =
    QT_TRANSLATE_NOOP("Help", "ヘルプファイルの外へのリンクは開けません");
const char* const kMissingPageText =
    QT_TRANSLATE_NOOP("Help", "リンク先のページ「%1」はヘルプファイルの中にありません");
const char* const kMissingDefaultTopicText = QT_TRANSLATE_NOOP(
    "Help", "ヘルプファイルに最初のページ「%1」がないため、「%2」を表示しています");

namespace {

const char* const kFallbackTitle = QT_TRANSLATE_NOOP("Help", "ヘルプ");
// What a screen reader says of a link that the keyboard reaches.
const char* const kLinkText = QT_TRANSLATE_NOOP("Help", "リンク %1");
constexpr int kWidth = 720;
constexpr int kHeight = 560;

// A tool bar button with a shortcut that its tool tip names.
QAction* addTool(QToolBar* tools, const QString& text, const QKeySequence& shortcut,
                 const QString& keyName, const std::function<void()>& action) {
  QAction* tool = tools->addAction(text, action);
  tool->setShortcut(shortcut);
  tool->setToolTip(QStringLiteral("%1 (%2)").arg(text, keyName));
  return tool;
}

// A text of this file in the player's language.
QString shown(const char* text) { return QCoreApplication::translate("Help", text); }

QString entryName(const std::string& entry) {
  const QString name = QString::fromStdString(entry);
  return name.startsWith(u'/') ? name.mid(1) : name;
}

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<const ChmReader> chm, const QString& filePath)
    : chm_(chm),
      filePath_(filePath),
      browser_(new HelpBrowser(std::move(chm), this)),
      announcer_(new system::Announcer(this)) {
  system::useAccessibleRoles();
  setAttribute(Qt::WA_DeleteOnClose);
  // Help is an accessory: closing the game's last window must still end it.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(shown(kFallbackTitle));
  setCentralWidget(browser_);
  resize(kWidth, kHeight);

  QToolBar* tools = addToolBar(QCoreApplication::translate("Help", "ヘルプの操作"));
  tools->setMovable(false);
  QAction* back = addTool(tools, QCoreApplication::translate("Help", "戻る"), QKeySequence::Back,
                          QStringLiteral("Alt+←"), [this] { browser_->backward(); });
  QAction* forward =
      addTool(tools, QCoreApplication::translate("Help", "進む"), QKeySequence::Forward,
              QStringLiteral("Alt+→"), [this] { browser_->forward(); });
  addTool(tools, QCoreApplication::translate("Help", "目次"), QKeySequence(Qt::ALT | Qt::Key_Home),
          QStringLiteral("Alt+Home"), [this] { showDefaultTopic(); });
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  QAction* close = new QAction(this);
  close->setShortcut(Qt::Key_Escape);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageTitle);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::tellPage);
  connect(browser_, &HelpBrowser::linkFocused, this,
          [this](const QString& link) { announcer_->announce(shown(kLinkText).arg(link)); });
  connect(browser_, &QTextBrowser::sourceChanged, statusBar(), &QStatusBar::clearMessage);
  connect(browser_, &HelpBrowser::linkRefused, this,
          [this] { statusBar()->showMessage(shown(kRefusedLinkText)); });
  connect(browser_, &HelpBrowser::missingPage, this, [this](const QString& page) {
    statusBar()->showMessage(shown(kMissingPageText).arg(page));
  });
  showDefaultTopic();
  browser_->setFocus();
}

void HelpWindow::showDefaultTopic() {
  browser_->showDefaultTopic();
  if (!chm_->missingDefaultTopic().empty()) {
    statusBar()->showMessage(
        shown(kMissingDefaultTopicText)
            .arg(entryName(chm_->missingDefaultTopic()), entryName(chm_->defaultTopic())));
  }
}

// A page the player goes to is read to a screen reader as it opens; the first
// one is read as the window opens, with the focus.
void HelpWindow::tellPage() {
  if (browser_->hasFocus()) announcer_->announce(browser_->toPlainText());
}

void HelpWindow::showPageTitle() {
  const QString title = browser_->documentTitle().trimmed();
  setWindowTitle(title.isEmpty() ? shown(kFallbackTitle) : title);
}

}  // namespace polkamina::help
