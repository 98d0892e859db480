// circlecalc_e2e.exe CASE PROGRAM: starts circlecalc.exe (PROGRAM) and
// checks one case through the Win32 API, as a user at the window would
// see it. Exit code 0 when every check of the case holds.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <exception>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "calc/circle.h"
#include "caption_fit.h"
#include "desktop_settings.h"
#include "expect.h"
#include "input.h"
#include "monkey.h"
#include "program.h"
#include "resources_check.h"
#include "tooltip_text.h"
#include "ui/failure_message.h"

namespace e2e {
namespace {

constexpr std::wstring_view kPrompt = L"Сотрите всё и введите радиус";
constexpr std::wstring_view kCalculate = L"Вычислить";

// The client area on the screen at 96 dots per inch (twips / 15) and at
// 144 (twips / 10, each edge rounded half up).
constexpr RECT kClientAt96{276, 321, 276 + 451, 321 + 91};
constexpr RECT kClientAt144{414, 482, 1091, 618};

struct ExpectedControl {
  const char* name;
  std::wstring_view window_class;
  std::wstring_view text;
  RECT at_96;  // in the window's client area
  std::wstring_view tooltip;
  RECT at_144;
};

constexpr ExpectedControl kControls[] = {
    {"Command3", L"Button", L"_", {368, 16, 368 + 25, 16 + 25}, L"Очистить", {552, 24, 590, 62}},
    {"Command2", L"Button", L"X", {408, 16, 408 + 25, 16 + 25}, L"Выход", {612, 24, 650, 62}},
    {"Command1", L"Button", kCalculate, {368, 48, 368 + 65, 48 + 25}, L"Вычислить", {552, 72, 650, 110}},
    {"Text1", L"Edit", kPrompt, {16, 48, 16 + 337, 48 + 25}, L"", {24, 72, 530, 110}},
    {"Label1", L"Static", kPrompt, {16, 16, 16 + 337, 16 + 25}, L"", {24, 24, 530, 62}},
};

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::string Describe(const RECT& rect) {
  char text[64];
  std::snprintf(text, sizeof(text), "(%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
  return text;
}

void ExpectRect(const RECT& actual, const RECT& expected, const std::string& what) {
  Expect(EqualRect(&actual, &expected),
         what + " at " + Describe(actual) + ", expected " + Describe(expected));
}

// Puts `radius` in place of whatever the text box holds, as a user would:
// click into it, select the line, type. All of it goes through the input
// queue, so it happens in this order.
void EnterRadius(const Program& program, std::wstring_view radius) {
  const HWND text_box = program.TextBox();
  Click(text_box);
  SelectLine();
  Type(radius);
  if (!WaitFor([&] { return WindowText(text_box) == radius; })) {
    ExpectText(WindowText(text_box), radius, "the typed radius");
    throw CaseAborted("the radius could not be typed");
  }
}

void ExpectTextBoxBecomes(const Program& program, std::wstring_view expected, const std::string& what) {
  const HWND text_box = program.TextBox();
  if (!WaitFor([&] { return WindowText(text_box) == expected; }, std::chrono::seconds(5))) {
    ExpectText(WindowText(text_box), expected, what);
  }
}

// The message box that a failed command shows: owned by the window, with
// the message for `failure`; dismissed with its OK button.
void ExpectFailureBox(const Program& program, const std::exception_ptr& failure, const std::string& after) {
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = program.MessageBoxWindow()) != nullptr; }, std::chrono::seconds(5))) {
    Expect(false, "a message box after " + after);
    return;
  }
  const ui::FailureMessage message = ui::DescribeFailure(failure);
  Expect(GetWindow(box, GW_OWNER) == program.form(), "the message box is owned by the window");
  ExpectText(WindowText(box), Wide(message.caption), "message box caption after " + after);
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == L"Static" && !WindowText(child).empty()) text = WindowText(child);
  }
  ExpectText(text, Wide(message.text), "message box text after " + after);
  Click(GetDlgItem(box, IDOK));
  Expect(WaitFor([&] { return !IsWindow(box); }, std::chrono::seconds(5)), "the message box closes with OK");
}

void ExpectStillRunning(const Program& program, const std::string& after) {
  Expect(!program.WaitForExit(0).has_value(), "the program still runs after " + after);
  Expect(program.Answers(), "the program answers within a second after " + after);
}

// A click on "Вычислить" that fails with `failure`: the message box comes,
// the text box keeps `kept`, and the program goes on.
void ExpectCalculationFails(const Program& program, const std::exception_ptr& failure, std::wstring_view kept,
                            const std::string& what) {
  Click(program.Button(kCalculate));
  ExpectFailureBox(program, failure, what);
  ExpectText(WindowText(program.TextBox()), kept, "the text box keeps its text after " + what);
  ExpectStillRunning(program, what);
}

