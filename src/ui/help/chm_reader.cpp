#include "ui/help/chm_reader.h"

#include <mspack.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "store/file_read.h"
#include "store/text.h"

namespace polkamina::help {

namespace {

// libmspack names files by string; these two names are the only ones the
// memory system below knows: the CHM bytes and the buffer of one extraction.
constexpr const char* kInputName = "chm";
constexpr const char* kOutputName = "out";

// An mspack_system whose files are buffers in memory. The struct starts with
// the mspack_system so libmspack's `self` pointer leads back to it.
struct MemorySystem {
  mspack_system base;
  const std::vector<unsigned char>* input = nullptr;
  std::vector<unsigned char>* output = nullptr;  // set only during an extraction
};

struct MemoryFile {
  const std::vector<unsigned char>* input = nullptr;  // reading the CHM bytes
  std::vector<unsigned char>* output = nullptr;       // writing an extraction
  std::size_t pos = 0;

  std::size_t size() const { return input ? input->size() : output->size(); }
};

MemoryFile* asMemoryFile(mspack_file* file) { return reinterpret_cast<MemoryFile*>(file); }

mspack_file* memoryOpen(mspack_system* self, const char* filename, int mode) {
  if (!self || !filename) return nullptr;
  auto* system = reinterpret_cast<MemorySystem*>(self);
  auto* file = new (std::nothrow) MemoryFile;
  if (!file) return nullptr;
  if (mode == MSPACK_SYS_OPEN_READ && std::strcmp(filename, kInputName) == 0 && system->input) {
    file->input = system->input;
  } else if (mode == MSPACK_SYS_OPEN_WRITE && std::strcmp(filename, kOutputName) == 0 &&
             system->output) {
    system->output->clear();
    file->output = system->output;
  } else {
    delete file;
    return nullptr;
  }
  return reinterpret_cast<mspack_file*>(file);
}

void memoryClose(mspack_file* file) { delete asMemoryFile(file); }

int memoryRead(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = asMemoryFile(handle);
  if (!file || !file->input || bytes < 0) return -1;
  const std::size_t count =
      std::min(static_cast<std::size_t>(bytes), file->input->size() - file->pos);
  if (count > 0) std::memcpy(buffer, file->input->data() + file->pos, count);
  file->pos += count;
  return static_cast<int>(count);
}

int memoryWrite(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = asMemoryFile(handle);
  if (!file || !file->output || bytes < 0) return -1;
  const std::size_t count = static_cast<std::size_t>(bytes);
  if (count > ChmReader::kMaxSectionOffset || file->pos > ChmReader::kMaxSectionOffset - count) {
    return -1;
  }
  if (file->pos + count > file->output->size()) file->output->resize(file->pos + count);
  if (count > 0) std::memcpy(file->output->data() + file->pos, buffer, count);
  file->pos += count;
  return bytes;
}

int memorySeek(mspack_file* handle, off_t offset, int mode) {
  MemoryFile* file = asMemoryFile(handle);
  if (!file) return -1;
  const auto size = static_cast<long long>(file->size());
  long long base = 0;
  switch (mode) {
    case MSPACK_SYS_SEEK_START:
      base = 0;
      break;
    case MSPACK_SYS_SEEK_CUR:
      base = static_cast<long long>(file->pos);
      break;
    case MSPACK_SYS_SEEK_END:
      base = size;
      break;
    default:
      return -1;
  }
  // Bounding the offset first keeps the sum below from overflowing.
  if (offset < -size || offset > size) return -1;
  const long long target = base + static_cast<long long>(offset);
  if (target < 0 || target > size) return -1;
  file->pos = static_cast<std::size_t>(target);
  return 0;
}

off_t memoryTell(mspack_file* handle) {
  MemoryFile* file = asMemoryFile(handle);
  return file ? static_cast<off_t>(file->pos) : -1;
}

// libmspack's warnings about odd but readable files are not for the player.
void memoryMessage(mspack_file*, const char*, ...) {}

void* memoryAlloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void memoryFree(void* pointer) { std::free(pointer); }
void memoryCopy(void* source, void* destination, size_t bytes) {
  std::memmove(destination, source, bytes);
}

bool endsWithIgnoringAsciiCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         store::equalsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

bool isPage(const std::string& name) {
  return endsWithIgnoringAsciiCase(name, ".htm") || endsWithIgnoringAsciiCase(name, ".html");
}

std::uint16_t readLittleEndian16(const std::vector<unsigned char>& bytes, std::size_t pos) {
  return static_cast<std::uint16_t>(bytes[pos] | (bytes[pos + 1] << 8));
}

// Entry names ordered without regard to ASCII case, as they are looked up.
bool precedesIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(store::asciiLower(x)) <
           static_cast<unsigned char>(store::asciiLower(y));
  });
}

