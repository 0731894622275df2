#pragma once

#include <QFont>
#include <QString>

namespace polkamina::system {

// The two font faces the windows are designed with.
extern const char* const kPGothic;  // "ＭＳ Ｐゴシック", proportional
extern const char* const kGothic;   // "ＭＳ ゴシック", fixed pitch

// Maps the design faces to the free fonts with the closest character widths.
// Call once, before the first widget is made.
void installFontSubstitutions();

// Pixel size of a point size at 96 dpi (9 pt → 12 px), so that texts keep
// their proportion to the twips geometry whatever the display's dpi.
int pointsToPixels(double points);

// The design face at a design point size, sized in pixels.
QFont designFont(const QString& family, double points);

}  // namespace polkamina::system
