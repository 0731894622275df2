#pragma once

namespace polkamina::system {

// The status the event loop ends with when the program is to start again.
constexpr int kRestartStatus = 75;

// Ends the event loop so that main() starts the program again.
void requestRestart();

// Replaces the process by a fresh run of the same program with the same
// arguments, in the same folder and with the same process id, so whatever
// started the game (a launcher, a terminal) keeps waiting for it. Returns
// only if that failed.
void restartProgram(char* const arguments[]);

}  // namespace polkamina::system
