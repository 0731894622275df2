#pragma once

#include <QString>
#include <string>

#include "store/text.h"

namespace polkamina::ui {

// The game's UTF-8 text as Qt shows it.
inline QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// An icon's name (a file name's bytes) as the player reads it.
inline QString shownName(const std::string& nameBytes) {
  return text(store::shownFileName(nameBytes));
}

}  // namespace polkamina::ui
