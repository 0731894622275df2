#include "store/file_error.h"

namespace polkamina::store {

namespace {

std::string whatFailed(FileError::Kind kind) {
  switch (kind) {
    case FileError::Kind::Missing:
      return "が見つかりません。";
    case FileError::Kind::CannotOpen:
      return "を開けません。";
    case FileError::Kind::EndedEarly:
      return "の内容が途中で終わっています（短いか壊れています）。";
    case FileError::Kind::NotCp932:
      return "はShift-JISの文字として読めません。";
    case FileError::Kind::NotANumber:
      return "の数値の欄に数値でないものがあります。";
    case FileError::Kind::OutOfRange:
      return "の数値が範囲外です。";
    case FileError::Kind::TooLong:
      return "に長すぎる値があります。";
    case FileError::Kind::ForeignLink:
      return "は、ほかのユーザーが置いたリンクなので使いません。";
    case FileError::Kind::CannotWrite:
      return "に書き込めません。";
    case FileError::Kind::CannotRestore:
      return "に書き込めず、元の内容にも戻せませんでした。";
  }
  return "を扱えません。";
}

}  // namespace

const char* const kFileErrorCaption = "ファイルエラー";

FileError::FileError(Kind kind, std::string fileName)
    : std::runtime_error(fileName + whatFailed(kind)),
      kind_(kind),
      fileName_(std::move(fileName)) {}

std::string describeFileError(const FileError& error) {
  return "ファイル「" + error.fileName() + "」" + whatFailed(error.kind()) +
         "\nプログラムを終了します。";
}

}  // namespace polkamina::store
