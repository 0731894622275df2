#pragma once

#include <QString>
#include <string>

#include "game/host.h"

namespace polkamina::system {

// A modal message box over the active window (or the main window) with the text (its "\r\n" line
// ends shown as line breaks, no markup), caption, icon and buttons; returns the
// button pressed. Closing the box any other way counts as Cancel where there
// is one.
game::MessageAnswer showMessageBox(const std::string& text, const std::string& caption,
                                   game::MessageIcon icon, game::MessageButtons buttons);

// A message text as the box shows it: CR LF and lone CR become line breaks.
QString messageBoxText(const std::string& text);

}  // namespace polkamina::system
