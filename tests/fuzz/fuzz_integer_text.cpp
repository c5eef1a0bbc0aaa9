// Feeds any bytes to the integer-text rule and compares it with a second,
// plainer reading of the same rule built on std::from_chars.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/integer_text.h"

namespace {

std::optional<std::int32_t> PlainReading(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("$") || text.starts_with("x") || text.starts_with("X")) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  // Too large for 64 bits is too large for 32 as well.
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  if (magnitude > limit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                            : static_cast<std::int64_t>(magnitude));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = qvn::ParseIntegerText(text);
  if (value != PlainReading(text)) std::abort();
  if (value) {
    // Plain decimal, as the files are written, reads back to the same value.
    if (qvn::ParseIntegerText(std::to_string(*value)) != value) std::abort();
    // A leading space changes nothing; a trailing one spoils the number.
    if (qvn::ParseIntegerText(" " + std::string(text)) != value) std::abort();
    if (qvn::ParseIntegerText(std::string(text) + " ")) std::abort();
  }
  return 0;
}
