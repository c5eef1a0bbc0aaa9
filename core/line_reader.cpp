#include "core/line_reader.h"

namespace qvn {

namespace {
constexpr char kEndOfData = '\x1A';
}  // namespace

LineReader::LineReader(std::string_view data) : data_(data.substr(0, data.find(kEndOfData))) {}

std::string LineReader::ReadLine() {
  const std::size_t lineFeed = data_.find('\n', position_);
  const std::size_t end = lineFeed == std::string_view::npos ? data_.size() : lineFeed;
  // Within one line every CR is either the first half of the CR LF that ends
  // it or a CR on its own; neither belongs to the text.
  std::string line;
  line.reserve(end - position_);
  for (std::size_t i = position_; i < end; ++i) {
    if (data_[i] != '\r') line.push_back(data_[i]);
  }
  position_ = lineFeed == std::string_view::npos ? data_.size() : lineFeed + 1;
  return line;
}

}  // namespace qvn
