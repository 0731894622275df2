#include "store/history.h"

#include "store/cp932.h"
#include "store/field_reader.h"
#include "store/file_error.h"
#include "store/line_writer.h"

namespace polkamina::store {

namespace {

// Rows are only kept once they have been read whole, so reading one again
// cannot fail; the name is only for the error that cannot happen.
const char* const kHistoryFile = "履歴.txt";

}  // namespace

HistoryRow HistoryRows::operator[](std::size_t index) const {
  FieldReader reader(bytes_, kHistoryFile, starts_.at(index));
  HistoryRow row;
  for (std::string& field : row) field = reader.readText();
  return row;
}

std::string HistoryRows::field(std::size_t index, std::size_t column, std::size_t maxChars) const {
  FieldReader reader(bytes_, kHistoryFile, starts_.at(index));
  for (std::size_t k = 0; k < column; ++k) reader.skipText();
  return reader.readText(maxChars);
}

std::array<std::string_view, std::tuple_size<HistoryRow>::value> HistoryRows::rawRow(
    std::size_t index, std::size_t fields) const {
  FieldReader reader(bytes_, kHistoryFile, starts_.at(index));
  std::array<std::string_view, std::tuple_size<HistoryRow>::value> row;
  for (std::size_t k = 0; k < fields && k < row.size(); ++k) row[k] = reader.readRawText();
  return row;
}

void HistoryRows::append(const HistoryRow& row) {
  const std::string line = formatHistoryRow(row, kHistoryFile);
  starts_.push_back(bytes_.size());
  bytes_ += line;
}

void HistoryRows::clear() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  starts_.clear();
  starts_.shrink_to_fit();
}

HistoryRows parseHistory(std::string bytes, const std::string& fileName) {
  if (!isCp932(bytes)) throw FileError(FileError::Kind::NotCp932, fileName);
  std::vector<std::size_t> starts;
  // About sixty bytes a row, as the game writes them.
  starts.reserve(bytes.size() / 60);
  FieldReader reader(bytes, fileName);
  while (!reader.atEnd()) {
    starts.push_back(reader.position());
    for (std::size_t k = 0; k < std::tuple_size<HistoryRow>::value; ++k) reader.skipText();
  }
  return HistoryRows(std::move(bytes), std::move(starts));
}

std::string formatHistoryRow(const HistoryRow& row, const std::string& fileName) {
  return utf8ToCp932(delimitedLine(std::vector<Field>(row.begin(), row.end())), fileName);
}

}  // namespace polkamina::store
