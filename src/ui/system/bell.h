#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace polkamina::system {

// The desktop's bell: the sound theme's event for the window system's bell,
// played by the sound server (PulseAudio, or PipeWire speaking its protocol)
// on a thread of its own, so that ringing never holds up the caller. Where no
// sound server answers, or the theme has no bell, the window system's own
// bell rings instead, on the thread that owns the windows.
class Bell {
 public:
  // windowSystemBell rings the window system's bell; it is called on the
  // thread of the Qt event loop.
  explicit Bell(std::function<void()> windowSystemBell);
  ~Bell();
  Bell(const Bell&) = delete;
  Bell& operator=(const Bell&) = delete;

  // Starts the bell and returns at once.
  void ring();

 private:
  enum class Server { Unknown, Answered, Absent };

  void run();
  // Rings the window system's bell from the sound thread.
  void ringWindowSystemBell();

  std::function<void()> windowSystemBell_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int pendingRings_ = 0;   // rings asked for and not yet played
  bool stopping_ = false;  // the owner is going away
  Server server_ = Server::Unknown;
  std::thread thread_;
};

}  // namespace polkamina::system
