#include "ui/system/bell.h"

#include <canberra.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>

namespace polkamina::system {

namespace {

// Sound-theme event names: the window system's bell, and the plain bell that
// themes without it (freedesktop's own) carry.
const char* const kWindowSystemBellEvent = "bell-window-system";
const char* const kBellEvent = "bell";

// How long after the bell is made the sound server is connected.
constexpr std::chrono::milliseconds kConnectionDelay{500};

// A connection to the sound server, or none.
class SoundContext {
 public:
  SoundContext() {
    if (ca_context_create(&context_) != CA_SUCCESS) {
      context_ = nullptr;
      return;
    }
    // Only a sound server: libcanberra would otherwise fall back to writing to
    // the sound card directly, or to its driver that plays nothing and
    // reports success, which would silence the window system's bell too.
    const bool opened =
        ca_context_set_driver(context_, "pulse") == CA_SUCCESS &&
        ca_context_change_props(
            context_, CA_PROP_APPLICATION_NAME,
            QCoreApplication::translate("MainWindow", "ポルカミナ").toUtf8().constData(),
            CA_PROP_APPLICATION_ID, "io.github.polkamina.Polkamina", CA_PROP_APPLICATION_ICON_NAME,
            "io.github.polkamina.Polkamina", nullptr) == CA_SUCCESS &&
        ca_context_open(context_) == CA_SUCCESS;
    if (!opened) {
      ca_context_destroy(context_);
      context_ = nullptr;
    }
  }
  ~SoundContext() {
    if (context_ != nullptr) {
      ca_context_destroy(context_);
    }
  }
  SoundContext(const SoundContext&) = delete;
  SoundContext& operator=(const SoundContext&) = delete;

  bool connected() const { return context_ != nullptr; }

  // Plays the theme's window-system bell, or its plain bell where it has
  // none; tells whether either was played.
  bool playBell() {
    int result = play(kWindowSystemBellEvent);
    if (result == CA_ERROR_NOTFOUND) {
      result = play(kBellEvent);
    }
    return result == CA_SUCCESS;
  }

 private:
  int play(const char* event) {
    return ca_context_play(context_, 0, CA_PROP_EVENT_ID, event, CA_PROP_MEDIA_ROLE, "event",
                           CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
  }

  ca_context* context_ = nullptr;
};

}  // namespace

Bell::Bell(std::function<void()> windowSystemBell)
    : windowSystemBell_(std::move(windowSystemBell)), thread_([this] { run(); }) {}

Bell::~Bell() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void Bell::ring() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (server_ != Server::Absent) {
      ++pendingRings_;
      wake_.notify_one();
      return;
    }
  }
  windowSystemBell_();
}

void Bell::run() {
  // Connecting loads the sound server's libraries and may take a while. It
  // waits half a second, by when the window has been drawn, so as not to slow
  // the start; no match comes that soon, and a ring asked for earlier
  // connects at once.
  {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, kConnectionDelay, [this] { return stopping_ || pendingRings_ > 0; });
    if (stopping_) {
      return;
    }
  }
  SoundContext sound;
  std::unique_lock<std::mutex> lock(mutex_);
  server_ = sound.connected() ? Server::Answered : Server::Absent;
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || pendingRings_ > 0; });
    if (stopping_) {
      return;
    }
    // Rings asked for together sound as one.
    pendingRings_ = 0;
    lock.unlock();
    const bool played = sound.connected() && sound.playBell();
    if (!played) {
      ringWindowSystemBell();
    }
    lock.lock();
  }
}

void Bell::ringWindowSystemBell() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) {
    return;
  }
  QMetaObject::invokeMethod(application, windowSystemBell_, Qt::QueuedConnection);
}

}  // namespace polkamina::system
