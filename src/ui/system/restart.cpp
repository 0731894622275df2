#include "ui/system/restart.h"

#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>

namespace polkamina::system {

void requestRestart() { QCoreApplication::exit(kRestartStatus); }

void restartProgram(char* const arguments[]) {
  ::execv("/proc/self/exe", arguments);
  std::perror("polkamina: restart");
}

}  // namespace polkamina::system
