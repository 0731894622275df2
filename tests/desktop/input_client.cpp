// A virtual pointer and keyboard for end-to-end tests under a wlroots
// compositor (sway). It stays connected for the whole test, as a real device
// does, and takes one command a line on standard input, answering "ok" once
// the compositor has received it:
//   move X Y      puts the pointer at (X, Y) of the output layout
//   click         presses and releases the left button
//   key COMBO     presses and releases a key, e.g. Return, space, shift+Tab
// Usage: input_client LAYOUT_WIDTH LAYOUT_HEIGHT
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The two protocols' requests, described for libwayland as its scanner would
// from the protocols' definitions (wlroots' virtual pointer, version 1, and
// the virtual keyboard, version 1). Only requests are sent; no events come.
const wl_interface* kNoTypes[8] = {};
const wl_interface kPointerInterface = [] {
  static const wl_message requests[] = {
      {"motion", "uff", kNoTypes},   {"motion_absolute", "uuuuu", kNoTypes},
      {"button", "uuu", kNoTypes},   {"axis", "uuf", kNoTypes},
      {"frame", "", kNoTypes},       {"axis_source", "u", kNoTypes},
      {"axis_stop", "uu", kNoTypes}, {"axis_discrete", "uufi", kNoTypes},
      {"destroy", "", kNoTypes},
  };
  return wl_interface{"zwlr_virtual_pointer_v1", 1, 9, requests, 0, nullptr};
}();
const wl_interface* kCreatePointerTypes[] = {&wl_seat_interface, &kPointerInterface};
const wl_interface kPointerManagerInterface = [] {
  static const wl_message requests[] = {
      {"create_virtual_pointer", "?on", kCreatePointerTypes},
      {"destroy", "", kNoTypes},
  };
  return wl_interface{"zwlr_virtual_pointer_manager_v1", 1, 2, requests, 0, nullptr};
}();
const wl_interface kKeyboardInterface = [] {
  static const wl_message requests[] = {
      {"keymap", "uhu", kNoTypes},
      {"key", "uuu", kNoTypes},
      {"modifiers", "uuuu", kNoTypes},
      {"destroy", "", kNoTypes},
  };
  return wl_interface{"zwp_virtual_keyboard_v1", 1, 4, requests, 0, nullptr};
}();
const wl_interface* kCreateKeyboardTypes[] = {&wl_seat_interface, &kKeyboardInterface};
const wl_interface kKeyboardManagerInterface = [] {
  static const wl_message requests[] = {
      {"create_virtual_keyboard", "on", kCreateKeyboardTypes},
  };
  return wl_interface{"zwp_virtual_keyboard_manager_v1", 1, 1, requests, 0, nullptr};
}();

enum PointerRequest : uint32_t { kMotionAbsolute = 1, kButton = 2, kFrame = 4 };
enum KeyboardRequest : uint32_t { kKeymap = 0, kKey = 1, kModifiers = 2 };
constexpr uint32_t kKeymapFormatXkbV1 = 1;
constexpr uint32_t kReleased = 0;
constexpr uint32_t kPressed = 1;
// xkb key codes are evdev codes plus 8.
constexpr uint32_t kEvdevOffset = 8;

struct Globals {
  wl_seat* seat = nullptr;
  wl_proxy* pointerManager = nullptr;
  wl_proxy* keyboardManager = nullptr;
};

void announceGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                    uint32_t) {
  auto* globals = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
    globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, kPointerManagerInterface.name) == 0) {
    globals->pointerManager =
        static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kPointerManagerInterface, 1));
  } else if (std::strcmp(interface, kKeyboardManagerInterface.name) == 0) {
    globals->keyboardManager =
        static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kKeyboardManagerInterface, 1));
  }
}

void removeGlobal(void*, wl_registry*, uint32_t) {}

