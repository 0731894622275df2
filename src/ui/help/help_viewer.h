#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace polkamina::help {

// Opens the help file at its default topic in a new modeless help window
// beside `owner` and kept above it, never over `keepVisible` (in owner's
// coordinates), or brings forward the window already showing it, at the page
// it shows. A help file that cannot be opened is reported in a message box
// and nothing opens.
void showHelp(const QString& fileName, QWidget* owner, const QRect& keepVisible = QRect());

// Closes every help window this process has opened.
void closeAllHelpWindows();

// Where a window of frame size `size` goes beside a window whose frame is
// `owner`, all in screen coordinates within `screen` (the part of the screen
// windows may use): on the side where it hides the least of the owner, the
// right first, never over `keepVisible`. Beside the owner it is made as
// narrow as the room there (as low, above or below it), down to
// kNarrowestBeside (kLowestBelowButtons), so that where the screen has no
// room it hides as little of the owner as a usable help window can.
QRect placeBeside(const QSize& size, const QRect& owner, const QRect& keepVisible,
                  const QRect& screen);
constexpr int kNarrowestBeside = 360;

// Moves and sizes a window of its own, not yet shown, beside owner as
// placeBeside tells, never over keepVisible (in owner's coordinates).
void placeNear(QWidget* window, const QWidget* owner, const QRect& keepVisible);
constexpr int kLowestBelowButtons = 240;

}  // namespace polkamina::help
