// The user's mouse and keyboard, through the system's input queue.
#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

// A left click in the middle of `window`.
void Click(HWND window);
// Types `text` into whatever has the keyboard focus.
void Type(std::wstring_view text);
void PressKey(WORD virtual_key);
// Ctrl and a letter key, as for a shortcut.
void PressCtrl(char letter);
// Selects the whole text of the focused line of text (End, Shift+Home).
void SelectLine();

}  // namespace e2e
