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

inline bool IsLead(unsigned char byte) {
  return qvn::IsShiftJisLeadByte(byte);
}

// True when `at` is where a character of `text` starts, or its end.
inline bool IsCharacterStart(std::string_view text, std::size_t at) {
  bool start = at == text.size();
  qvn::ForEachCharacter(text, IsLead, [&](std::size_t i, unsigned char) { start |= i == at; });
  return start;
}

// True when no character of `text` lacks its second byte.
inline bool IsWholeCharacters(std::string_view text) {
  bool whole = true;
  qvn::ForEachCharacter(text, IsLead, [&](std::size_t i, unsigned char byte) {
    whole = whole && !(IsLead(byte) && i + 1 == text.size());
  });
  return whole;
}

// True when a single-byte character of `text` is one of `bytes` (or, with
// `controls`, below 0x20).
inline bool HasCharacterOf(std::string_view text, std::string_view bytes, bool controls = false) {
  bool found = false;
  qvn::ForEachCharacter(text, IsLead, [&](std::size_t, unsigned char byte) {
    if (IsLead(byte)) return;
    found = found || bytes.find(static_cast<char>(byte)) != std::string_view::npos ||
            (controls && byte < 0x20);
  });
  return found;
}

inline std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  qvn::ForEachCharacter(text, IsLead, [&](std::size_t, unsigned char) { ++count; });
  return count;
}

// True when Windows opens a device for a file of this name: its text up to
// the first "." less trailing spaces, in any letter case, is a device name.
inline bool NamesADevice(std::string_view fileName) {
  std::string stem;
  bool cut = false;
  qvn::ForEachCharacter(fileName, IsLead, [&](std::size_t i, unsigned char byte) {
    if (byte == '.') cut = true;
    if (cut) return;
    stem += static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    if (IsLead(byte) && i + 1 < fileName.size()) stem += fileName[i + 1];
  });
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// Checks `name` against the save checks; an accepted one writes a file of
// at most the path limit, in `model.ProgramFolder`, ending in ".qvl", whose
// name has no separator, drive or stream colon, and names no device.
inline qvn::SaveNameProblem CheckedSaveName(const qvn::Model& model, const std::string& name) {
  const auto problem = qvn::CheckSaveName(model, name.empty() ? L"" : L"x", name, IsLead);
  if (problem != qvn::SaveNameProblem::kNone) return problem;
  Check(!name.empty() && IsWholeCharacters(name));
  const std::string path = qvn::DataFilePath(model, name, IsLead);
  Check(qvn::FolderPart(path, IsLead) == model.ProgramFolder);
  const std::string fileName = qvn::FileNamePart(path, IsLead);
  Check(!HasCharacterOf(fileName, "\\/:*?\"<>|", true));
  Check(qvn::ExtensionPart(fileName, IsLead) == ".qvl");
  Check(!NamesADevice(fileName));
  Check(CharacterCount(path) <= qvn::kMaxPathLength);
  return problem;
}

// True when the refusal of `name` has its cause in the name.
inline bool HasItsCause(const qvn::Model& model, const std::string& name,
                        qvn::SaveNameProblem problem) {
  using qvn::SaveNameProblem;
  switch (problem) {
    case SaveNameProblem::kNone:
      return true;
    case SaveNameProblem::kEmpty:
      return name.empty();
    case SaveNameProblem::kNotInCodePage:
      return !IsWholeCharacters(name);
    case SaveNameProblem::kForbiddenCharacter:
      return HasCharacterOf(name, "\\/:*?\"<>|", true);
    case SaveNameProblem::kReservedName:
      return NamesADevice(name);
    case SaveNameProblem::kTooLong:
      return CharacterCount(qvn::DataFilePath(model, name, IsLead)) > qvn::kMaxPathLength;
  }
  return false;
}

}  // namespace qvnfuzz
