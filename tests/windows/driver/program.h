// circlecalc.exe started by a test, seen from outside through the Win32
// API as a user's tools see it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/unique_handle.h"

namespace e2e {

struct KernelObjectTraits {
  using Handle = HANDLE;
  static void Close(HANDLE handle) { CloseHandle(handle); }
};
using UniqueKernelObject = win32::UniqueHandle<KernelObjectTraits>;

class Program {
 public:
  // Starts the program and waits until its window is shown and in front.
  explicit Program(const std::wstring& path);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // Ends the program if a case left it running.
  ~Program();

  HWND form() const { return form_; }
  HANDLE process() const { return process_.get(); }
  DWORD thread_id() const { return thread_id_; }

  // The child window of `window_class`, and with `text` unless empty.
  HWND Child(std::wstring_view window_class, std::wstring_view text = {}) const;
  HWND TextBox() const { return Child(L"Edit"); }
  HWND Label() const { return Child(L"Static"); }
  HWND Button(std::wstring_view caption) const { return Child(L"Button", caption); }

  // The control with the keyboard focus, from the program's own thread.
  HWND Focus() const;
  // Whether the program takes a message within `milliseconds`.
  bool Answers(DWORD milliseconds = 1000) const;
  // A message box shown by the program, if there is one.
  HWND MessageBoxWindow() const;
  // The exit code once the program has ended within `milliseconds`.
  std::optional<DWORD> WaitForExit(DWORD milliseconds) const;

 private:
  UniqueKernelObject process_;
  DWORD thread_id_ = 0;
  HWND form_ = nullptr;
};

std::wstring ClassName(HWND window);
// The whole text of a window of any process.
std::wstring WindowText(HWND window);
// The rectangle of `window` in the client coordinates of its parent, or on
// the screen for a top-level window's client area.
RECT ClientRectOnScreen(HWND window);
RECT RectInParent(HWND window);

}  // namespace e2e
