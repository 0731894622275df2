#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace polkamina::store {

// Reads the fields of a data file in order, regardless of line boundaries:
// leading blanks are skipped; a quoted field runs to the next quote and the
// rest up to the comma or line end is skipped; any other field runs to the
// next comma or line end (a number also ends at a blank); then blanks and one
// comma or one line end are consumed. Every failure throws FileError naming
// the file.
//
// A field as written (its quotes, and whatever follows the closing one,
// included) is at most kMaxFieldBytes long; a longer one is
// FileError(TooLong), so no file can make the game hold or show more than
// that of one value.
//
// It reads the file's own bytes, which must already be known to be code page
// 932: the separators are ASCII, and no byte of a two-byte character ever is,
// so fields are found in the bytes and only their text is converted.
class FieldReader {
 public:
  static constexpr std::size_t kMaxFieldBytes = 64 * 1024;

  // bytes must outlive the reader; reading starts at position start.
  FieldReader(std::string_view bytes, std::string fileName, std::size_t start = 0);

  bool atEnd() const { return pos_ >= bytes_.size(); }
  // Where the next field's reading begins.
  std::size_t position() const { return pos_; }

  // As UTF-8; only the first maxChars characters when there are more.
  std::string readText(std::size_t maxChars = std::numeric_limits<std::size_t>::max());
  void skipText();  // as readText, keeping nothing
  // As readText, the field's own bytes, unconverted; they live as long as the
  // reader's bytes.
  std::string_view readRawText() { return readRawField(false); }
  std::int16_t readInt16();
  float readSingle();

 private:
  std::string_view readRawField(bool isNumber);
  void skipBlanks();
  void consumeSeparator();
  bool atLineEnd() const;

  std::string_view bytes_;
  std::string fileName_;
  std::size_t pos_ = 0;
};

}  // namespace polkamina::store
