// The launcher's text files as the tests write and expect them: lines, each
// followed by CR LF (or another break, to test the readers with).
#pragma once

#include <string>
#include <vector>

namespace qvntest {

inline std::string JoinLines(const std::vector<std::string>& lines,
                             const std::string& lineBreak = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineBreak;
  return text;
}

}  // namespace qvntest
