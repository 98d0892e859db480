// circlecalc.exe: the calculator's one window and the message loop.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "ui/win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  const INITCOMMONCONTROLSEX common_controls{sizeof(INITCOMMONCONTROLSEX),
                                             ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&common_controls);

  win32::Form1Window form(instance);
  form.Show(show_command);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab moves the focus between the controls; Enter and Esc become IDOK
    // and IDCANCEL, which no control answers.
    if (IsDialogMessageW(form.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
