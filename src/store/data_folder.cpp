#include "store/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/cp932.h"
#include "store/field_reader.h"
#include "store/file_error.h"
#include "store/folder_lookup.h"
#include "store/line_writer.h"

namespace polkamina::store {

namespace {

namespace fs = std::filesystem;

// Names as the files are written; reading looks them up without regard to case.
const char* const kDelaysFile = "設定.txt";
const char* const kOptionsFile = "設定2.txt";
const char* const kRecordsFile = "記録.txt";
const char* const kHistoryFile = "履歴.txt";

FieldReader readerFor(const std::string& bytes, const std::string& fileName) {
  return FieldReader(cp932ToUtf8(bytes, fileName), fileName);
}

std::string readWholeFile(const fs::path& path, const std::string& fileName) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    throw FileError(errno == ENOENT ? FileError::Kind::Missing : FileError::Kind::CannotOpen,
                    fileName);
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw FileError(FileError::Kind::CannotOpen, fileName);
  }
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t done = 0;
  while (true) {
    if (done == bytes.size()) bytes.resize(bytes.size() + 4096);
    ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw FileError(FileError::Kind::CannotOpen, fileName);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

}  // namespace

Delays parseDelays(const std::string& bytes, const std::string& fileName) {
  FieldReader reader = readerFor(bytes, fileName);
  Delays delays;
  delays.hide = reader.readSingle();
  delays.erase = reader.readSingle();
  return delays;
}

std::string formatDelays(const Delays& delays) {
  return printedNumberLine(delays.hide) + printedNumberLine(delays.erase);
}

Options parseOptions(const std::string& bytes, const std::string& fileName) {
  FieldReader reader = readerFor(bytes, fileName);
  Options options;
  options.level = reader.readText();
  options.nameDisplay = reader.readInt16();
  options.autoSave = reader.readInt16();
  return options;
}

std::string formatOptions(const Options& options, const std::string& fileName) {
  return utf8ToCp932(delimitedLine({options.level, options.nameDisplay, options.autoSave}),
                     fileName);
}

Records parseRecords(const std::string& bytes, const std::string& fileName) {
  FieldReader reader = readerFor(bytes, fileName);
  Records records;
  for (Record& record : records) {
    record.turns = reader.readInt16();
    record.time = reader.readText();
  }
  return records;
}

std::string formatRecords(const Records& records, const std::string& fileName) {
  std::string text;
  for (const Record& record : records) text += delimitedLine({record.turns, record.time});
  return utf8ToCp932(text, fileName);
}

std::vector<HistoryRow> parseHistory(const std::string& bytes, const std::string& fileName) {
  FieldReader reader = readerFor(bytes, fileName);
  std::vector<HistoryRow> rows;
  rows.reserve(bytes.size() / 60);
  while (!reader.atEnd()) {
    HistoryRow& row = rows.emplace_back();
    for (std::string& field : row) field = reader.readText();
  }
  return rows;
}

std::string formatHistoryRow(const HistoryRow& row, const std::string& fileName) {
  return utf8ToCp932(delimitedLine(std::vector<Field>(row.begin(), row.end())), fileName);
}

DataFolder::DataFolder(fs::path folder) : folder_(std::move(folder)) {}

Delays DataFolder::loadDelays() const {
  return parseDelays(readWholeFile(findInFolder(folder_, "設定.TXT"), kDelaysFile), kDelaysFile);
}

void DataFolder::saveDelays(const Delays& delays) const {
  replaceFile(findInFolder(folder_, kDelaysFile), formatDelays(delays), kDelaysFile);
}

Options DataFolder::loadOptions() const {
  return parseOptions(readWholeFile(findInFolder(folder_, kOptionsFile), kOptionsFile),
                      kOptionsFile);
}

void DataFolder::saveOptions(const Options& options) const {
  replaceFile(findInFolder(folder_, kOptionsFile), formatOptions(options, kOptionsFile),
              kOptionsFile);
}

Records DataFolder::loadRecords() const {
  return parseRecords(readWholeFile(findInFolder(folder_, "記録.TXT"), kRecordsFile), kRecordsFile);
}

void DataFolder::saveRecords(const Records& records) const {
  replaceFile(findInFolder(folder_, kRecordsFile), formatRecords(records, kRecordsFile),
              kRecordsFile);
}

std::vector<HistoryRow> DataFolder::readHistory() const {
  return parseHistory(readWholeFile(findInFolder(folder_, kHistoryFile), kHistoryFile),
                      kHistoryFile);
}

void DataFolder::appendHistoryRow(const HistoryRow& row) const {
  std::string line = formatHistoryRow(row, kHistoryFile);
  fs::path path = findInFolder(folder_, kHistoryFile);
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError(FileError::Kind::CannotWrite, kHistoryFile);
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  std::size_t done = 0;
  while (ok && done < line.size()) {
    ssize_t n = ::write(fd, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  // A row that could not be written whole is taken back, so no half row remains.
  if (!ok) {
    [[maybe_unused]] int undone = ::ftruncate(fd, info.st_size);
  }
  ok = ::close(fd) == 0 && ok;
  if (!ok) throw FileError(FileError::Kind::CannotWrite, kHistoryFile);
}

void DataFolder::clearHistory() const {
  replaceFile(findInFolder(folder_, kHistoryFile), std::string(), kHistoryFile);
}

}  // namespace polkamina::store
