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
  using qvnfuzz::CharactersOf;
  using qvnfuzz::Check;
  using qvnfuzz::IsLead;
  const std::string path(reinterpret_cast<const char*>(data), size);

  // A start of the path ends between characters when its own walk finds it whole.
  const std::string folder = FolderPart(path, IsLead);
  const std::string name = FileNamePart(path, IsLead);
  Check(folder + name == path);
  Check(folder.empty() || ((folder.back() == '\\' || folder.back() == ':') &&
                           CharactersOf(folder.substr(0, folder.size() - 1)).whole));
  Check(!CharactersOf(name, "\\:", false).found);
  Check(FileNamePart(name, IsLead) == name && FolderPart(folder, IsLead) == folder);

  const std::string stem = RemoveExtension(path, IsLead);
  const std::string extension = ExtensionPart(path, IsLead);
  Check(stem + extension == path && stem.size() >= folder.size());
  Check(extension.empty() || (CharactersOf(stem).whole && extension[0] == '.' &&
                              !CharactersOf(extension.substr(1), ".\\:", false).found));
  Check(RemoveExtension(name, IsLead) == stem.substr(folder.size()) &&
        ExtensionPart(name, IsLead) == extension);

  // Folded to upper or lower case, the path is the same in any letter case
  // and splits at the same places; a second byte changed in case makes
  // another character. (The first 16 such: each comparison walks the whole
  // path, and long paths would make the run quadratic.)
  std::string upper = path, lower = path, other = path;
  int changed = 0;
  ForEachCharacter(path, IsLead, [&](std::size_t i, unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') upper[i] = static_cast<char>(byte - 'a' + 'A');
    if (byte >= 'A' && byte <= 'Z') lower[i] = static_cast<char>(byte - 'A' + 'a');
    if (!IsLead(byte) || i + 1 >= path.size() || ++changed > 16) return;
    other[i + 1] = static_cast<char>(path[i + 1] ^ 0x20);
    Check(!EqualsIgnoringAsciiCase(path, other, IsLead));
    other[i + 1] = path[i + 1];
  });
  Check(EqualsIgnoringAsciiCase(path, upper, IsLead) &&
        EqualsIgnoringAsciiCase(lower, path, IsLead));
  Check(FileNameStart(upper, IsLead) == folder.size());
  Check(RemoveExtension(lower, IsLead).size() == stem.size());
  return 0;
}
