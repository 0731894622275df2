#pragma once

#include <string>

namespace polkamina::game {

enum class MessageIcon { Exclamation, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// The window system as the game needs it. The Qt side lives in the window
// layer; tests use a scripted fake. Every call that lets the player see the
// screen first brings the view up to date with the game.
class Host {
 public:
  virtual ~Host() = default;

  // A modal message box; returns the button pressed.
  virtual MessageAnswer messageBox(const std::string& text, const std::string& caption,
                                   MessageIcon icon, MessageButtons buttons) = 0;
  // The system's default beep, at once.
  virtual void beep() = 0;
  // Paints the game as it stands and lets every pending event run once,
  // including clicks that start nested handlers.
  virtual void yieldToEvents() = 0;
  // Paints the game as it stands, then waits that long handling no input and
  // no timer tick; input given meanwhile is handled after the caller returns.
  virtual void waitWithoutInput(float seconds) = 0;
  // Shows the new-record window with the message, modally; returns once the
  // player has closed it.
  virtual void showRecordWindow(const std::string& message) = 0;
};

}  // namespace polkamina::game
