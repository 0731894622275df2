#pragma once

#include <QSettings>
#include <QString>
#include <array>

namespace polkamina::ui {

// The player's preferences for the additions to the designed game: one INI
// file of the player's own, apart from the game folder and its data files.
// A value missing or not understood reads as its default; every change is
// written at once.
class Preferences {
 public:
  // The board sizes offered, in percent of the designed size.
  static constexpr std::array<int, 5> kBoardScales = {100, 125, 150, 200, 300};

  explicit Preferences(const QString& file);
  // polkamina/polkamina.ini in the XDG config folder ($XDG_CONFIG_HOME, or
  // ~/.config).
  static QString standardFile();

  bool matchSound() const;  // a match sounds; on by default
  void setMatchSound(bool on);
  bool pauseWhenHidden() const;  // a minimised or hidden window pauses the game; off by default
  void setPauseWhenHidden(bool on);
  int boardScale() const;  // one of kBoardScales; 100 by default
  void setBoardScale(int percent);

 private:
  bool flag(const char* key, bool fallback) const;
  void write(const char* key, const QVariant& value);

  mutable QSettings settings_;
};

// Scales every window of the program by percent, as Qt scales a screen
// (QT_SCALE_FACTOR, on top of the factor the environment gave the program's
// first run, also after a restart), so that every place stays the designed
// one in logical pixels. Qt reads it once: call it before the application
// object is made.
void scaleWindowsBy(int percent);

}  // namespace polkamina::ui
