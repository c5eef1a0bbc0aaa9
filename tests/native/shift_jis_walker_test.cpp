// The Shift-JIS character walker and the letter-case rule, compared over
// every one- and two-byte text with the host's CP932 decoder (iconv).
//
// glibc's tables are not Windows' in every code: some two-byte codes that
// Windows maps are unassigned in glibc, and the single bytes 0x80, 0xA0 and
// 0xFD to 0xFF are unassigned there. The comparison therefore rests on what
// both agree on, the boundaries of characters, and learns them from the
// decoder without reading its tables:
//  - a lead byte is a byte that the decoder, given alone, calls incomplete;
//  - a trail byte is the second byte of some two-byte code that it decodes;
//  - a lead byte and a trail byte that it refuses together are an unassigned
//    code: still one character (Windows reads it as its default character).
#include <iconv.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "core/path_names.h"

namespace qvn {
namespace {

class Cp932Decoder {
 public:
  Cp932Decoder() : cd_(iconv_open("UTF-32LE", "CP932")) {}
  ~Cp932Decoder() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  enum class Outcome { kDecoded, kIncomplete, kRefused };
  struct Reading {
    Outcome outcome;
    std::vector<char32_t> characters;
  };

  Reading Decode(const std::string& bytes) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in = bytes;
    std::array<char32_t, 8> out{};
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = sizeof(out);
    const bool failed = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1);
    const Outcome outcome = !failed           ? Outcome::kDecoded
                            : errno == EINVAL ? Outcome::kIncomplete
                                              : Outcome::kRefused;
    const std::size_t count = (sizeof(out) - outLeft) / sizeof(char32_t);
    return {outcome, std::vector<char32_t>(out.begin(), out.begin() + count)};
  }

 private:
  iconv_t cd_;
};

std::string Bytes(std::initializer_list<int> codes) {
  std::string text;
  for (const int code : codes) text += static_cast<char>(code);
  return text;
}

std::string Named(const std::string& text) {
  std::string name;
  for (const unsigned char byte : text) {
    char hex[6];
    std::snprintf(hex, sizeof hex, "%s0x%02X", name.empty() ? "" : " ", byte);
    name += hex;
  }
  return name;
}

// Where the program's walker starts characters.
std::vector<std::size_t> WalkerStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  ForEachCharacter(text, IsShiftJisLeadByte,
                   [&](std::size_t i, unsigned char) { starts.push_back(i); });
  return starts;
}

// The decoder's reading of the same text: where characters start, and the
// text with its single-byte letters A to Z folded to a to z.
struct Reading {
  std::vector<std::size_t> starts;
  std::string folded;
};

class WalkerAgainstDecoder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(decoder.ok()) << "iconv has no CP932 (glibc's gconv modules, package libc6)";
    for (int byte = 0; byte < 256; ++byte) {
      lead[byte] = decoder.Decode(Bytes({byte})).outcome == Cp932Decoder::Outcome::kIncomplete;
    }
    for (int first = 0; first < 256; ++first) {
      if (!lead[first]) continue;
      for (int second = 0; second < 256; ++second) {
        const auto reading = decoder.Decode(Bytes({first, second}));
        if (reading.outcome == Cp932Decoder::Outcome::kDecoded && reading.characters.size() == 1) {
          trail[second] = true;
        }
      }
    }
  }

  // A lead byte followed by a byte that is no trail byte: the decoder refuses
  // the lead and reads the next byte on its own, while Windows' conversion of
  // ANSI paths takes the next byte as the second one whatever it is (and
  // makes the pair its default character). The walker does as Windows does,
  // so a path such as 0x81 0x5C stays one character in both.
  bool WindowsReadsAsOne(const std::string& text, std::size_t at) const {
    const auto first = static_cast<unsigned char>(text[at]);
    return lead[first] && at + 1 < text.size() && !trail[static_cast<unsigned char>(text[at + 1])];
  }

  Reading Read(const std::string& text) {
    Reading reading;
    std::size_t at = 0;
    while (at < text.size()) {
      reading.starts.push_back(at);
      const auto byte = static_cast<unsigned char>(text[at]);
      const bool pair =
          lead[byte] && at + 1 < text.size() &&
          (trail[static_cast<unsigned char>(text[at + 1])] || WindowsReadsAsOne(text, at));
      if (pair) {
        reading.folded += text.substr(at, 2);
        at += 2;
        continue;
      }
      const auto single = decoder.Decode(text.substr(at, 1));
      char folded = text[at];
      if (single.outcome == Cp932Decoder::Outcome::kDecoded && single.characters[0] >= U'A' &&
          single.characters[0] <= U'Z') {
        folded = static_cast<char>(single.characters[0] - U'A' + U'a');
      }
      reading.folded += folded;
      ++at;
    }
    return reading;
  }

  Cp932Decoder decoder;
  std::array<bool, 256> lead{};
  std::array<bool, 256> trail{};
};

TEST_F(WalkerAgainstDecoder, EveryOneAndTwoByteTextSplitsAndFoldsAsCodePage932Does) {
  std::vector<std::string> texts;
  for (int first = 0; first < 256; ++first) {
    texts.push_back(Bytes({first}));
    for (int second = 0; second < 256; ++second) texts.push_back(Bytes({first, second}));
  }
  int readAsWindowsDoes = 0;
  for (const auto& text : texts) {
    const Reading reading = Read(text);
    ASSERT_EQ(WalkerStarts(text), reading.starts) << "characters of " << Named(text);
    if (text.size() == 2 && WindowsReadsAsOne(text, 0)) ++readAsWindowsDoes;

    // Equal to itself folded either way; changed in one letter's case only
    // where that byte is a single-byte letter. The second byte of ア (0x83
    // 0x41) is no "A": ヂ (0x83 0x61) is another character.
    for (int flips = 1; flips < (1 << text.size()); ++flips) {
      std::string other = text;
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (flips & (1 << i)) other[i] = static_cast<char>(other[i] ^ 0x20);
      }
      const bool same = Read(other).folded == reading.folded;
      ASSERT_EQ(EqualsIgnoringAsciiCase(text, other, IsShiftJisLeadByte), same)
          << Named(text) << " against " << Named(other);
    }
  }
  // The lead bytes 0x81-0x9F and 0xE0-0xFC, each before the 68 bytes that
  // are no trail byte (0x00-0x3F, 0x7F, 0xFD-0xFF).
  EXPECT_EQ(readAsWindowsDoes, 60 * 68);
}

}  // namespace
}  // namespace qvn
