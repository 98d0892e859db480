#include "input.h"

#include <vector>

#include "expect.h"

namespace e2e {
namespace {

void Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Require(sent == inputs.size(), "SendInput takes every event");
}

INPUT Key(WORD virtual_key, wchar_t character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  return input;
}

// At `point` on the screen: the button events carry their own position,
// so they never land where the pointer was before.
INPUT Mouse(DWORD flags, POINT point) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(point.x - left, 65535, width - 1);
  input.mi.dy = MulDiv(point.y - top, 65535, height - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

}  // namespace

void Click(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  Send({Mouse(0, middle), Mouse(MOUSEEVENTF_LEFTDOWN, middle), Mouse(MOUSEEVENTF_LEFTUP, middle)});
}

void Type(std::wstring_view text) {
  std::vector<INPUT> inputs;
  inputs.reserve(text.size() * 2);
  for (const wchar_t character : text) {
    inputs.push_back(Key(0, character, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  Send(std::move(inputs));
}

void PressKey(WORD virtual_key) { Send({Key(virtual_key, 0, 0), Key(virtual_key, 0, KEYEVENTF_KEYUP)}); }

void SelectLine() {
  Send({Key(VK_END, 0, 0), Key(VK_END, 0, KEYEVENTF_KEYUP), Key(VK_SHIFT, 0, 0), Key(VK_HOME, 0, 0),
        Key(VK_HOME, 0, KEYEVENTF_KEYUP), Key(VK_SHIFT, 0, KEYEVENTF_KEYUP)});
}

}  // namespace e2e

namespace e2e {

void PressCtrl(char letter) {
  const auto key = static_cast<WORD>(letter);
  Send({Key(VK_CONTROL, 0, 0), Key(key, 0, 0), Key(key, 0, KEYEVENTF_KEYUP),
        Key(VK_CONTROL, 0, KEYEVENTF_KEYUP)});
}

}  // namespace e2e
