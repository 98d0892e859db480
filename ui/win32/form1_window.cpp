#include "ui/win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>

#include "ui/failure_message.h"
#include "ui/twips.h"
#include "ui/win32/fonts.h"
#include "ui/win32/message_router.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"CircleCalcForm1";
constexpr DWORD kWindowStyle = WS_POPUP;
// A tool window gets no task-bar entry.
constexpr DWORD kWindowExStyle = WS_EX_TOOLWINDOW;

// IsDialogMessage turns Enter into IDOK (1) and Esc into IDCANCEL (2), so
// the controls' IDs start above them and those two commands reach no
// control.
constexpr int kFirstControlId = 100;
static_assert(kFirstControlId > IDCANCEL);

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

int SystemColorIndex(ui::ColorRole role) { return static_cast<int>(role); }

struct NativeControl {
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

NativeControl NativeControlFor(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::kLabel:
      // The captions carry no access keys, so '&' is shown as it is.
      return {WC_STATICW, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0};
    case ui::ControlKind::kTextBox:
      return {WC_EDITW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ui::ControlKind::kPushButton:
      return {WC_BUTTONW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0};
  }
  return {};
}

void RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = RouteMessage<Form1Window>;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, L"CIRCLECALC");
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // A system colour index plus one stands for that colour's brush and so
  // follows a change of the colour scheme.
  window_class.hbrBackground =
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(SystemColorIndex(ui::kForm1.background) + 1));
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&window_class)) ThrowLastError("RegisterClassEx");
}

calc::NumberFormat UserLocaleNumberFormat() {
  calc::NumberFormat format;
  wchar_t separator[8]{};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                      static_cast<int>(std::size(separator))) > 1) {
    format.decimal_separator = static_cast<char16_t>(separator[0]);
  }
  return format;
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance) : number_format_(UserLocaleNumberFormat()) {
  RegisterWindowClass(instance);
  const std::wstring title = ToWide(ui::kForm1.title);
  window_.reset(CreateWindowExW(kWindowExStyle, kWindowClass, title.c_str(), kWindowStyle, 0, 0, 0, 0,
                                nullptr, nullptr, instance, this));
  if (!window_) ThrowLastError("CreateWindowEx");
  CreateControls(instance);
  CreateTooltips(instance);
  ApplyDpi(static_cast<int>(GetDpiForWindow(window_.get())));
  focus_ = Control(ui::FocusOrder().front()->name);
}

void Form1Window::Show(int show_command) {
  ShowWindow(window_.get(), show_command);
  SetFocus(focus_);
}

void Form1Window::CreateControls(HINSTANCE instance) {
  // IsDialogMessage moves the focus in z-order, which is creation order.
  for (const ui::ControlSpec* const declared : ui::TabOrder()) {
    const ui::ControlSpec& spec = *declared;
    const auto index = static_cast<std::size_t>(declared - ui::kForm1.controls.data());
    const NativeControl native = NativeControlFor(spec.kind);
    const std::wstring text = ToWide(spec.text);
    const auto id = static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index));
    controls_[index] = CreateWindowExW(native.ex_style, native.window_class, text.c_str(), native.style, 0, 0,
                                       0, 0, window_.get(), reinterpret_cast<HMENU>(id), instance, nullptr);
    if (controls_[index] == nullptr) ThrowLastError("CreateWindowEx");
    if (spec.kind == ui::ControlKind::kTextBox) {
      // Without this a single-line edit stops taking text at 32K characters.
      SendMessageW(controls_[index], EM_SETLIMITTEXT, 0, 0);
    }
  }
}

void Form1Window::CreateTooltips(HINSTANCE instance) {
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr, instance, nullptr);
  if (tooltips_ == nullptr) ThrowLastError("CreateWindowEx tooltips");
  for (std::size_t index = 0; index < kControlCount; ++index) {
    const ui::ControlSpec& spec = ui::kForm1.controls[index];
    if (spec.tooltip.empty()) continue;
    std::wstring text = ToWide(spec.tooltip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[index]);
    tool.lpszText = text.data();  // the tooltip keeps a copy
    if (!SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
      ThrowLastError("TTM_ADDTOOL");
    }
  }
}

