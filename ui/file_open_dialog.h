// The system's dialog for choosing one existing file to open. One object
// serves several choices: each starts from the file chosen before.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class FileOpenDialog {
 public:
  // `filter` lists description and pattern pairs, each part ended by "|":
  // "実行ファイル(*.exe)|*.exe|". The first pair is the one selected.
  explicit FileOpenDialog(std::wstring filter) : filter_(std::move(filter)) {}

  // Shows the dialog modally to `owner`. True when a file was chosen; its
  // full path is FileName() then. The current directory stays as it was.
  bool Execute(HWND owner);
  const std::wstring& FileName() const { return fileName_; }

 private:
  std::wstring filter_;
  std::wstring fileName_;
};

}  // namespace ui
