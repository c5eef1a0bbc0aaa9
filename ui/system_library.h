// A DLL of the system that only some commands need. It is loaded from the
// system folder when one of them first runs rather than at start-up, where
// it would cost every user its memory all day, and its functions are reached
// through typed pointers. A library or function that cannot be found is
// reported in a Japanese error box, and the command then does nothing.
#pragma once

#include <windows.h>

namespace ui {

class SystemLibrary {
 public:
  // `fileName` is the DLL's name in the system folder. `action` names what
  // its failure prevents, to end "...ため,<action>できません" in the error
  // box: L"ファイルを選択するダイアログを表示", say.
  constexpr SystemLibrary(const wchar_t* fileName, const wchar_t* action)
      : fileName_(fileName), action_(action) {}
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function `name`, typed as the declaration of `Function` (for
  // instance decltype(GetOpenFileNameW)). Loads the library on the first
  // call. Nothing when the library or the function cannot be found; an error
  // box owned by `owner` has said so then.
  template <typename Function>
  Function* Find(HWND owner, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(Address(owner, name)));
  }

 private:
  FARPROC Address(HWND owner, const char* name);

  const wchar_t* fileName_;
  const wchar_t* action_;
  // Loaded once and never released: the file dialog, for one, leaves
  // threads and hooks behind that run its code after it has closed.
  HMODULE module_ = nullptr;
};

}  // namespace ui
