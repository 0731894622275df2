#include "store/field_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "store/file_error.h"

namespace polkamina::store {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\r' || c == '\n'; }

// Strict decimal grammar: optional sign, digits with at most one point, an
// optional exponent. Returns false for anything else, including "".
bool parseDecimal(const std::string& token, double& value) {
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

FieldReader::FieldReader(std::string text, std::string fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

bool FieldReader::atLineEnd() const { return pos_ < text_.size() && isLineEndChar(text_[pos_]); }

void FieldReader::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

void FieldReader::consumeSeparator() {
  skipBlanks();
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else if (text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (text_[pos_] == '\n') {
    ++pos_;
  }
}

std::string FieldReader::readRawField(bool isNumber) {
  skipBlanks();
  if (atEnd()) throw FileError(FileError::Kind::EndedEarly, fileName_);
  std::string field;
  if (text_[pos_] == '"') {
    std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string::npos) throw FileError(FileError::Kind::EndedEarly, fileName_);
    field = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd() &&
           !(isNumber && isBlank(text_[pos_]))) {
      ++pos_;
    }
    field = text_.substr(start, pos_ - start);
    if (!isNumber) field.erase(field.find_last_not_of(" \t") + 1);
  }
  consumeSeparator();
  return field;
}

std::string FieldReader::readText() { return readRawField(false); }

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
