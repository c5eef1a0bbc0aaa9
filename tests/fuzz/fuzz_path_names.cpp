// Feeds any bytes, as a path, to the splits of paths into folder, file name
// and extension, and to the letter-case rule: the parts give back the path,
// every cut falls between characters, and a "\" or ":" that is the second
// byte of a character cuts nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fuzz/name_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qvn;
  using qvnfuzz::Check;
  using qvnfuzz::IsLead;
  const std::string path(reinterpret_cast<const char*>(data), size);

  const std::string folder = FolderPart(path, IsLead);
  const std::string name = FileNamePart(path, IsLead);
  Check(folder + name == path);
  Check(qvnfuzz::IsCharacterStart(path, folder.size()));
  Check(folder.empty() || folder.back() == '\\' || folder.back() == ':');
  Check(!qvnfuzz::HasCharacterOf(name, "\\:"));
  Check(FileNamePart(name, IsLead) == name && FolderPart(folder, IsLead) == folder);

  const std::string stem = RemoveExtension(path, IsLead);
  const std::string extension = ExtensionPart(path, IsLead);
  Check(stem + extension == path);
  Check(qvnfuzz::IsCharacterStart(path, stem.size()));
  Check(stem.size() >= folder.size());
  if (!extension.empty()) {
    Check(extension[0] == '.' && !qvnfuzz::HasCharacterOf(extension.substr(1), ".\\:"));
  }
  Check(RemoveExtension(name, IsLead) == stem.substr(folder.size()));
  Check(ExtensionPart(name, IsLead) == extension);

  // Folded to upper or lower case, the path is the same in any letter case
  // and splits at the same places.
  std::string upper = path, lower = path;
  ForEachCharacter(path, IsLead, [&](std::size_t i, unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') upper[i] = static_cast<char>(byte - 'a' + 'A');
    if (byte >= 'A' && byte <= 'Z') lower[i] = static_cast<char>(byte - 'A' + 'a');
  });
  Check(EqualsIgnoringAsciiCase(path, upper, IsLead) &&
        EqualsIgnoringAsciiCase(lower, path, IsLead));
  Check(FileNameStart(upper, IsLead) == folder.size());
  Check(RemoveExtension(lower, IsLead).size() == stem.size());
  // A byte changed in case where it is the second byte of a character makes
  // another character. (The first 16 such characters: each comparison walks
  // the whole path, and long paths would make the run quadratic.)
  std::string other = path;
  int changed = 0;
  ForEachCharacter(path, IsLead, [&](std::size_t i, unsigned char byte) {
    if (!IsLead(byte) || i + 1 >= path.size() || ++changed > 16) return;
    other[i + 1] = static_cast<char>(path[i + 1] ^ 0x20);
    Check(!EqualsIgnoringAsciiCase(path, other, IsLead));
    other[i + 1] = path[i + 1];
  });
  return 0;
}
