// first_paint PROGRAM [ARGUMENT...]
//
// Starts PROGRAM in the current folder on the X display named by $DISPLAY,
// waits until its first window has been drawn whole, ends it, and prints two
// numbers: the milliseconds from starting it to that first full drawing, and
// the process's peak resident memory in KiB. Drawing is seen from outside
// through the X Damage extension, so the program itself needs no hook.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "first_paint: %s\n", what);
  std::exit(2);
}

// The area of one window drawn so far, as the union of its damage rectangles'
// bounding box; the window counts as drawn once that covers all of it.
struct Window {
  int width = 0;
  int height = 0;
  int left = 0, top = 0, right = 0, bottom = 0;  // drawn bounding box
  bool drawnWhole() const {
    return width > 0 && left <= 0 && top <= 0 && right >= width && bottom >= height;
  }
  void add(const xcb_rectangle_t& area) {
    if (right == 0 && bottom == 0) {
      left = area.x;
      top = area.y;
    }
    left = std::min<int>(left, area.x);
    top = std::min<int>(top, area.y);
    right = std::max<int>(right, area.x + area.width);
    bottom = std::max<int>(bottom, area.y + area.height);
  }
};

pid_t start(char** argv) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::execvp(argv[0], argv);
    std::perror(argv[0]);
    ::_exit(127);
  }
  if (child < 0) fail("cannot start the program");
  return child;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) fail("usage: first_paint PROGRAM [ARGUMENT...]");
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) fail("no X display");
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
  if (damage == nullptr || !damage->present) fail("the X server has no Damage extension");
  std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
  xcb_flush(x);

  const Clock::time_point started = Clock::now();
  const pid_t child = start(argv + 1);
  std::map<xcb_window_t, Window> windows;
  double milliseconds = -1;
  while (milliseconds < 0) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(x),
                                                                     &std::free);
    if (!event) fail("the X connection broke");
    const uint8_t type = event->response_type & 0x7F;
    if (type == XCB_CREATE_NOTIFY) {
      // Watched from its creation, so no drawing can be missed.
      const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
      windows[created->window] = Window{created->width, created->height};
      xcb_damage_create(x, xcb_generate_id(x), created->window,
                        XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      xcb_flush(x);
    } else if (type == XCB_CONFIGURE_NOTIFY) {
      const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event.get());
      auto found = windows.find(configured->window);
      if (found != windows.end()) {
        found->second.width = configured->width;
        found->second.height = configured->height;
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
      auto found = windows.find(drawn->drawable);
      if (found == windows.end()) continue;
      found->second.add(drawn->area);
      if (found->second.drawnWhole()) {
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
      }
    }
  }
  ::kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
  xcb_disconnect(x);
  return 0;
}
