#include "ui/system/file_error_report.h"

#include <cstdlib>

#include "store/translation.h"
#include "ui/system/message_box.h"

namespace polkamina::system {

void reportFileErrorAndExit(const store::FileError& error) {
  showMessageBox(store::describeFileError(error),
                 store::translated("FileError", store::kFileErrorCaption),
                 game::MessageIcon::Exclamation, game::MessageButtons::Ok);
  // No closing handling may run: it could write files that are in doubt.
  std::_Exit(EXIT_FAILURE);
}

void runReportingFileErrors(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const store::FileError& error) {
    reportFileErrorAndExit(error);
  }
}

}  // namespace polkamina::system
