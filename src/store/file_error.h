#pragma once

#include <stdexcept>
#include <string>

namespace polkamina::store {

// A data file that could not be read or written as its format expects. The
// program cannot go on without the file, so the window layer reports it to
// the player and ends.
class FileError : public std::runtime_error {
 public:
  enum class Kind {
    Missing,        // the file does not exist
    CannotOpen,     // it exists but cannot be opened for reading
    EndedEarly,     // the file ended before every field was read (short or damaged)
    NotCp932,       // its bytes are not valid Shift-JIS (code page 932)
    NotANumber,     // a number field holds something that is not a number
    OutOfRange,     // a number field does not fit its type
    TooLong,        // a field is longer than FieldReader::kMaxFieldBytes
    ForeignLink,    // a link another account put in a shared folder, not followed
    CannotWrite,    // it could not be written (read-only, disk full, ...); the old bytes remain
    CannotRestore,  // a failed rewrite in place whose old bytes could not be put back either
  };

  FileError(Kind kind, std::string fileName);

  Kind kind() const { return kind_; }
  // Bare file name as the player knows it, for example "設定.txt".
  const std::string& fileName() const { return fileName_; }

 private:
  Kind kind_;
  std::string fileName_;
};

// The player's error report in the player's language, naming the file and
// what failed.
std::string describeFileError(const FileError& error);
// Caption of that report's message box, before translation (context
// "FileError").
extern const char* const kFileErrorCaption;

}  // namespace polkamina::store
