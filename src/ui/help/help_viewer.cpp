#include "ui/help/help_viewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/help/chm_reader.h"
#include "ui/help/help_window.h"

namespace polkamina::help {

namespace {

const char* const kCaption = "ヘルプ";
// How far a new help window sits from its owner's top-left corner.
constexpr int kOffsetFromOwner = 40;

std::vector<QPointer<HelpWindow>>& helpWindows() {
  static std::vector<QPointer<HelpWindow>> windows;
  return windows;
}

HelpWindow* windowFor(const QString& filePath) {
  for (const QPointer<HelpWindow>& window : helpWindows()) {
    if (window && window->filePath() == filePath) return window;
  }
  return nullptr;
}

void forgetClosedWindows() {
  auto& windows = helpWindows();
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [](const QPointer<HelpWindow>& window) { return window.isNull(); }),
                windows.end());
}

void warn(QWidget* owner, const char* format, const QString& fileName) {
  QMessageBox::warning(owner, QString::fromUtf8(kCaption), QString::fromUtf8(format).arg(fileName));
}

// Places the window just below and right of its owner, kept on the owner's
// screen. The owner is used for nothing else: the window is not its child.
void placeNear(HelpWindow* window, const QWidget* owner) {
  if (!owner) return;
  QRect frame = window->frameGeometry();
  frame.moveTopLeft(owner->frameGeometry().topLeft() + QPoint(kOffsetFromOwner, kOffsetFromOwner));
  if (const QScreen* screen = owner->screen()) {
    const QRect available = screen->availableGeometry();
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
  }
  window->move(frame.topLeft());
}

void closeWithApplication() {
  static bool connected = false;
  if (connected || !qApp) return;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &closeAllHelpWindows);
  connected = true;
}

}  // namespace

void showHelp(const QString& fileName, QWidget* owner) {
  const QString filePath = QFileInfo(fileName).absoluteFilePath();
  forgetClosedWindows();
  if (HelpWindow* window = windowFor(filePath)) {
    window->showDefaultTopic();
    window->showNormal();
    window->raise();
    window->activateWindow();
    return;
  }

  auto chm = std::make_shared<ChmReader>();
  switch (chm->open(QFile::encodeName(filePath).toStdString())) {
    case ChmReader::Status::Missing:
      warn(owner, "ヘルプファイル「%1」が見つかりません。", fileName);
      return;
    case ChmReader::Status::Damaged:
      warn(owner, "ヘルプファイル「%1」を開けません。", fileName);
      return;
    case ChmReader::Status::Ok:
      break;
  }

  auto* window = new HelpWindow(std::move(chm), filePath);
  placeNear(window, owner);
  helpWindows().emplace_back(window);
  closeWithApplication();
  window->show();
}

void closeAllHelpWindows() {
  std::vector<QPointer<HelpWindow>> windows;
  windows.swap(helpWindows());
  for (const QPointer<HelpWindow>& window : windows) {
    if (!window) continue;
    window->close();
    delete window.data();
  }
}

}  // namespace polkamina::help
