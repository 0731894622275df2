#pragma once

#include <string>

#include "store/records.h"

namespace polkamina::game {

// Values the whole program shares for the length of a run: the main window,
// the settings window and the new-record window all read them.
struct SharedValues {
  float EraseDelay = 0;       // seconds a matched pair stays face up before it is removed
  float HideDelay = 0;        // seconds a missed pair stays face up before it turns back
  store::Records best;        // best turns and time per level, Easy to Panic
  std::string RecordMessage;  // the new-record window's announcement; empty when none
};

}  // namespace polkamina::game
