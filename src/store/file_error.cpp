#include "store/file_error.h"

#include "store/translation.h"

namespace polkamina::store {

namespace {

// What failed, with %1 for the file.
const char* whatFailed(FileError::Kind kind) {
  switch (kind) {
    case FileError::Kind::Missing:
      return untranslated("FileError", "%1が見つかりません。");
    case FileError::Kind::CannotOpen:
      return untranslated("FileError", "%1を開けません。");
    case FileError::Kind::EndedEarly:
      return untranslated("FileError", "%1の内容が途中で終わっています（短いか壊れています）。");
    case FileError::Kind::NotCp932:
      return untranslated("FileError", "%1はShift-JISの文字として読めません。");
    case FileError::Kind::NotANumber:
      return untranslated("FileError", "%1の数値の欄に数値でないものがあります。");
    case FileError::Kind::OutOfRange:
      return untranslated("FileError", "%1の数値が範囲外です。");
    case FileError::Kind::TooLong:
      return untranslated("FileError", "%1に長すぎる値があります。");
    case FileError::Kind::ForeignLink:
      return untranslated("FileError", "%1は、ほかのユーザーが置いたリンクなので使いません。");
    case FileError::Kind::CannotWrite:
      return untranslated("FileError", "%1に書き込めません。");
    case FileError::Kind::CannotRestore:
      return untranslated("FileError", "%1に書き込めず、元の内容にも戻せませんでした。");
  }
  return untranslated("FileError", "%1を扱えません。");
}

}  // namespace

const char* const kFileErrorCaption = untranslated("FileError", "ファイルエラー");

FileError::FileError(Kind kind, std::string fileName)
    : std::runtime_error(filled(whatFailed(kind), {fileName})),
      kind_(kind),
      fileName_(std::move(fileName)) {}

std::string describeFileError(const FileError& error) {
  const std::string file = filled(translated("FileError", "ファイル「%1」"), {error.fileName()});
  return filled(translated("FileError", whatFailed(error.kind())), {file}) +
         translated("FileError", "\nプログラムを終了します。");
}

}  // namespace polkamina::store
