#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace polkamina::help {

// Writes CHM files of any shape for tests, where chmcmd would take too long
// or refuses: every entry in the uncompressed section, the directory as
// plain directory (PMGL) chunks with no index, which is all that libmspack
// needs to open a file whole.
class ChmWriter {
 public:
  // An entry named `name` ("/index.html") holding `bytes`.
  void add(const std::string& name, const std::string& bytes);
  // The file, opening at the page `defaultTopic` ("index.html").
  std::string finish(const std::string& defaultTopic);

  // Makes the last directory chunk written declare `count` entries,
  // whatever it holds.
  void declareInLastChunk(unsigned count);

 private:
  void closeChunk();

  std::vector<std::string> chunks_;
  std::string entries_;      // of the chunk being filled
  unsigned entryCount_ = 0;  // in it
  std::string content_;      // the uncompressed section
};

// A CRC-32 as PNG chunks and zlib's crc32() have it.
unsigned long crc32Of(const std::string& bytes);

}  // namespace polkamina::help