// How many entries the directory declares: each directory (PMGL) chunk
// gives its count in its last two bytes. libmspack reads every chunk from
// the first to the last that the header names, as far as the file goes,
// and makes a record of each entry it reads; this counts the same chunks.
std::size_t declaredEntries(const mschmd_header& header, const std::vector<unsigned char>& bytes) {
  const unsigned long long chunkSize = header.chunk_size;
  if (header.dir_offset < 0 || chunkSize < 2) return 0;
  std::size_t entries = 0;
  for (unsigned long long chunk = header.first_pmgl; chunk <= header.last_pmgl; ++chunk) {
    const unsigned long long start =
        static_cast<unsigned long long>(header.dir_offset) + chunk * chunkSize;
    if (start > bytes.size() || chunkSize > bytes.size() - start) break;
    if (std::memcmp(&bytes[start], "PMGL", 4) != 0) continue;
    entries += readLittleEndian16(bytes, start + chunkSize - 2);
  }
  return entries;
}

// What a failed read of the help file means for the player.
ChmReader::Status readFailure(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory) return ChmReader::Status::Missing;
  if (error == std::errc::file_too_large) return ChmReader::Status::TooLarge;
  // Something other than a regular file under the name.
  if (error == std::errc::is_a_directory || error == std::errc::invalid_argument) {
    return ChmReader::Status::Damaged;
  }
  return ChmReader::Status::Unreadable;
}

}  // namespace

// The libmspack state of one open file. It lives at a fixed address because
// libmspack keeps pointers to the system and to the input bytes.
struct ChmReader::Decoder {
  MemorySystem system;
  std::vector<unsigned char> bytes;
  mschm_decompressor* decompressor = nullptr;
  mschmd_header* header = nullptr;
  // The entries ordered by name, ASCII case ignored, names alike in file
  // order: a binary search finds one in at most 17 steps, and no choice of
  // names can make it slower, as crafted names could a hash table.
  std::vector<std::pair<std::string_view, mschmd_file*>> byName;
  // The compressed section, decompressed from its start as far as the
  // entries read so far reach; never further once it proved damaged, so
  // damage costs its decompression once.
  std::vector<unsigned char> section;
  bool sectionDamaged = false;

  Decoder() {
    system.base =
        mspack_system{memoryOpen,    memoryClose, memoryRead, memoryWrite, memorySeek, memoryTell,
                      memoryMessage, memoryAlloc, memoryFree, memoryCopy,  nullptr};
    system.input = &bytes;
  }
  ~Decoder() {
    if (header) decompressor->close(decompressor, header);
    if (decompressor) mspack_destroy_chm_decompressor(decompressor);
  }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
};

ChmReader::ChmReader() = default;
ChmReader::~ChmReader() = default;

ChmReader::Status ChmReader::open(const std::filesystem::path& path) {
  close();
  std::error_code error;
  const std::optional<std::string> bytes = store::readRegularFile(path, kMaxFileSize, error);
  if (!bytes) return fail(readFailure(error));
  const Status status = openBytes(std::vector<unsigned char>(bytes->begin(), bytes->end()));
  if (status == Status::Ok) fileName_ = path.filename().string();
  return status;
}

ChmReader::Status ChmReader::openBytes(std::vector<unsigned char> bytes) {
  close();
  if (bytes.size() > kMaxFileSize) return fail();

  int selftest = MSPACK_ERR_OK;
  MSPACK_SYS_SELFTEST(selftest);
  if (selftest != MSPACK_ERR_OK) return fail();

  auto decoder = std::make_unique<Decoder>();
  decoder->bytes = std::move(bytes);
  decoder->decompressor = mspack_create_chm_decompressor(&decoder->system.base);
  if (!decoder->decompressor) return fail();
  // The headers alone first: a directory too large is refused unread.
  decoder->header = decoder->decompressor->fast_open(decoder->decompressor, kInputName);
  if (!decoder->header) return fail();
  const std::size_t declared = declaredEntries(*decoder->header, decoder->bytes);
  decoder->decompressor->close(decoder->decompressor, decoder->header);
  decoder->header = nullptr;
  if (declared > kMaxEntries) return fail(Status::TooLarge);
  decoder->header = decoder->decompressor->open(decoder->decompressor, kInputName);
  if (!decoder->header) return fail();

  for (mschmd_file* file = decoder->header->files; file; file = file->next) {
    if (!file->filename) continue;
    entries_.emplace_back(file->filename);
    decoder->byName.emplace_back(file->filename, file);
  }
  std::stable_sort(
      decoder->byName.begin(), decoder->byName.end(),
      [](const auto& a, const auto& b) { return precedesIgnoringAsciiCase(a.first, b.first); });
  decoder_ = std::move(decoder);
  findDefaultTopic();
  // A file cut short keeps its directory but loses the pages it lists.
  if (defaultTopic_.empty() || !read(defaultTopic_)) return fail();
  return Status::Ok;
}

