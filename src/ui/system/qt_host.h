#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "game/host.h"
#include "ui/system/bell.h"

namespace polkamina::system {

// The game's window system on Qt. The view (the main window) attaches itself
// once it exists; until then the calls work without painting anything.
class QtHost : public game::Host {
 public:
  // Shows the new-record window modally over parent; the window itself lives
  // in the layer above this one.
  using RecordWindow = std::function<void(QWidget* parent, const std::string& message)>;

  explicit QtHost(RecordWindow recordWindow);

  // window is painted before every wait; render brings its widgets up to date
  // with the game.
  void attachView(QWidget* window, std::function<void()> render);

  // The timer's ticks are held while the game waits: a tick due during a
  // wait runs once, right after the turn that waited.
  void holdDuringWaits(QTimer* timer);

  game::MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                 game::MessageIcon icon, game::MessageButtons buttons) override;
  void beep() override;
  void yieldToEvents() override;
  void waitWithoutInput(float seconds) override;
  void showRecordWindow(const std::string& message) override;

 private:
  void renderView();

  RecordWindow recordWindow_;
  Bell bell_;
  QPointer<QWidget> window_;
  std::function<void()> render_;
  std::vector<QPointer<QTimer>> heldTimers_;
};

// How long a wait of that many seconds lasts: nothing for zero, negative or
// not-a-number, at most ten seconds.
std::chrono::milliseconds waitDuration(float seconds);

}  // namespace polkamina::system
