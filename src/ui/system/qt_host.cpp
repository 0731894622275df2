#include "ui/system/qt_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <thread>

#include "ui/system/message_box.h"

namespace polkamina::system {

namespace {

// However long a delay the settings file holds, the game never freezes for
// longer than this.
constexpr double kLongestWaitMs = 10.0 * 1000;

}  // namespace

std::chrono::milliseconds waitDuration(float seconds) {
  if (!(seconds > 0)) {
    return std::chrono::milliseconds(0);
  }
  const double ms = std::min(static_cast<double>(seconds) * 1000.0, kLongestWaitMs);
  return std::chrono::milliseconds(std::llround(ms));
}

QtHost::QtHost(RecordWindow recordWindow)
    : recordWindow_(std::move(recordWindow)), bell_([] { QApplication::beep(); }) {}

void QtHost::attachView(QWidget* window, std::function<void()> render) {
  window_ = window;
  render_ = std::move(render);
}

void QtHost::renderView() {
  if (render_) {
    render_();
  }
}

game::MessageAnswer QtHost::messageBox(const std::string& text, const std::string& caption,
                                       game::MessageIcon icon, game::MessageButtons buttons) {
  renderView();
  return showMessageBox(text, caption, icon, buttons);
}

void QtHost::beep() { bell_.ring(); }

void QtHost::yieldToEvents() {
  renderView();
  QCoreApplication::processEvents();
}

void QtHost::waitWithoutInput(float seconds) {
  renderView();
  if (window_ && window_->isVisible()) {
    // Paints now and hands the picture to the display before the thread sleeps.
    window_->repaint();
  }
  // sleep_for runs on the steady clock, so a wait across midnight or a change
  // of the system time still lasts as long as asked. Input meanwhile stays in
  // the window system's queue and is handled after the turn step returns.
  std::this_thread::sleep_for(waitDuration(seconds));
}

void QtHost::showRecordWindow(const std::string& message) {
  renderView();
  if (recordWindow_) {
    recordWindow_(window_, message);
  }
}

}  // namespace polkamina::system