void ChmReader::close() {
  decoder_.reset();
  entries_.clear();
  fileName_.clear();
  defaultTopic_.clear();
  missingDefaultTopic_.clear();
}

ChmReader::Status ChmReader::fail(Status status) {
  close();
  return status;
}

std::string ChmReader::findEntry(const std::string& name) const {
  const mschmd_file* file = findFile(name);
  return file ? std::string(file->filename) : std::string();
}

mschmd_file* ChmReader::findFile(const std::string& name) const {
  if (!decoder_) return nullptr;
  const std::string wanted = (!name.empty() && name.front() == '/') ? name : "/" + name;
  const auto& byName = decoder_->byName;
  const auto found = std::lower_bound(byName.begin(), byName.end(), wanted,
                                      [](const auto& entry, const std::string& key) {
                                        return precedesIgnoringAsciiCase(entry.first, key);
                                      });
  if (found == byName.end() || precedesIgnoringAsciiCase(wanted, found->first)) return nullptr;
  return found->second;
}

std::optional<std::size_t> ChmReader::entrySize(const std::string& name) const {
  mschmd_file* file = findFile(name);
  if (!file || file->length < 0) return std::nullopt;
  return static_cast<std::size_t>(file->length);
}

std::optional<std::vector<unsigned char>> ChmReader::read(const std::string& name) const {
  const mschmd_file* file = findFile(name);
  if (!file || !file->section || file->length < 0 || file->offset < 0 ||
      static_cast<unsigned long long>(file->length) > kMaxEntrySize) {
    return std::nullopt;
  }
  if (file->section->id == 1) return readCompressed(*file);
  // The uncompressed section lies in the file as it is.
  const std::vector<unsigned char>& bytes = decoder_->bytes;
  const off_t base = decoder_->header->sec0.offset;
  const auto length = static_cast<unsigned long long>(file->length);
  if (base < 0 || static_cast<unsigned long long>(base) > bytes.size() ||
      static_cast<unsigned long long>(file->offset) > bytes.size() - base ||
      length > bytes.size() - base - file->offset) {
    return std::nullopt;
  }
  const auto begin = bytes.begin() + base + file->offset;
  return std::vector<unsigned char>(begin, begin + static_cast<std::ptrdiff_t>(length));
}

// An entry of the compressed section: the section is decompressed as far as
// the entry's end, on from where the last entry read left it.
std::optional<std::vector<unsigned char>> ChmReader::readCompressed(const mschmd_file& file) const {
  const auto end = static_cast<unsigned long long>(file.offset) + file.length;
  if (end > kMaxSectionOffset) return std::nullopt;
  std::vector<unsigned char>& section = decoder_->section;
  if (end > section.size() && !decoder_->sectionDamaged) {
    mschmd_file rest{};
    rest.section = file.section;
    rest.offset = static_cast<off_t>(section.size());
    rest.length = static_cast<off_t>(end - section.size());
    std::vector<unsigned char> more;
    decoder_->system.output = &more;
    const int result = decoder_->decompressor->extract(decoder_->decompressor, &rest, kOutputName);
    decoder_->system.output = nullptr;
    // What came out before an error is the section as far as it is sound.
    section.insert(section.end(), more.begin(), more.end());
    decoder_->sectionDamaged =
        result != MSPACK_ERR_OK || more.size() != static_cast<std::size_t>(rest.length);
  }
  if (end > section.size()) return std::nullopt;
  const auto begin = section.begin() + file.offset;
  return std::vector<unsigned char>(begin, begin + file.length);
}

void ChmReader::findDefaultTopic() {
  if (const auto system = read("/#SYSTEM")) {
    const std::string named = defaultTopicFromSystem(*system);
    const std::string topic = named.empty() ? std::string() : findEntry(named);
    if (!topic.empty()) {
      defaultTopic_ = topic;
      return;
    }
    missingDefaultTopic_ = named;
  }
  const auto page = std::find_if(entries_.begin(), entries_.end(), isPage);
  if (page != entries_.end()) defaultTopic_ = *page;
}

std::string defaultTopicFromSystem(const std::vector<unsigned char>& system) {
  // A 4-byte version, then records of a 16-bit code, a 16-bit length and
  // that many bytes; code 2 holds the default topic as a NUL-ended string.
  constexpr std::uint16_t kDefaultTopicCode = 2;
  std::size_t pos = 4;
  while (system.size() >= 4 && pos <= system.size() - 4) {
    const std::uint16_t code = readLittleEndian16(system, pos);
    const std::size_t length = readLittleEndian16(system, pos + 2);
    pos += 4;
    if (length > system.size() - pos) return {};
    if (code == kDefaultTopicCode) {
      const auto begin = system.begin() + static_cast<std::ptrdiff_t>(pos);
      const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(length), 0);
      return std::string(begin, end);
    }
    pos += length;
  }
  return {};
}

}  // namespace polkamina::help
