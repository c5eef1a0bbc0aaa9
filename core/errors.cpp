#include "core/errors.h"

#include "core/integer_text.h"

namespace qvn {
namespace {

std::wstring FileErrorText(int number) {
  switch (number) {
    case kFileNotFound:
      return L"ファイルが見つかりません";
    case kBadFileName:
      return L"ファイル名の指定が間違っています";
    case kTooManyOpenFiles:
      return L"オープンしたファイルが多すぎます";
    case kAccessDenied:
      return L"ファイルへのアクセスが拒否されました";
    case kReadBeyondEnd:
      return L"ファイルの末尾以降を読み込みました";
    case kDiskFull:
      return L"ディスクがいっぱいです";
    case kBadNumericInput:
      return L"入力値が数値ではありません";
    default:
      return L"I/O エラー (" + IntegerWideText(number) + L")";
  }
}

}  // namespace

std::wstring ErrorText(const Error& error, AnsiToWide fromAnsi) {
  if (const auto* file = std::get_if<FileError>(&error)) {
    return FileErrorText(file->number);
  }
  if (const auto* notSaved = std::get_if<NotSaved>(&error)) {
    return fromAnsi(notSaved->file) + L" に保存できませんでした.\r\n" +
           FileErrorText(notSaved->cause.number);
  }
  return NotAnIntegerText(fromAnsi(std::get<NotAnInteger>(error).text));
}

std::wstring NotAnIntegerText(std::wstring_view shownText) {
  return L"'" + std::wstring(shownText) + L"' は整数ではありません";
}

}  // namespace qvn
