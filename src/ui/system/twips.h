#pragma once

#include <QRect>

namespace polkamina::system {

// Window geometry is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel of a twips length.
int twipsToPixels(int twips);

// A rectangle given as left, top, width and height in twips, each rounded to
// pixels on its own.
QRect twipsRect(int left, int top, int width, int height);

}  // namespace polkamina::system
