// The errors the launcher's own logic raises. An error ends the command that
// met it; the window that ran the command shows it in the default error box,
// with the text that ErrorText gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace qvn {

// A file that could not be opened, read, written or removed. The number is
// the one the user sees; the common ones have their own text.
struct FileError {
  int number = 0;
  friend bool operator==(const FileError&, const FileError&) = default;
};

constexpr int kFileNotFound = 2;  // reading a file that does not exist
constexpr int kBadFileName = 3;   // the folder does not exist or the name is not valid
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;     // a read-only file, or one another program holds
constexpr int kWriteProtected = 19;  // a read-only medium or file system
constexpr int kReadBeyondEnd = 100;
constexpr int kDiskFull = 101;
constexpr int kBadNumericInput = 106;

// A text that was to be an integer and is not one (see ParseIntegerText),
// kept as the ANSI bytes it was read as.
struct NotAnInteger {
  std::string text;
  friend bool operator==(const NotAnInteger&, const NotAnInteger&) = default;
};

// A file that could not be created or written: which one (its full path in
// the ANSI code page), and why.
struct NotSaved {
  std::string file;
  FileError cause;
  friend bool operator==(const NotSaved&, const NotSaved&) = default;
};

using Error = std::variant<FileError, NotAnInteger, NotSaved>;

// A value, or the error that kept it from being made.
template <typename T, typename E = Error>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  const T& value() const& { return std::get<0>(state_); }
  T& value() & { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const E& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, E> state_;
};

// Turns the ANSI bytes of a text into UTF-16 for display (FromAnsi).
using AnsiToWide = std::wstring (*)(std::string_view);

// The Japanese text of an error as the error box shows it, without the
// closing period that the box adds itself. A file not saved is named in a
// line of its own, above the reason.
std::wstring ErrorText(const Error& error, AnsiToWide fromAnsi);

// The conversion error's text for a text that is not an integer, as shown.
std::wstring NotAnIntegerText(std::wstring_view shownText);

}  // namespace qvn
