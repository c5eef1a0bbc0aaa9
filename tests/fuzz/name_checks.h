// What the fuzz targets of names and paths check on every result: cuts fall
// between characters, and a name the save checks accept names a plain file
// in the program's folder.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "core/model.h"
#include "core/path_names.h"
#include "datafile/data_file.h"
#include "datafile/save_name.h"

namespace qvnfuzz {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr qvn::LeadByteRule IsLead = qvn::IsShiftJisLeadByte;

// What one walk over a text finds.
struct Characters {
  std::size_t count = 0;
  bool whole = true;   // no character lacks its second byte
  bool found = false;  // a single-byte character is one of `bytes` (or a control character)
};
inline Characters CharactersOf(std::string_view text, std::string_view bytes = "\\/:*?\"<>|",
                               bool controls = true) {
  Characters characters;
  qvn::ForEachCharacter(text, IsLead, [&](std::size_t i, unsigned char byte) {
    ++characters.count;
    if (IsLead(byte)) {
      characters.whole = characters.whole && i + 1 < text.size();
    } else if (bytes.find(static_cast<char>(byte)) != bytes.npos || (controls && byte < 0x20)) {
      characters.found = true;
    }
  });
  return characters;
}

// True when Windows opens a device for a file of this name: its text up to
// the first "." less trailing spaces, in any letter case, is a device name.
// (Bytes are enough: a stem with a double-byte character keeps a byte over
// 0x80 and matches no device, wherever it is cut.)
inline bool NamesADevice(std::string_view fileName) {
  std::string stem(fileName.substr(0, fileName.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// Checks `name` against the save checks: a refusal has its cause in the name;
// an accepted name writes a file of at most the path limit, in
// `model.ProgramFolder`, ending in ".qvl", whose name has no separator, drive
// or stream colon, and names no device.
inline qvn::SaveNameProblem CheckedSaveName(const qvn::Model& model, const std::string& name) {
  using enum qvn::SaveNameProblem;
  const auto problem = qvn::CheckSaveName(model, name.empty() ? L"" : L"x", name, IsLead);
  const std::string path = qvn::DataFilePath(model, name, IsLead);
  if (problem != kNone) {
    Check(problem == kEmpty                ? name.empty()
          : problem == kNotInCodePage      ? !CharactersOf(name).whole
          : problem == kForbiddenCharacter ? CharactersOf(name).found
          : problem == kReservedName       ? NamesADevice(name)
          : problem == kTooLong            ? CharactersOf(path).count > qvn::kMaxPathLength
                                           : false);
    return problem;
  }
  const std::string fileName = qvn::FileNamePart(path, IsLead);
  Check(!name.empty() && CharactersOf(name).whole);
  Check(qvn::FolderPart(path, IsLead) == model.ProgramFolder);
  Check(!CharactersOf(fileName).found && !NamesADevice(fileName));
  Check(qvn::ExtensionPart(fileName, IsLead) == ".qvl");
  Check(CharactersOf(path).count <= qvn::kMaxPathLength);
  return problem;
}

}  // namespace qvnfuzz
