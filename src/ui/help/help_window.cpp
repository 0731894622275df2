#include "ui/help/help_window.h"

#include <QAction>
#include <QStatusBar>
#include <QToolBar>

#include "ui/help/help_browser.h"

namespace polkamina::help {

const char* const kRefusedLinkText = "ヘルプファイルの外へのリンクは開けません";

namespace {

const char* const kFallbackTitle = "ヘルプ";
constexpr int kRefusedLinkMessageMs = 5000;

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<const ChmReader> chm, const QString& filePath)
    : filePath_(filePath), browser_(new HelpBrowser(std::move(chm), this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  // Help is an accessory: closing the game's last window must still end it.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QString::fromUtf8(kFallbackTitle));
  setCentralWidget(browser_);
  resize(720, 560);

  QToolBar* tools = addToolBar(QStringLiteral("help"));
  tools->setMovable(false);
  QAction* back = tools->addAction(QStringLiteral("戻る"), browser_, &QTextBrowser::backward);
  QAction* forward = tools->addAction(QStringLiteral("進む"), browser_, &QTextBrowser::forward);
  tools->addAction(QStringLiteral("目次"), this, &HelpWindow::showDefaultTopic);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageTitle);
  connect(browser_, &HelpBrowser::linkRefused, this, &HelpWindow::reportRefusedLink);
  statusBar();
  showDefaultTopic();
}

void HelpWindow::showDefaultTopic() { browser_->showDefaultTopic(); }

void HelpWindow::showPageTitle() {
  const QString title = browser_->documentTitle().trimmed();
  setWindowTitle(title.isEmpty() ? QString::fromUtf8(kFallbackTitle) : title);
}

void HelpWindow::reportRefusedLink() {
  statusBar()->showMessage(QString::fromUtf8(kRefusedLinkText), kRefusedLinkMessageMs);
}

}  // namespace polkamina::help
