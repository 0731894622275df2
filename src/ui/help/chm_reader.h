#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace polkamina::help {

// A compiled HTML Help (CHM) file, read whole into memory and decoded with
// libmspack. Nothing outside the file is ever touched after open(): every
// entry is decompressed from the bytes in memory into memory. Damaged input
// makes open() or read() fail; it never reads or writes out of bounds.
class ChmReader {
 public:
  enum class Status {
    Ok,
    Missing,  // no file of that name
    Damaged,  // unreadable, not a CHM file, or a CHM file without any page
  };

  // Larger files are refused rather than read into memory.
  static constexpr std::size_t kMaxFileSize = 64u << 20;
  // Larger entries are refused rather than decompressed.
  static constexpr std::size_t kMaxEntrySize = 16u << 20;

  ChmReader();
  ~ChmReader();
  ChmReader(const ChmReader&) = delete;
  ChmReader& operator=(const ChmReader&) = delete;

  Status open(const std::filesystem::path& path);
  Status openBytes(std::vector<unsigned char> bytes);

  // Entry names as stored, such as "/index.html" and "/#SYSTEM", in file order.
  const std::vector<std::string>& entries() const { return entries_; }
  // The stored name of the entry called `name` (ASCII case ignored, leading
  // "/" optional), or an empty string when there is none.
  std::string findEntry(const std::string& name) const;
  // The bytes of an entry; nothing when it is missing, too large or damaged.
  std::optional<std::vector<unsigned char>> read(const std::string& name) const;
  // Stored name of the page the file opens at.
  const std::string& defaultTopic() const { return defaultTopic_; }

 private:
  struct Decoder;

  void close();
  Status fail();
  std::string findDefaultTopic() const;

  std::unique_ptr<Decoder> decoder_;
  std::vector<std::string> entries_;
  std::string defaultTopic_;
};

// The default topic recorded in a CHM "#SYSTEM" entry (code 2), or an empty
// string when the entry holds none or is malformed.
std::string defaultTopicFromSystem(const std::vector<unsigned char>& system);

}  // namespace polkamina::help