void Form1Window::ApplyDpi(int dpi) {
  const ui::PixelRect client = ui::ToPixels(ui::kForm1.client, dpi);
  RECT frame{client.x, client.y, client.x + client.width, client.y + client.height};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, static_cast<UINT>(dpi));
  SetWindowPos(window_.get(), nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);

  // The new fonts are set before the old ones are deleted.
  UniqueFont message_font = CreateMessageFont(dpi);
  std::array<UniqueFont, kControlCount> declared_fonts;
  for (std::size_t index = 0; index < kControlCount; ++index) {
    const ui::ControlSpec& spec = ui::kForm1.controls[index];
    if (spec.font) declared_fonts[index] = CreateDeclaredFont(*spec.font, dpi);
    const HFONT font = spec.font ? declared_fonts[index].get() : message_font.get();
    const ui::PixelRect rect = ui::ToPixels(spec.rect, dpi);
    SetWindowPos(controls_[index], nullptr, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  message_font_ = std::move(message_font);
  declared_fonts_ = std::move(declared_fonts);
}

HWND Form1Window::Control(std::string_view name) const {
  const auto found = std::find_if(ui::kForm1.controls.begin(), ui::kForm1.controls.end(),
                                  [name](const ui::ControlSpec& spec) { return spec.name == name; });
  return controls_[static_cast<std::size_t>(found - ui::kForm1.controls.begin())];
}

LRESULT Form1Window::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && lparam != 0) OnCommand(reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (const HBRUSH brush =
              OnControlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SYSCOLORCHANGE:
      OnSystemColorChange();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      // The system has destroyed the window and its children.
      window_.release();
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void Form1Window::OnCommand(HWND control) {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  const ui::ControlSpec& spec = ui::kForm1.controls[static_cast<std::size_t>(found - controls_.begin())];
  // The boundary where a command's failure stops: the user is told and
  // the program goes on.
  try {
    ui::Run(spec.command, *this);
  } catch (...) {
    ShowFailure(std::current_exception());
  }
}

HBRUSH Form1Window::OnControlColor(HDC device_context, HWND control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return nullptr;
  const ui::ControlSpec& spec = ui::kForm1.controls[static_cast<std::size_t>(found - controls_.begin())];
  if (spec.kind == ui::ControlKind::kLabel) {
    // A label has no background of its own: it is painted with the
    // window's.
    SetBkMode(device_context, TRANSPARENT);
    if (spec.foreground != ui::ColorRole::kDefault) {
      SetTextColor(device_context, GetSysColor(SystemColorIndex(spec.foreground)));
    }
    return GetSysColorBrush(SystemColorIndex(ui::kForm1.background));
  }
  if (spec.foreground == ui::ColorRole::kDefault && spec.background == ui::ColorRole::kDefault)
    return nullptr;
  if (spec.foreground != ui::ColorRole::kDefault) {
    SetTextColor(device_context, GetSysColor(SystemColorIndex(spec.foreground)));
  }
  const int background =
      spec.background != ui::ColorRole::kDefault ? SystemColorIndex(spec.background) : COLOR_WINDOW;
  SetBkColor(device_context, GetSysColor(background));
  return GetSysColorBrush(background);
}

void Form1Window::OnActivate(bool active) {
  // The window is no dialog, so it keeps the focused control itself
  // across a switch to another window and back.
  if (!active) {
    const HWND focused = GetFocus();
    if (focused != nullptr && IsChild(window_.get(), focused)) focus_ = focused;
    return;
  }
  SetFocus(focus_);
}

void Form1Window::OnDpiChanged(int dpi, const RECT& suggested) {
  SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyDpi(dpi);
}

void Form1Window::OnSystemColorChange() {
  // Common controls learn of a new colour scheme only from their parent.
  SendMessageW(tooltips_, WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1Window::ShowFailure(const std::exception_ptr& failure) const {
  const ui::FailureMessage message = ui::DescribeFailure(failure);
  const std::wstring caption = ToWide(message.caption);
  const std::wstring text = ToWide(message.text);
  MessageBoxW(window_.get(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

std::u16string Form1Window::Text1() const {
  const HWND text_box = Control("Text1");
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(text_box)) + 1, L'\0');
  const int copied = GetWindowTextW(text_box, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied));
  return FromWide(text);
}

void Form1Window::SetText1(std::u16string_view text) {
  const std::wstring wide = ToWide(text);
  if (!SetWindowTextW(Control("Text1"), wide.c_str())) ThrowLastError("Text1 refused the text");
}

void Form1Window::EndProgram() { ExitProcess(0); }

}  // namespace win32
