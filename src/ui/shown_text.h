#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "game/clock_text.h"
#include "store/text.h"

namespace polkamina::ui {

// The game's UTF-8 text as Qt shows it.
inline QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// An icon's name (a file name's bytes) as the player reads it.
inline QString shownName(const std::string& nameBytes) {
  return text(store::shownFileName(nameBytes));
}

// A level's text (its stored name, record header, ...) in the player's
// language; any other text as it is.
inline QString shownLevelText(const std::string& utf8) {
  return QCoreApplication::translate("Level", utf8.c_str());
}

// A stored clock text ("05分09秒") as the player's language writes it.
inline QString shownClock(const std::string& clockText) {
  return text(game::shownClockText(clockText));
}

}  // namespace polkamina::ui
