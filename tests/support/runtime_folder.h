#pragma once

#include <stdlib.h>

#include "support/temp_folder.h"

namespace polkamina::testsupport {

// Gives Qt a run-time folder of the test program's own, removed when the
// program ends; without one Qt makes a folder under /tmp that stays. Call
// before the application object is made. A program started by the test (a
// death test's child) inherits the folder.
inline void useOwnRuntimeFolder() {
  if (getenv("XDG_RUNTIME_DIR") != nullptr) return;
  static const TempFolder runtime;
  setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
}

}  // namespace polkamina::testsupport
