#include "ui/help/help_viewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/help/chm_reader.h"
#include "ui/help/help_window.h"
#include "ui/system/window_owner.h"

namespace polkamina::help {

namespace {

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

void warn(QWidget* owner, const QString& format, const QString& fileName) {
  QMessageBox::warning(owner, QCoreApplication::translate("Help", "ヘルプ"), format.arg(fileName));
}

QRect keptInside(QRect rect, const QRect& screen) {
  rect.moveLeft(std::max(screen.left(), std::min(rect.left(), screen.right() - rect.width() + 1)));
  rect.moveTop(std::max(screen.top(), std::min(rect.top(), screen.bottom() - rect.height() + 1)));
  return rect;
}

long area(const QRect& rect) { return rect.isEmpty() ? 0 : long{rect.width()} * rect.height(); }

void closeWithApplication() {
  static bool connected = false;
  if (connected || !qApp) return;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &closeAllHelpWindows);
  connected = true;
}

}  // namespace

void showHelp(const QString& fileName, QWidget* owner, const QRect& keepVisible) {
  const QString filePath = QFileInfo(fileName).absoluteFilePath();
  forgetClosedWindows();
  // The window already open keeps the page being read.
  if (HelpWindow* window = windowFor(filePath)) {
    window->showNormal();
    window->raise();
    window->activateWindow();
    return;
  }

  auto chm = std::make_shared<ChmReader>();
  switch (chm->open(QFile::encodeName(filePath).toStdString())) {
    case ChmReader::Status::Missing:
      warn(owner, QCoreApplication::translate("Help", "ヘルプファイル「%1」が見つかりません。"),
           fileName);
      return;
    case ChmReader::Status::Unreadable:
      warn(owner, QCoreApplication::translate("Help", "ヘルプファイル「%1」を読めません。"),
           fileName);
      return;
    case ChmReader::Status::TooLarge:
      warn(owner,
           QCoreApplication::translate("Help", "ヘルプファイル「%1」は大きすぎるため開けません。"),
           fileName);
      return;
    case ChmReader::Status::Damaged:
      warn(owner,
           QCoreApplication::translate("Help", "ヘルプファイル「%1」は壊れているため開けません。"),
           fileName);
      return;
    case ChmReader::Status::Ok:
      break;
  }

  auto* window = new HelpWindow(std::move(chm), filePath);
  system::keepAbove(window, owner);
  placeNear(window, owner, keepVisible);
  helpWindows().emplace_back(window);
  closeWithApplication();
  window->show();
  // Where no window manager activates a new window, it would open without
  // the keyboard and unheard by screen readers.
  window->activateWindow();
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

QRect placeBeside(const QSize& size, const QRect& owner, const QRect& keepVisible,
                  const QRect& screen) {
  const QSize full = size.boundedTo(screen.size());
  // Beside the owner the window takes the room there, as little more of
  // the owner as its least size needs, and no more than its full size.
  const auto fitted = [](int room, int least, int most) {
    return std::min(std::max(room, std::min(least, most)), most);
  };
  const int rightWidth = fitted(screen.right() - owner.right(), kNarrowestBeside, full.width());
  const int leftWidth = fitted(owner.left() - screen.left(), kNarrowestBeside, full.width());
  const int belowHeight =
      fitted(screen.bottom() - owner.bottom(), kLowestBelowButtons, full.height());
  const int aboveHeight = fitted(owner.top() - screen.top(), kLowestBelowButtons, full.height());
  // In order of preference: right, left, below, above.
  const QRect candidates[] = {
      QRect(QPoint(owner.right() + 1, owner.top()), QSize(rightWidth, full.height())),
      QRect(QPoint(owner.left() - leftWidth, owner.top()), QSize(leftWidth, full.height())),
      QRect(QPoint(owner.left(), owner.bottom() + 1), QSize(full.width(), belowHeight)),
      QRect(QPoint(owner.left(), owner.top() - aboveHeight), QSize(full.width(), aboveHeight)),
  };
  std::optional<QRect> best;
  for (const QRect& candidate : candidates) {
    QRect place = keptInside(candidate, screen);
    if (place.intersects(keepVisible)) {
      place.moveTop(keepVisible.bottom() + 1);
      place.setBottom(std::min(place.bottom(), screen.bottom()));
      if (place.height() < kLowestBelowButtons) continue;
    }
    if (!best || area(place.intersected(owner)) < area(best->intersected(owner))) best = place;
  }
  return best.value_or(keptInside(QRect(screen.topLeft(), full), screen));
}

void placeNear(QWidget* window, const QWidget* owner, const QRect& keepVisible) {
  const QScreen* screen = owner ? owner->screen() : nullptr;
  if (!screen) return;
  // The window's frame is not known before it is shown; the owner's is alike.
  const QMargins frame(owner->geometry().left() - owner->frameGeometry().left(),
                       owner->geometry().top() - owner->frameGeometry().top(),
                       owner->frameGeometry().right() - owner->geometry().right(),
                       owner->frameGeometry().bottom() - owner->geometry().bottom());
  const QRect kept = keepVisible.isNull()
                         ? QRect()
                         : QRect(owner->mapToGlobal(keepVisible.topLeft()), keepVisible.size());
  const QRect place = placeBeside(window->size().grownBy(frame), owner->frameGeometry(), kept,
                                  screen->availableGeometry());
  window->resize(place.size().shrunkBy(frame));
  window->move(place.topLeft());
}

}  // namespace polkamina::help
