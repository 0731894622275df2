#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace polkamina::help {

// Opens the help file at its default topic in a new modeless help window
// beside `owner` and kept above it, never over `keepVisible` (in owner's
// coordinates). A help
// file that cannot be opened is reported in a message box and nothing opens.
void showHelp(const QString& fileName, QWidget* owner, const QRect& keepVisible = QRect());

// Closes every help window this process has opened.
void closeAllHelpWindows();

// Where a window of frame size `size` goes beside a window whose frame is
// `owner`, all in screen coordinates within `screen` (the part of the screen
// windows may use): to the owner's right where there is room, else on the
// side where it hides the least of the owner, never over `keepVisible`. A
// side with room for a window at least kNarrowestBeside wide gets one as wide
// as the room.
QRect placeBeside(const QSize& size, const QRect& owner, const QRect& keepVisible,
                  const QRect& screen);
constexpr int kNarrowestBeside = 480;

}  // namespace polkamina::help
