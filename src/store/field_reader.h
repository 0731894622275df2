#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace polkamina::store {

// Reads the fields of a data file in order, regardless of line boundaries:
// leading blanks are skipped; a quoted field runs to the next quote and the
// rest up to the comma or line end is skipped; any other field runs to the
// next comma or line end (a number also ends at a blank); then blanks and one
// comma or one line end are consumed. Every failure throws FileError naming
// the file.
class FieldReader {
 public:
  // text is the file's content already converted to UTF-8.
  FieldReader(std::string text, std::string fileName);

  bool atEnd() const { return pos_ >= text_.size(); }

  std::string readText();
  std::int16_t readInt16();
  float readSingle();

 private:
  std::string readRawField(bool isNumber);
  void skipBlanks();
  void consumeSeparator();
  bool atLineEnd() const;

  std::string text_;
  std::string fileName_;
  std::size_t pos_ = 0;
};

}  // namespace polkamina::store
