#include "chm_writer.h"

#include <cstdint>

namespace polkamina::help {

namespace {

constexpr std::size_t kChunkSize = 4096;
constexpr std::size_t kChunkHeaderSize = 0x14;
// The entry count at the end of each chunk.
constexpr std::size_t kChunkCountSize = 2;
constexpr std::size_t kHeaderSize = 0x60;
constexpr std::size_t kHeaderSection0Size = 0x18;
constexpr std::size_t kDirectoryHeaderSize = 0x54;

void put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

void put64(std::string& out, std::uint64_t value) {
  put32(out, static_cast<std::uint32_t>(value));
  put32(out, static_cast<std::uint32_t>(value >> 32));
}

// A number as a directory entry gives it: seven bits a byte, the high bit
// set on every byte but the last.
std::string encodedInteger(std::uint64_t value) {
  std::string bytes(1, static_cast<char>(value & 0x7F));
  while (value >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return bytes;
}

// {7C01FD10-7BAA-11D0-9E0C-00A0C922E6EC} and {7C01FD11-...}, the header's
// two GUIDs, and the directory's {5D02926A-212E-11D0-9DF9-00A0C922E6EC}.
const char kFileGuids[] =
    "\x10\xFD\x01\x7C\xAA\x7B\xD0\x11\x9E\x0C\x00\xA0\xC9\x22\xE6\xEC"
    "\x11\xFD\x01\x7C\xAA\x7B\xD0\x11\x9E\x0C\x00\xA0\xC9\x22\xE6\xEC";
const char kDirectoryGuid[] = "\x6A\x92\x02\x5D\x2E\x21\xD0\x11\x9D\xF9\x00\xA0\xC9\x22\xE6\xEC";

}  // namespace

void ChmWriter::add(const std::string& name, const std::string& bytes) {
  const std::string entry = encodedInteger(name.size()) + name + encodedInteger(0) +
                            encodedInteger(content_.size()) + encodedInteger(bytes.size());
  if (kChunkHeaderSize + entries_.size() + entry.size() + kChunkCountSize > kChunkSize) {
    closeChunk();
  }
  entries_ += entry;
  ++entryCount_;
  content_ += bytes;
}

void ChmWriter::closeChunk() {
  std::string chunk = "PMGL";
  put32(chunk, static_cast<std::uint32_t>(kChunkSize - kChunkHeaderSize - entries_.size()));
  put32(chunk, 0);
  put32(chunk, 0xFFFFFFFF);  // no chunk before
  put32(chunk, 0xFFFFFFFF);  // nor after: libmspack reads them in order
  chunk += entries_;
  chunk.resize(kChunkSize - kChunkCountSize, '\0');
  chunk += static_cast<char>(entryCount_ & 0xFF);
  chunk += static_cast<char>(entryCount_ >> 8);
  chunks_.push_back(chunk);
  entries_.clear();
  entryCount_ = 0;
}

void ChmWriter::declareInLastChunk(unsigned count) {
  if (entryCount_ > 0) closeChunk();
  std::string& chunk = chunks_.back();
  chunk[kChunkSize - 2] = static_cast<char>(count & 0xFF);
  chunk[kChunkSize - 1] = static_cast<char>(count >> 8);
}

std::string ChmWriter::finish(const std::string& defaultTopic) {
  // #SYSTEM: a version, then the default topic as record 2.
  std::string system;
  put32(system, 3);
  system += '\x02';
  system += '\x00';
  system += static_cast<char>(defaultTopic.size() + 1);
  system += '\x00';
  system += defaultTopic;
  system += '\0';
  add("/#SYSTEM", system);
  if (entryCount_ > 0) closeChunk();

  const std::size_t directoryOffset = kHeaderSize + kHeaderSection0Size;
  const std::size_t directorySize = kDirectoryHeaderSize + chunks_.size() * kChunkSize;
  const std::size_t contentOffset = directoryOffset + directorySize;
  const std::size_t fileSize = contentOffset + content_.size();

  std::string file = "ITSF";
  put32(file, 3);  // version
  put32(file, kHeaderSize);
  put32(file, 1);
  put32(file, 0);      // time stamp
  put32(file, 0x411);  // Japanese
  file.append(kFileGuids, 32);
  put64(file, kHeaderSize);
  put64(file, kHeaderSection0Size);
  put64(file, directoryOffset);
  put64(file, directorySize);
  put64(file, contentOffset);

  put32(file, 0x1FE);
  put32(file, 0);
  put64(file, fileSize);
  put32(file, 0);
  put32(file, 0);

  file += "ITSP";
  put32(file, 1);
  put32(file, kDirectoryHeaderSize);
  put32(file, 0x0A);
  put32(file, kChunkSize);
  put32(file, 2);                                               // quick reference density
  put32(file, 1);                                               // depth: no index chunks
  put32(file, 0xFFFFFFFF);                                      // no index root
  put32(file, 0);                                               // first directory chunk
  put32(file, static_cast<std::uint32_t>(chunks_.size() - 1));  // last
  put32(file, 0xFFFFFFFF);
  put32(file, static_cast<std::uint32_t>(chunks_.size()));
  put32(file, 0x411);
  file.append(kDirectoryGuid, 16);
  put32(file, kDirectoryHeaderSize);
  for (int i = 0; i < 3; ++i) put32(file, 0xFFFFFFFF);
  for (const std::string& chunk : chunks_) file += chunk;
  file += content_;
  return file;
}

unsigned long crc32Of(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return crc ^ 0xFFFFFFFF;
}

}  // namespace polkamina::help
