#pragma once

#include <QColor>

// The windows' design values that more than one window or part uses: lengths
// in twips, font sizes in points, background colours.
namespace polkamina::ui::design {

// Both the main window and the settings window are this wide.
constexpr int kClientWidth = 9465;

// A cell of the board and of the settings window's catalogue: its spacing,
// the picture in it and the icon-name label under the picture.
constexpr int kCellWidth = 1125;
constexpr int kCellHeight = 825;
constexpr int kPictureSide = 480;
constexpr int kNameWidth = 1095;
constexpr int kNameHeight = 255;

// Font sizes.
constexpr double kWindowPoints = 9;       // a window's own texts
constexpr double kNamePoints = 8.25;      // icon names
constexpr double kControlPoints = 11.25;  // check boxes, buttons and labels of the settings
constexpr double kLevelPoints = 14.25;    // the level label and the level list
constexpr double kDisplayPoints = 20.25;  // the four record displays
constexpr double kHistoryPoints = 11;     // the history grid

// Backgrounds. The settings window's level headers take the colours of
// Easy, Normal, Hard and Panic in this order.
constexpr QColor kPeach(0xFF, 0xE0, 0xC0);       // the record displays; Easy
constexpr QColor kPaleYellow(0xFF, 0xFF, 0xC0);  // the level label; Normal
constexpr QColor kPaleCyan(0xC0, 0xFF, 0xFF);    // Hard
constexpr QColor kLavender(0xC0, 0xC0, 0xFF);    // Panic
constexpr QColor kIvory(0xFF, 0xFF, 0xF0);       // the level list's field

}  // namespace polkamina::ui::design
