#pragma once

#include <QFont>
#include <QString>
#include <thread>

namespace polkamina::system {

// The two font faces the windows are designed with.
extern const char* const kPGothic;  // "ＭＳ Ｐゴシック", proportional
extern const char* const kGothic;   // "ＭＳ ゴシック", fixed pitch

// Reads the system's font configuration (fontconfig's files and caches) on a
// thread of its own while the application starts, instead of on the main
// thread at the first text, after everything else start-up does. Made before
// the application object; wait() before the first font is looked up.
class FontConfigurationReader {
 public:
  FontConfigurationReader();
  ~FontConfigurationReader();
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

  void wait();

 private:
  std::thread thread_;
};

// Maps the design faces to the free fonts with the closest character widths,
// then to any other installed Japanese font. Call once, before the first
// widget is made.
void installFontSubstitutions();

// Pixel size of a point size at 96 dpi (9 pt → 12 px), so that texts keep
// their proportion to the twips geometry whatever the display's dpi.
int pointsToPixels(double points);

// The design face at a design point size, sized in pixels, for the program's
// own texts. The face (or the font standing in for it) holds every character
// of them, so no other font is looked for character by character: that
// search goes through every installed font and would cost each start of the
// game a noticeable time.
QFont designFont(const QString& family, double points);

// The same face and size for text from outside the program (icon names, the
// data files' contents, help pages): what the face lacks is drawn from other
// fonts.
QFont outsideTextFont(const QString& family, double points);

}  // namespace polkamina::system