uint32_t now() {
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

[[noreturn]] void fail(const std::string& why) {
  std::cerr << "input_client: " << why << std::endl;
  std::exit(1);
}

class Devices {
 public:
  Devices(wl_display* display, const Globals& globals, uint32_t width, uint32_t height)
      : display_(display), width_(width), height_(height) {
    pointer_ = wl_proxy_marshal_constructor(globals.pointerManager, 0, &kPointerInterface,
                                            globals.seat, nullptr);
    keyboard_ = wl_proxy_marshal_constructor(globals.keyboardManager, 0, &kKeyboardInterface,
                                             globals.seat, nullptr);
    sendKeymap();
  }

  void move(uint32_t x, uint32_t y) {
    wl_proxy_marshal(pointer_, kMotionAbsolute, now(), x, y, width_, height_);
    wl_proxy_marshal(pointer_, kFrame);
  }

  void click() {
    for (const uint32_t state : {kPressed, kReleased}) {
      wl_proxy_marshal(pointer_, kButton, now(), static_cast<uint32_t>(BTN_LEFT), state);
      wl_proxy_marshal(pointer_, kFrame);
    }
  }

  // A key, with the modifiers named before it ("ctrl+shift+Tab").
  void key(const std::string& combo) {
    std::vector<xkb_keycode_t> keys;
    std::stringstream parts(combo);
    for (std::string part; std::getline(parts, part, '+');) {
      if (part == "shift") part = "Shift_L";
      if (part == "ctrl") part = "Control_L";
      if (part == "alt") part = "Alt_L";
      keys.push_back(keycodeOf(part));
    }
    for (const xkb_keycode_t key : keys) press(key, kPressed);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) press(*key, kReleased);
  }

  // Waits until the compositor has taken every request sent so far.
  void sync() {
    if (wl_display_roundtrip(display_) < 0) fail("the compositor went away");
  }

 private:
  void sendKeymap() {
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    keymap_ = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap_ == nullptr) fail("no keymap");
    state_ = xkb_state_new(keymap_);
    char* text = xkb_keymap_get_as_string(keymap_, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size)) fail("keymap file");
    std::free(text);
    wl_proxy_marshal(keyboard_, kKeymap, kKeymapFormatXkbV1, fd, static_cast<uint32_t>(size));
    close(fd);
  }

  xkb_keycode_t keycodeOf(const std::string& name) {
    const xkb_keysym_t wanted = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
    if (wanted == XKB_KEY_NoSymbol) fail("unknown key " + name);
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap_);
         code <= xkb_keymap_max_keycode(keymap_); ++code) {
      const xkb_keysym_t* symbols = nullptr;
      const int count = xkb_keymap_key_get_syms_by_level(keymap_, code, 0, 0, &symbols);
      for (int i = 0; i < count; ++i) {
        if (symbols[i] == wanted) return code;
      }
    }
    fail("no key gives " + name);
  }

  void press(xkb_keycode_t key, uint32_t state) {
    wl_proxy_marshal(keyboard_, kKey, now(), key - kEvdevOffset, state);
    xkb_state_update_key(state_, key, state == kPressed ? XKB_KEY_DOWN : XKB_KEY_UP);
    wl_proxy_marshal(keyboard_, kModifiers,
                     xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                     xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                     xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
                     xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
  }

  wl_display* display_;
  uint32_t width_;
  uint32_t height_;
  wl_proxy* pointer_ = nullptr;
  wl_proxy* keyboard_ = nullptr;
  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) fail("usage: input_client LAYOUT_WIDTH LAYOUT_HEIGHT");
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) fail("no Wayland display");
  Globals globals;
  static const wl_registry_listener listener{announceGlobal, removeGlobal};
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, &globals);
  wl_display_roundtrip(display);
  if (globals.seat == nullptr || globals.pointerManager == nullptr ||
      globals.keyboardManager == nullptr) {
    fail("the compositor offers no virtual pointer and keyboard");
  }
  Devices devices(display, globals, static_cast<uint32_t>(std::atoi(argv[1])),
                  static_cast<uint32_t>(std::atoi(argv[2])));
  devices.sync();
  std::cout << "ready" << std::endl;

  for (std::string line; std::getline(std::cin, line);) {
    std::istringstream command(line);
    std::string verb;
    command >> verb;
    if (verb == "move") {
      uint32_t x = 0;
      uint32_t y = 0;
      command >> x >> y;
      devices.move(x, y);
    } else if (verb == "click") {
      devices.click();
    } else if (verb == "key") {
      std::string combo;
      command >> combo;
      devices.key(combo);
    } else {
      fail("unknown command " + line);
    }
    devices.sync();
    std::cout << "ok" << std::endl;
  }
  wl_display_disconnect(display);
  return 0;
}
