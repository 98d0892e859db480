// Starts a Windows program and tells how long it took from CreateProcess
// until one of its top-level windows was visible, and its peak working set.
// Runs under Wine in `make bench`, started by the start-up watcher.
//
//   wine_launcher.exe PROGRAM.exe
//
// Prints "window_ms=... peak_working_set_kib=..." and ends the program.
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

constexpr DWORD kTimeoutMs = 20'000;
// Long enough for the first paint to have counted in the working set.
constexpr DWORD kSettleMs = 300;

struct WindowSearch {
  DWORD process_id;
  bool found;
};

BOOL CALLBACK note_visible_window(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.process_id && IsWindowVisible(window)) {
    search.found = true;
    return FALSE;
  }
  return TRUE;
}

bool has_visible_window(DWORD process_id) {
  WindowSearch search{process_id, false};
  EnumWindows(note_visible_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double milliseconds_since(const LARGE_INTEGER& start) {
  LARGE_INTEGER now;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wine_launcher PROGRAM.exe\n");
    return 1;
  }
  std::wstring command_line = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(argv[1], command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    std::fprintf(stderr, "wine_launcher: CreateProcess failed: %lu\n", GetLastError());
    return 1;
  }
  const OwnedHandle process(started.hProcess);
  const OwnedHandle thread(started.hThread);

  // Polled rather than WaitForInputIdle: that waits for the first idle
  // message loop, which comes after the window shows, by a varying time.
  while (!has_visible_window(started.dwProcessId)) {
    if (milliseconds_since(start) > kTimeoutMs || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "wine_launcher: no visible window\n");
      TerminateProcess(process.get(), 1);
      return 2;
    }
    Sleep(1);
  }
  const double window_ms = milliseconds_since(start);

  Sleep(kSettleMs);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  const long long peak_kib =
      GetProcessMemoryInfo(process.get(), &memory, sizeof memory) ? memory.PeakWorkingSetSize / 1024 : -1;
  std::printf("window_ms=%.3f peak_working_set_kib=%lld\n", window_ms, peak_kib);
  std::fflush(stdout);
  TerminateProcess(process.get(), 0);
  WaitForSingleObject(process.get(), kTimeoutMs);
  return 0;
}
