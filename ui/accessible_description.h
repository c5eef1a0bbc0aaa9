// The description a screen reader reads after a control's name, for the
// controls that draw themselves (the slot icons): given to the window's
// standard accessible object by annotation, without an object of our own.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The description of `hwnd`'s accessible object from now on. Nothing where
// the system has no annotation service (Active Accessibility 2.0, which
// Windows XP brings); the name and everything else stay the system's.
void SetAccessibleDescription(HWND hwnd, const std::wstring& text);
// Lets the annotation go, before the window is destroyed.
void ClearAccessibleDescription(HWND hwnd);

}  // namespace ui
