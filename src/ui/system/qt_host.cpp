#include "ui/system/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <set>

#include "ui/system/message_box.h"
#include "ui/system/window_owner.h"

namespace polkamina::system {

namespace {

// However long a delay the settings file holds, the game never freezes for
// longer than this.
constexpr double kLongestWaitMs = 10.0 * 1000;

// While it lives, the ticks of the timers go to it instead of to their
// handlers; when it goes, each timer that missed a tick gets one tick back,
// queued behind what the event loop already holds.
class TimerHold : public QObject {
 public:
  explicit TimerHold(const std::vector<QPointer<QTimer>>& timers) {
    for (const QPointer<QTimer>& timer : timers) {
      if (timer) {
        timers_.insert(timer.data());
        timer->installEventFilter(this);
      }
    }
  }

  ~TimerHold() override {
    for (QTimer* timer : missed_) {
      QCoreApplication::postEvent(timer, new QTimerEvent(timer->timerId()));
    }
  }

  TimerHold(const TimerHold&) = delete;
  TimerHold& operator=(const TimerHold&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Timer) {
      return false;
    }
    auto* timer = static_cast<QTimer*>(watched);
    if (timers_.count(timer) == 0 ||
        static_cast<QTimerEvent*>(event)->timerId() != timer->timerId()) {
      return false;
    }
    missed_.insert(timer);
    return true;
  }

 private:
  std::set<QTimer*> timers_;
  std::set<QTimer*> missed_;
};

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
  setMainWindow(window);
}

void QtHost::holdDuringWaits(QTimer* timer) { heldTimers_.emplace_back(timer); }

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
  const std::chrono::milliseconds duration = waitDuration(seconds);
  if (duration.count() == 0) {
    return;
  }
  // The window stays alive: it repaints, answers the window manager and
  // screen readers, all of which reach it as events that are not input. The
  // player's input stays queued, and the game's timer is held.
  {
    const TimerHold hold(heldTimers_);
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    // Qt's timers run on the monotonic clock, so a wait across midnight or a
    // change of the system time lasts as long as asked.
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(duration);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  // Input the wait left queued is taken up only when the event dispatcher
  // next wakes, which nothing else may do soon: wake it, so that the input
  // is acted on right after the turn, in the order it was given.
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
    dispatcher->wakeUp();
  }
}

void QtHost::showRecordWindow(const std::string& message) {
  renderView();
  if (recordWindow_) {
    recordWindow_(window_, message);
  }
}

}  // namespace polkamina::system
