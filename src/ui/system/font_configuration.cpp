#include "ui/system/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace polkamina::system {

// Fontconfig loads its configuration once per process, safely from any
// thread; Qt's font database then finds it loaded.
FontConfigurationReader::FontConfigurationReader() : thread_([] { FcInit(); }) {}

FontConfigurationReader::~FontConfigurationReader() { thread_.join(); }

}  // namespace polkamina::system
