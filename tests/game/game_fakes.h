#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/seams.h"

namespace polkamina::game::testing {

// Records every call in order as one line of text. A hook set for the next
// yield, wait or record window runs once, inside that call.
class FakeHost : public Host {
 public:
  MessageAnswer messageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                           MessageButtons buttons) override {
    calls.push_back(messageCall(text, caption, icon, buttons));
    return answer;
  }
  void beep() override { calls.push_back("beep"); }
  void yieldToEvents() override {
    calls.push_back("yield");
    runOnce(onYield);
  }
  void waitWithoutInput(float seconds) override {
    calls.push_back(waitCall(seconds));
    runOnce(onWait);
  }
  void showRecordWindow(const std::string& message) override {
    calls.push_back("record " + message);
    runOnce(onRecordWindow);
  }

  static std::string messageCall(const std::string& text, const std::string& caption,
                                 MessageIcon icon, MessageButtons buttons) {
    return "message " + caption + ": " + text +
           (icon == MessageIcon::Exclamation ? " [!]" : " [i]") +
           (buttons == MessageButtons::Ok ? " [ok]" : " [ok/cancel]");
  }
  static std::string waitCall(float seconds) { return "wait " + std::to_string(seconds); }

  std::vector<std::string> calls;
  MessageAnswer answer = MessageAnswer::Ok;
  std::function<void()> onYield;
  std::function<void()> onWait;
  std::function<void()> onRecordWindow;

 private:
  static void runOnce(std::function<void()>& hook) {
    if (hook) {
      std::function<void()> run = std::move(hook);
      hook = nullptr;
      run();
    }
  }
};

class FakeClock : public Clock {
 public:
  double secondsSinceMidnight() override { return timeOfDay; }
  double monotonicSeconds() override { return monotonic; }
  std::string dateText() override { return date; }
  std::string timeText() override { return time; }

  // Moves both clocks on together, the time of day wrapping at midnight.
  void advance(double seconds) {
    monotonic += seconds;
    timeOfDay += seconds;
    if (timeOfDay >= 86400) {
      timeOfDay -= 86400;
    }
  }

  double timeOfDay = 1000;
  double monotonic = 50000;
  std::string date = "2024/01/02";
  std::string time = "03:04:05";
};

// Hands out the scripted values in turn, then `fallback`; notes how many
// numbers had been drawn at each reseed.
class FakeRandom : public Random {
 public:
  void reseed() override { reseedsAt.push_back(drawn); }
  float next() override {
    const float value = drawn < values.size() ? values[drawn] : fallback;
    ++drawn;
    return value;
  }

  std::vector<float> values;
  float fallback = 0;
  std::size_t drawn = 0;
  std::vector<std::size_t> reseedsAt;
};

}  // namespace polkamina::game::testing
