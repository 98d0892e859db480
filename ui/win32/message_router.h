// The one place where a window's raw messages become member calls.
#pragma once

#include <windows.h>

namespace win32 {

// Window procedure for windows created with a `Target*` as the creation
// parameter: the pointer is kept with the window from WM_NCCREATE on and
// every later message goes to `Target::HandleMessage`.
template <typename Target>
LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* target = reinterpret_cast<Target*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (target == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  return target->HandleMessage(window, message, wparam, lparam);
}

}  // namespace win32