void WindowAndControls(const std::wstring& path, UINT dpi) {
  const Program program(path);
  const RECT client = dpi == 96 ? kClientAt96 : kClientAt144;
  const HWND form = program.form();
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE));
  Expect((style & WS_POPUP) != 0, "the window is a pop-up");
  Expect(
      (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
      "no border, title bar, system menu or minimise/maximise box");
  Expect((ex_style & WS_EX_TOOLWINDOW) != 0 && (ex_style & WS_EX_APPWINDOW) == 0, "no task-bar entry");
  Expect((ex_style & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) == 0,
         "no edge around the window");
  ExpectText(WindowText(form), L"Form1", "title");
  ExpectRect(ClientRectOnScreen(form), client, "client area");
  RECT frame{};
  GetWindowRect(form, &frame);
  ExpectRect(frame, client, "the whole window (no frame)");

  int children = 0;
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    ++children;
  Expect(children == 5, "five controls, found " + std::to_string(children));

  for (const ExpectedControl& expected : kControls) {
    const std::string name = expected.name;
    const HWND control = program.Child(expected.window_class, expected.text);
    ExpectRect(RectInParent(control), dpi == 96 ? expected.at_96 : expected.at_144, name);
    ExpectText(TooltipText(program, control), expected.tooltip, name + " tooltip");
    const int id = GetDlgCtrlID(control);
    Expect(id != IDOK && id != IDCANCEL, name + " has neither IDOK's nor IDCANCEL's ID");
    const auto control_style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    Expect(IsWindowVisible(control) && IsWindowEnabled(control), name + " is visible and enabled");
    if (expected.window_class == L"Button") {
      Expect((control_style & BS_TYPEMASK) == BS_PUSHBUTTON,
             name + " is a plain push button, not the default");
    }
    if (expected.window_class == L"Edit") {
      Expect((control_style & (ES_MULTILINE | ES_READONLY)) == 0, name + " is one editable line");
      DWORD_PTR limit = 0;
      SendMessageTimeoutW(control, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 5000, &limit);
      Expect(limit > 0x7FFF'0000, name + " takes text past the default 32K limit");
    }
  }
}

void TabOrder(const std::wstring& path) {
  const Program program(path);
  const HWND start = program.TextBox();
  Expect(WaitFor([&] { return program.Focus() == start; }), "the focus starts in Text1");
  for (const HWND next : {program.Button(kCalculate), program.Button(L"X"), program.Button(L"_"), start}) {
    PressKey(VK_TAB);
    Expect(WaitFor([&] { return program.Focus() == next; }),
           "Tab moves the focus to \"" + Utf8(WindowText(next)) + "\"");
  }
}

void Calculate(const std::wstring& path) {
  const Program program(path);
  const std::wstring line = L"Радиус=2, Площадь=12.566, Длина окружности=12.566";
  EnterRadius(program, L"2");
  Click(program.Button(kCalculate));
  ExpectTextBoxBecomes(program, line, "the line for radius 2");
  ExpectText(WindowText(program.Label()), kPrompt, "the label keeps the prompt");

  // The result line is no number.
  ExpectCalculationFails(program, std::make_exception_ptr(calc::ConversionError("")), line,
                         "calculating the result line");
}

void CalculateInRussian(const std::wstring& path) {
  const Program program(path);
  EnterRadius(program, L"2");
  Click(program.Button(kCalculate));
  ExpectTextBoxBecomes(program, L"Радиус=2, Площадь=12,566, Длина окружности=12,566",
                       "the line for radius 2 under a Russian locale");
}

void Failures(const std::wstring& path) {
  const Program program(path);
  ExpectCalculationFails(program, std::make_exception_ptr(calc::ConversionError("")), kPrompt,
                         "calculating the prompt");

  EnterRadius(program, L"1e200");
  ExpectCalculationFails(program, std::make_exception_ptr(calc::OverflowError("")), L"1e200", "an overflow");

  EnterRadius(program, L"1");
  Click(program.Button(kCalculate));
  ExpectTextBoxBecomes(program, L"Радиус=1, Площадь=3.1415, Длина окружности=6.283",
                       "a calculation after the failures");
}

void EnterAndEscape(const std::wstring& path) {
  const Program program(path);
  EnterRadius(program, L"2");
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  // Keys are taken in order: once the 7 is in, Enter and Esc have had
  // their effect.
  Type(L"7");
  ExpectTextBoxBecomes(program, L"27", "Enter and Esc change nothing");
  Expect(program.MessageBoxWindow() == nullptr, "no message box after Enter and Esc");
  Expect(IsWindowVisible(program.form()) != FALSE, "the window stays after Enter and Esc");
  ExpectStillRunning(program, "Enter and Esc");
}

void Clear(const std::wstring& path) {
  const Program program(path);
  Click(program.Button(L"_"));
  ExpectTextBoxBecomes(program, L"", "\"_\" empties the text box");
  ExpectText(WindowText(program.Label()), kPrompt, "the label keeps the prompt");
  Expect(IsWindowVisible(program.form()) && !IsIconic(program.form()), "\"_\" does not minimise the window");
  Click(program.Button(L"_"));
  ExpectTextBoxBecomes(program, L"", "\"_\" on an empty text box");
  ExpectStillRunning(program, "\"_\"");

  EnterRadius(program, L"0");
  Click(program.Button(kCalculate));
  ExpectTextBoxBecomes(program, L"Радиус=0, Площадь=0, Длина окружности=0", "a calculation after \"_\"");
  Click(program.Button(L"_"));
  ExpectTextBoxBecomes(program, L"", "\"_\" removes a result line");
}

void Exit(const std::wstring& path) {
  const Program program(path);
  EnterRadius(program, L"5");
  Click(program.Button(L"X"));
  const std::optional<DWORD> code = program.WaitForExit(10000);
  Expect(code.has_value(), "\"X\" ends the program");
  Expect(code.value_or(1) == 0, "the exit code is 0");
}

// Inside a control, clear of its edge and of any text.
POINT InsideBottomRight(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  return {rect.right - 6, rect.bottom - 5};
}

std::string Hex(COLORREF color) {
  char text[16];
  std::snprintf(text, sizeof(text), "#%06lx", static_cast<unsigned long>(color));
  return text;
}

void ExpectColorsShown(const Program& program, const std::string& when) {
  RECT client = ClientRectOnScreen(program.form());
  const POINT background{client.left + 4, client.top + 4};
  const POINT text_box = InsideBottomRight(program.TextBox());
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF info_background = GetSysColor(COLOR_INFOBK);
  if (!WaitFor(
          [&] { return ScreenPixel(background) == highlight && ScreenPixel(text_box) == info_background; },
          std::chrono::seconds(5))) {
    Expect(
        ScreenPixel(background) == highlight,
        when + ": window background " + Hex(ScreenPixel(background)) + ", COLOR_HIGHLIGHT " + Hex(highlight));
    Expect(ScreenPixel(text_box) == info_background, when + ": text box background " +
                                                         Hex(ScreenPixel(text_box)) + ", COLOR_INFOBK " +
                                                         Hex(info_background));
  }
  // The label's letters are drawn in COLOR_INFOBK over COLOR_HIGHLIGHT.
  RECT label{};
  GetWindowRect(program.Label(), &label);
  bool letters = false;
  const HDC screen = GetDC(nullptr);
  for (int y = label.top; y < label.bottom && !letters; ++y) {
    for (int x = label.left; x < label.right && !letters; ++x)
      letters = GetPixel(screen, x, y) == info_background;
  }
  ReleaseDC(nullptr, screen);
  Expect(letters, when + ": the label's letters are in COLOR_INFOBK");
}

void Colors(const std::wstring& path) {
  const Program program(path);
  ExpectColorsShown(program, "at start");
}

void Resources(const std::wstring& path) {
  CheckVersionRecord(path);
  CheckIconImages(path);
}

// CIRCLECALC_MONKEY_SEED repeats a run; otherwise every run is new.
unsigned MonkeySeed() {
  wchar_t seed[16]{};
  if (GetEnvironmentVariableW(L"CIRCLECALC_MONKEY_SEED", seed, 16) > 0)
    return std::wcstoul(seed, nullptr, 10);
  return std::random_device{}();
}

struct Case {
  std::wstring_view name;
  std::function<void(const std::wstring&)> run;
};

const Case kCases[] = {
    {L"window", [](const std::wstring& path) { WindowAndControls(path, 96); }},
    {L"window-144dpi",
     [](const std::wstring& path) {
       const ScopedResolution resolution(144);
       WindowAndControls(path, 144);
     }},
    {L"colors", Colors},
    {L"tab-order", TabOrder},
    {L"calculate", Calculate},
    {L"calculate-russian", CalculateInRussian},
    {L"failures", Failures},
    {L"enter-escape", EnterAndEscape},
    {L"clear", Clear},
    {L"exit", Exit},
    {L"resources", Resources},
    {L"captions-fit", [](const std::wstring&) { CheckCaptionsFit(); }},
    {L"monkey", [](const std::wstring& path) { Monkey(path, MonkeySeed()); }},
};

// Wine shows the Linux file system as drive Z:.
std::wstring WindowsPath(std::wstring path) {
  if (path.empty() || path.front() != L'/') return path;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + path;
}

}  // namespace
}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  // Window positions in the program's own pixels, at any resolution.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (argc != 3) {
    std::fputs("usage: circlecalc_e2e CASE PATH-TO-circlecalc.exe\n", stderr);
    return 2;
  }
  const std::wstring_view name = argv[1];
  for (const e2e::Case& test_case : e2e::kCases) {
    if (test_case.name != name) continue;
    try {
      test_case.run(e2e::WindowsPath(argv[2]));
    } catch (const std::exception& stopped) {
      e2e::Expect(false, std::string("stopped: ") + stopped.what());
    }
    return e2e::FailedChecks() == 0 ? 0 : 1;
  }
  std::fprintf(stderr, "no case %s\n", e2e::Utf8(name).c_str());
  return 2;
}
