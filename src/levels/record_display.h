#pragma once

#include <string>

#include "store/records.h"

namespace polkamina::levels {

// What a display shows for no record.
extern const char* const kNoRecordDisplay;  // "-----"

// Best turn count as shown on the main window: digits, or "-----".
std::string bestTurnsDisplay(const store::Record& record);
// Best turn count as shown in the settings window: "18回", or "-----".
std::string bestTurnsDisplayWithUnit(const store::Record& record);
// Best time as shown: the stored text, or "-----".
std::string bestTimeDisplay(const store::Record& record);

}  // namespace polkamina::levels
