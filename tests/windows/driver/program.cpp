#include "program.h"

#include <vector>

#include "expect.h"

namespace e2e {
namespace {

std::vector<HWND> ThreadWindows(DWORD thread_id) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      thread_id,
      [](HWND window, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// A visible top-level window of the thread that no other window owns.
HWND MainWindow(DWORD thread_id) {
  for (const HWND window : ThreadWindows(thread_id)) {
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) return window;
  }
  return nullptr;
}

}  // namespace

Program::Program(const std::wstring& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  std::wstring command_line = L"\"" + path + L"\"";
  Require(CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &started),
          "circlecalc.exe starts");
  process_.reset(started.hProcess);
  CloseHandle(started.hThread);
  thread_id_ = started.dwThreadId;
  Require(WaitFor([&] { return (form_ = MainWindow(thread_id_)) != nullptr; }, std::chrono::seconds(60)),
          "the window appears within a minute");
  SetForegroundWindow(form_);
  Require(WaitFor([&] { return GetForegroundWindow() == form_; }), "the window comes to the front");
}

Program::~Program() {
  if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
}

HWND Program::Child(std::wstring_view window_class, std::wstring_view text) const {
  for (HWND child = GetWindow(form_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == window_class && (text.empty() || WindowText(child) == text)) return child;
  }
  throw CaseAborted("no " + Utf8(window_class) + " \"" + Utf8(text) + "\" in the window");
}

HWND Program::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(thread_id_, &info)) return nullptr;
  return info.hwndFocus;
}

bool Program::Answers(DWORD milliseconds) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}

HWND Program::MessageBoxWindow() const {
  for (const HWND window : ThreadWindows(thread_id_)) {
    if (IsWindowVisible(window) && ClassName(window) == L"#32770") return window;
  }
  return nullptr;
}

std::optional<DWORD> Program::WaitForExit(DWORD milliseconds) const {
  if (WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256]{};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<std::size_t>(length));
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT, unlike GetWindowText, reaches the controls of another
  // process; the system carries the text across.
  DWORD_PTR length = 0;
  Require(SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length) != 0,
          "the program answers WM_GETTEXTLENGTH");
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  Require(SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                              SMTO_NORMAL, 5000, &copied) != 0,
          "the program answers WM_GETTEXT");
  text.resize(copied);
  return text;
}

RECT ClientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace e2e
