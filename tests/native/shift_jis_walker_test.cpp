// The Shift-JIS character walker and the letter-case rule, compared over
// every one- and two-byte text with the host's CP932 decoder (iconv).
//
// glibc's tables are not Windows' in every code (some two-byte codes, and the
// single bytes 0x80, 0xA0 and 0xFD to 0xFF, are unassigned in glibc), so the
// test reads no table and learns from the decoder only where characters start:
//  - a lead byte is a byte that the decoder, given alone, calls incomplete;
//  - a trail byte is the second byte of some two-byte code that it decodes;
//  - a lead byte and the byte after it are one character even where the
//    decoder refuses the pair, as Windows' conversion of ANSI paths reads
//    them: an unassigned code, or a lead byte before a byte that is no trail
//    byte, becomes its default character. So a ":" after a lead byte (0x81
//    0x3A) cuts no path, though the decoder reads it on its own.
#include <iconv.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/path_names.h"

namespace qvn {
namespace {

// 0 when the decoder reads all of `bytes`, else the errno of its refusal
// (EINVAL: they end inside a character). `first` gets the first character.
int Decode(iconv_t cd, std::string bytes, char32_t& first) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char32_t out[2] = {};
  char* in = bytes.data();
  char* to = reinterpret_cast<char*>(out);
  std::size_t inLeft = bytes.size(), outLeft = sizeof out;
  const bool refused = iconv(cd, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1);
  first = out[0];
  return refused ? errno : 0;
}

// "0x83 0x41" for a text of those bytes (one or two).
std::string Named(const std::string& text) {
  char name[16];
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
  std::snprintf(name, sizeof name, text.size() == 1 ? "0x%02X" : "0x%02X 0x%02X", bytes[0],
                bytes[1]);
  return name;
}

TEST(ShiftJisWalker, EveryOneAndTwoByteTextSplitsAndFoldsAsCodePage932Does) {
  const iconv_t cd = iconv_open("UTF-32LE", "CP932");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1))
      << "iconv has no CP932 (glibc's gconv modules, package libc6)";
  const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
  char32_t c;
  bool lead[256] = {}, trail[256] = {};
  std::vector<std::string> texts;
  for (int first = 0; first < 256; ++first) {
    const std::string one(1, static_cast<char>(first));
    lead[first] = Decode(cd, one, c) == EINVAL;
    texts.push_back(one);
    for (int second = 0; second < 256; ++second) {
      texts.push_back(one + static_cast<char>(second));
      if (lead[first] && Decode(cd, texts.back(), c) == 0) trail[second] = true;
    }
  }

  // The decoder's reading: where characters start, and the text with its
  // single-byte letters A to Z as a to z.
  const auto read = [&](const std::string& text) {
    std::pair<std::vector<std::size_t>, std::string> reading;
    for (std::size_t at = 0; at < text.size(); ++at) {
      reading.first.push_back(at);
      reading.second += text[at];
      if (lead[static_cast<unsigned char>(text[at])] && at + 1 < text.size()) {
        reading.second += text[++at];
      } else if (Decode(cd, text.substr(at, 1), c) == 0 && c >= U'A' && c <= U'Z') {
        reading.second.back() = static_cast<char>(c - U'A' + U'a');
      }
    }
    return reading;
  };

  for (const auto& text : texts) {
    const auto [starts, folded] = read(text);
    std::vector<std::size_t> walked;
    ForEachCharacter(text, IsShiftJisLeadByte,
                     [&](std::size_t i, unsigned char) { walked.push_back(i); });
    ASSERT_EQ(walked, starts) << "characters of " << Named(text);

    // Equal to itself with some bytes changed in case exactly where the
    // decoder's folded readings are equal. The second byte of ア (0x83 0x41)
    // is no "A": ヂ (0x83 0x61) is another character.
    for (int flips = 1; flips < (1 << text.size()); ++flips) {
      std::string other = text;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (flips & (1 << i)) other[i] = static_cast<char>(other[i] ^ 0x20);
      }
      ASSERT_EQ(EqualsIgnoringAsciiCase(text, other, IsShiftJisLeadByte),
                read(other).second == folded)
          << Named(text) << " against " << Named(other);
    }
  }
  // Read as Windows does, against the decoder: the lead bytes 0x81-0x9F and
  // 0xE0-0xFC, each before the 68 bytes that are no trail byte (0x00-0x3F,
  // 0x7F, 0xFD-0xFF).
  EXPECT_EQ(std::count(lead, lead + 256, true) * std::count(trail, trail + 256, false), 60 * 68);
}

}  // namespace
}  // namespace qvn
