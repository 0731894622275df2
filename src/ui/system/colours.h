#pragma once

#include <QColor>
#include <QPalette>

class QCheckBox;

namespace polkamina::system {

// The palette for a control drawn on one of the design's background colours:
// that colour under its text and the design's black text on it (a Windows
// grey while the control is disabled), whatever colours the desktop's theme
// gives the rest. A background of the design without its text colour would
// leave the text to the theme: light text on a light colour in a dark theme.
QPalette onDesignBackground(QPalette palette, const QColor& background);

// Draws the check box's square white with a black tick in every theme, so that
// it stands out from the window behind it in dark and high-contrast themes
// too; its caption keeps the theme's colours.
void keepCheckBoxVisible(QCheckBox* box);

}  // namespace polkamina::system
