#pragma once

namespace polkamina::system {

// Gives the windows' containers and the announcer the roles screen readers
// expect of them. Qt tells a plain frame as a "frame", which screen readers
// take for a window of its own: while that "window" is not the active one,
// they keep silent about everything inside it. The board and the history are
// told as panels of the window instead. Every window calls it before it is
// made; the first call counts.
void useAccessibleRoles();

}  // namespace polkamina::system
