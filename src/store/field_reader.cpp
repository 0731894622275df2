#include "store/field_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "store/cp932.h"
#include "store/file_error.h"

namespace polkamina::store {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\r' || c == '\n'; }

// Strict decimal grammar: optional sign, digits with at most one point, an
// optional exponent. Returns false for anything else, including "".
bool parseDecimal(std::string_view token, double& value) {
  const char* first = token.data();
  const char* last = first + token.size();
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  // from_chars would also take "inf" and "nan"; a data file never holds them.
  const char* body = *first == '-' ? first + 1 : first;
  if (body == last || !(std::isdigit(static_cast<unsigned char>(*body)) || *body == '.')) {
    return false;
  }
  auto [end, error] = std::from_chars(first, last, value);
  if (end != last) return false;
  if (error == std::errc::result_out_of_range) {
    value = std::numeric_limits<double>::infinity();
    return true;
  }
  return error == std::errc();
}

}  // namespace

FieldReader::FieldReader(std::string_view bytes, std::string fileName, std::size_t start)
    : bytes_(bytes), fileName_(std::move(fileName)), pos_(start) {}

bool FieldReader::atLineEnd() const { return pos_ < bytes_.size() && isLineEndChar(bytes_[pos_]); }

void FieldReader::skipBlanks() {
  while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) ++pos_;
}

void FieldReader::consumeSeparator() {
  skipBlanks();
  if (pos_ >= bytes_.size()) return;
  if (bytes_[pos_] == ',') {
    ++pos_;
  } else if (bytes_[pos_] == '\r') {
    ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  } else if (bytes_[pos_] == '\n') {
    ++pos_;
  }
}

std::string_view FieldReader::readRawField(bool isNumber) {
  skipBlanks();
  if (atEnd()) throw FileError(FileError::Kind::EndedEarly, fileName_);
  const std::size_t start = pos_;
  std::string_view field;
  if (bytes_[pos_] == '"') {
    const std::size_t close = bytes_.find('"', pos_ + 1);
    if (close == std::string_view::npos) throw FileError(FileError::Kind::EndedEarly, fileName_);
    field = bytes_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !atLineEnd() &&
           pos_ - start <= kMaxFieldBytes) {
      ++pos_;
    }
  } else {
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !atLineEnd() &&
           !(isNumber && isBlank(bytes_[pos_])) && pos_ - start <= kMaxFieldBytes) {
      ++pos_;
    }
    field = bytes_.substr(start, pos_ - start);
    if (!isNumber) {
      const std::size_t last = field.find_last_not_of(" \t");
      field = field.substr(0, last == std::string_view::npos ? 0 : last + 1);
    }
  }
  if (pos_ - start > kMaxFieldBytes) throw FileError(FileError::Kind::TooLong, fileName_);
  consumeSeparator();
  return field;
}

std::string FieldReader::readText(std::size_t maxChars) {
  const std::string_view field = readRawField(false);
  return cp932ToUtf8(field.substr(0, cp932CharsBytes(field, maxChars)), fileName_);
}

void FieldReader::skipText() { readRawField(false); }

std::int16_t FieldReader::readInt16() {
  double value = 0;
  if (!parseDecimal(readRawField(true), value)) {
    throw FileError(FileError::Kind::NotANumber, fileName_);
  }
  // Whole-number fields written with a fraction are rounded half to even.
  double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max())) {
    throw FileError(FileError::Kind::OutOfRange, fileName_);
  }
  return static_cast<std::int16_t>(rounded);
}

float FieldReader::readSingle() {
  double value = 0;
  if (!parseDecimal(readRawField(true), value)) {
    throw FileError(FileError::Kind::NotANumber, fileName_);
  }
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
    throw FileError(FileError::Kind::OutOfRange, fileName_);
  }
  return static_cast<float>(value);
}

}  // namespace polkamina::store
