#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct mschmd_file;

namespace polkamina::help {

// A compiled HTML Help (CHM) file, read whole into memory and decoded with
// libmspack. Nothing outside the file is ever touched after open(): every
// entry is decompressed from the bytes in memory into memory. Damaged input
// makes open() or read() fail; it never reads or writes out of bounds. Only
// a regular file is read, so a FIFO under the help file's name never blocks.
//
// Whatever its shape, a file costs bounded work: its directory is counted
// before libmspack reads it, entries are looked up in a table made once at
// open(), and the compressed section is decompressed once, as far as the
// entries read reach, so no read decompresses anything twice.
class ChmReader {
 public:
  enum class Status {
    Ok,
    Missing,     // no file of that name
    Unreadable,  // the file is there but may not be read
    TooLarge,    // larger than kMaxFileSize
    Damaged,     // not a CHM file, cut off, or without a page that can be read
  };

  // Larger files are refused rather than read into memory.
  static constexpr std::size_t kMaxFileSize = 64u << 20;
  // Larger entries are refused rather than decompressed.
  static constexpr std::size_t kMaxEntrySize = 16u << 20;
  // Compressed entries that end further into their section are refused: to
  // reach one, everything before it is decompressed and kept.
  static constexpr std::size_t kMaxSectionOffset = 16u << 20;
  // A file whose directory declares more entries is refused as too large.
  static constexpr std::size_t kMaxEntries = 100000;

  ChmReader();
  ~ChmReader();
  ChmReader(const ChmReader&) = delete;
  ChmReader& operator=(const ChmReader&) = delete;

  Status open(const std::filesystem::path& path);
  Status openBytes(std::vector<unsigned char> bytes);

  // Entry names as stored, such as "/index.html" and "/#SYSTEM", in file order.
  const std::vector<std::string>& entries() const { return entries_; }
  // The stored name of the entry called `name` (ASCII case ignored, leading
  // "/" optional; the first in file order of names alike), or an empty
  // string when there is none.
  std::string findEntry(const std::string& name) const;
  // The size of an entry as its directory gives it, without decompressing it.
  std::optional<std::size_t> entrySize(const std::string& name) const;
  // The bytes of an entry; nothing when it is missing, too large or damaged.
  std::optional<std::vector<unsigned char>> read(const std::string& name) const;
  // The file's own name as open() was given it ("pkHelp.chm"); empty for
  // bytes given to openBytes().
  const std::string& fileName() const { return fileName_; }
  // Stored name of the page the file opens at.
  const std::string& defaultTopic() const { return defaultTopic_; }
  // The page the file names as its default topic when no entry has that name
  // (defaultTopic() is then its first page); empty otherwise.
  const std::string& missingDefaultTopic() const { return missingDefaultTopic_; }

 private:
  struct Decoder;

  void close();
  Status fail(Status status = Status::Damaged);
  void findDefaultTopic();
  mschmd_file* findFile(const std::string& name) const;
  std::optional<std::vector<unsigned char>> readCompressed(const mschmd_file& file) const;

  std::unique_ptr<Decoder> decoder_;
  std::vector<std::string> entries_;
  std::string fileName_;
  std::string defaultTopic_;
  std::string missingDefaultTopic_;
};

// The default topic recorded in a CHM "#SYSTEM" entry (code 2), or an empty
// string when the entry holds none or is malformed.
std::string defaultTopicFromSystem(const std::vector<unsigned char>& system);

}  // namespace polkamina::help
