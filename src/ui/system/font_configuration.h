#pragma once

#include <thread>

namespace polkamina::system {

// Reads the system's font configuration on a thread of its own from the
// program's first moment, while Qt connects to the display: Qt would read it
// when it first measures a text, on the way to the window's first paint.
// Waits for the thread when it goes out of scope.
class FontConfigurationReader {
 public:
  FontConfigurationReader();
  ~FontConfigurationReader();
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

 private:
  std::thread thread_;
};

}  // namespace polkamina::system
