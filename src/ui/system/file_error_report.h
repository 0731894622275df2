#pragma once

#include <functional>

#include "store/file_error.h"

namespace polkamina::system {

// Tells the player which data file failed and how, in a modal warning box,
// then ends the process at once with status 1, writing nothing more.
[[noreturn]] void reportFileErrorAndExit(const store::FileError& error);

// Runs a handler of the game; a FileError out of it is reported as above.
void runReportingFileErrors(const std::function<void()>& handler);

}  // namespace polkamina::system
