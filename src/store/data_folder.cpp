#include "store/data_folder.h"

#include <limits>
#include <optional>
#include <system_error>

#include "store/cp932.h"
#include "store/field_reader.h"
#include "store/file_error.h"
#include "store/file_links.h"
#include "store/file_read.h"
#include "store/file_write.h"
#include "store/folder_lookup.h"
#include "store/line_writer.h"

namespace polkamina::store {

namespace {

namespace fs = std::filesystem;

// Names as the files are written. Reads and writes look up the same name
// without regard to case, so start-up's "設定.TXT" and "記録.TXT" find these
// files, and a folder holding two case variants of one name never has its
// changes written to one and read from the other.
const char* const kDelaysFile = "設定.txt";
const char* const kOptionsFile = "設定2.txt";
const char* const kRecordsFile = "記録.txt";
const char* const kHistoryFile = "履歴.txt";

// A reader of a file's bytes, once they are known to be code page 932.
FieldReader readerFor(const std::string& bytes, const std::string& fileName) {
  if (!isCp932(bytes)) throw FileError(FileError::Kind::NotCp932, fileName);
  return FieldReader(bytes, fileName);
}

std::string readWholeFile(const fs::path& path, const std::string& fileName) {
  std::error_code error;
  std::optional<std::string> bytes =
      readRegularFile(followLinks(path, fileName, FileError::Kind::CannotOpen),
                      std::numeric_limits<std::size_t>::max() / 2, error);
  if (!bytes) {
    throw FileError(error == std::errc::no_such_file_or_directory ? FileError::Kind::Missing
                                                                  : FileError::Kind::CannotOpen,
                    fileName);
  }
  return std::move(*bytes);
}

// Whether the file at path holds exactly bytes.
bool holds(const fs::path& path, const std::string& bytes) {
  std::error_code error;
  const std::optional<std::string> content = readRegularFile(path, bytes.size(), error);
  return content == bytes;
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

DataFolder::DataFolder(fs::path folder) : folder_(std::move(folder)) {}

std::string DataFolder::read(const std::string& fileName) const {
  return readWholeFile(findInFolder(folder_, fileName), fileName);
}

// Start-up and a player's repeated choices write a file again with the bytes
// the last write put down; while the file still holds them, there is nothing
// to write, and no wait for the disk.
void DataFolder::replace(const std::string& fileName, const std::string& bytes) const {
  const fs::path path = findInFolder(folder_, fileName);
  const auto written = lastWritten_.find(fileName);
  if (written != lastWritten_.end() && written->second == bytes && holds(path, bytes)) return;
  replaceFile(path, bytes, fileName);
  lastWritten_[fileName] = bytes;
}

Delays DataFolder::loadDelays() const { return parseDelays(read(kDelaysFile), kDelaysFile); }

void DataFolder::saveDelays(const Delays& delays) const {
  replace(kDelaysFile, formatDelays(delays));
}

Options DataFolder::loadOptions() const { return parseOptions(read(kOptionsFile), kOptionsFile); }

void DataFolder::saveOptions(const Options& options) const {
  replace(kOptionsFile, formatOptions(options, kOptionsFile));
}

Records DataFolder::loadRecords() const { return parseRecords(read(kRecordsFile), kRecordsFile); }

void DataFolder::saveRecords(const Records& records) const {
  replace(kRecordsFile, formatRecords(records, kRecordsFile));
}

HistoryRows DataFolder::readHistory() const {
  return parseHistory(read(kHistoryFile), kHistoryFile);
}

void DataFolder::appendHistoryRow(const HistoryRow& row) const {
  appendLine(findInFolder(folder_, kHistoryFile), formatHistoryRow(row, kHistoryFile),
             kHistoryFile);
}

void DataFolder::clearHistory() const { replace(kHistoryFile, std::string()); }

}  // namespace polkamina::store
