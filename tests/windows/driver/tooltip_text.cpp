#include "tooltip_text.h"

#include <commctrl.h>

#include "expect.h"
#include "program.h"

namespace e2e {
namespace {

constexpr std::size_t kMaxTextLength = 256;

// Memory in another process: a tooltip message carries a pointer that is
// only valid in the tooltip's own address space.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
    Require(address_ != nullptr, "VirtualAllocEx in the program");
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

  char* address() const { return static_cast<char*>(address_); }
  void Write(const void* data, std::size_t size, std::size_t offset = 0) const {
    Require(WriteProcessMemory(process_, address() + offset, data, size, nullptr), "WriteProcessMemory");
  }
  void Read(void* data, std::size_t size, std::size_t offset = 0) const {
    Require(ReadProcessMemory(process_, address() + offset, data, size, nullptr), "ReadProcessMemory");
  }

 private:
  HANDLE process_;
  void* address_;
};

HWND TooltipWindow(const Program& program) {
  HWND found = nullptr;
  EnumThreadWindows(
      program.thread_id(),
      [](HWND window, LPARAM result) {
        if (ClassName(window) != TOOLTIPS_CLASSW) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

std::wstring TooltipText(const Program& program, HWND control) {
  const HWND tooltips = TooltipWindow(program);
  if (tooltips == nullptr) return {};
  const RemoteMemory memory(program.process(), sizeof(TOOLINFOW) + (kMaxTextLength + 1) * sizeof(wchar_t));
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = reinterpret_cast<wchar_t*>(memory.address() + sizeof(TOOLINFOW));
  const wchar_t nothing = L'\0';
  memory.Write(&tool, sizeof(tool));
  memory.Write(&nothing, sizeof(nothing), sizeof(TOOLINFOW));
  DWORD_PTR ignored = 0;
  Require(SendMessageTimeoutW(tooltips, TTM_GETTEXTW, kMaxTextLength + 1,
                              reinterpret_cast<LPARAM>(memory.address()), SMTO_NORMAL, 5000, &ignored) != 0,
          "the tooltip answers TTM_GETTEXT");
  wchar_t text[kMaxTextLength + 1]{};
  memory.Read(text, sizeof(text), sizeof(TOOLINFOW));
  return text;
}

}  // namespace e2e
