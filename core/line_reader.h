// Reads the launcher's text files line by line, by the rules both of its file
// formats (launch lists and the configuration) share:
//
//   - a line ends at LF or at CR LF; the break is not part of the line;
//   - a CR that is not followed by LF is dropped from the line's text;
//   - a byte 0x1A ends the data as if the file ended there;
//   - a line may be of any length;
//   - reading beyond the end yields empty lines, and is no error.
#pragma once

#include <string>
#include <string_view>

namespace qvn {

// Both formats also end every line they write with CR LF, and write "NULL"
// for an empty slot (launch lists) or an absent value (configuration).
inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kNullText = "NULL";

class LineReader {
 public:
  // Reads from `data`, which must outlive the reader.
  explicit LineReader(std::string_view data);

  // True when no byte is left to read. A file whose last line ends with a
  // line break is at its end after that line; one more break, even of an
  // empty last line, means one more line.
  bool AtEnd() const { return position_ == data_.size(); }

  // The next line; the empty line once the end has been reached.
  std::string ReadLine();

 private:
  std::string_view data_;
  std::size_t position_ = 0;
};

}  // namespace qvn
