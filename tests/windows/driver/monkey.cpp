#include "monkey.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string_view>

#include "expect.h"
#include "input.h"
#include "program.h"

namespace e2e {
namespace {

constexpr int kSteps = 80;
// Wine's edit control takes seconds over each keystroke or repaint of a
// line of megabytes; that much time is allowed for a step to settle.
constexpr DWORD kSettleMs = 30000;
constexpr std::size_t kLargestPaste = 10 * 1024 * 1024;
constexpr std::wstring_view kAlphabet = L"0123456789012345678901234567890123456789.,-+eE  абвXYZ_ \t";

struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static void Close(HGLOBAL memory) { GlobalFree(memory); }
};

std::wstring RandomText(std::mt19937& random, std::size_t length) {
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::wstring text(length, L' ');
  for (wchar_t& c : text) c = kAlphabet[pick(random)];
  return text;
}

// Mostly short texts; now and then one of up to 10 MB.
std::size_t RandomPasteLength(std::mt19937& random) {
  if (random() % 8 != 0) return random() % 40;
  return std::uniform_int_distribution<std::size_t>(1, kLargestPaste / sizeof(wchar_t))(random);
}

void PutOnClipboard(std::wstring_view text) {
  win32::UniqueHandle<GlobalMemoryTraits> memory(
      GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
  Require(static_cast<bool>(memory), "GlobalAlloc for the clipboard");
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory.get()));
  text.copy(copy, text.size());
  copy[text.size()] = L'\0';
  GlobalUnlock(memory.get());
  Require(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }), "the clipboard opens");
  EmptyClipboard();
  // The clipboard owns the memory once it has taken it.
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) memory.release();
  CloseClipboard();
  Require(!memory, "the clipboard takes the text");
}

void DismissMessageBox(const Program& program) {
  const HWND box = program.MessageBoxWindow();
  if (box == nullptr) return;
  Click(GetDlgItem(box, IDOK));
  Require(WaitFor([&] { return !IsWindow(box); }, std::chrono::seconds(5)), "the message box closes with OK");
}

}  // namespace

void Monkey(const std::wstring& path, unsigned seed) {
  std::printf("monkey seed %u (CIRCLECALC_MONKEY_SEED=%u repeats this run)\n", seed, seed);
  std::fflush(stdout);
  std::mt19937 random(seed);
  const Program program(path);
  const HWND text_box = program.TextBox();
  const HWND calculate = program.Button(L"Вычислить");
  const HWND clear = program.Button(L"_");

  for (int step = 0; step < kSteps; ++step) {
    DismissMessageBox(program);
    const std::string what = "step " + std::to_string(step) + " of seed " + std::to_string(seed);
    switch (random() % 4) {
      case 0:
        Click(text_box);
        Type(RandomText(random, random() % 12));
        break;
      case 1: {
        PutOnClipboard(RandomText(random, RandomPasteLength(random)));
        Click(text_box);
        SelectLine();
        PressCtrl('V');
        break;
      }
      case 2:
        Click(calculate);
        break;
      case 3:
        Click(clear);
        break;
    }
    const auto started = std::chrono::steady_clock::now();
    // Once the program waits for input again it has taken the step's, and a
    // failed calculation has shown its message box.
    Require(WaitForInputIdle(program.process(), kSettleMs) == 0, "the program takes the input of " + what);
    Require(!program.WaitForExit(0).has_value(), "the program runs after " + what);
    Require(WaitFor([&] { return program.Answers(); }, std::chrono::milliseconds(kSettleMs)),
            "the program answers within a second, 30 s at most after " + what);
    const auto settled = std::chrono::steady_clock::now() - started;
    if (settled > std::chrono::milliseconds(1500)) {
      std::printf(
          "%s took %lld ms to settle with %zu characters in the text box\n", what.c_str(),
          static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(settled).count()),
          WindowText(text_box).size());
    }
  }

  // A calculation still under way when the steps end may show its message
  // box late and swallow the clicks and keys that follow, so the radius is
  // entered again until the text box holds just it and no box is up.
  const bool entered = WaitFor(
      [&] {
        DismissMessageBox(program);
        Click(clear);
        Click(text_box);
        Type(L"2");
        return WaitFor([&] { return WindowText(text_box) == L"2"; }, std::chrono::seconds(10)) &&
               program.MessageBoxWindow() == nullptr;
      },
      std::chrono::milliseconds(kSettleMs));
  Require(entered, "the text box takes radius 2 after the random run of seed " + std::to_string(seed));
  Click(calculate);
  const std::wstring line = L"Радиус=2, Площадь=12.566, Длина окружности=12.566";
  if (!WaitFor([&] { return WindowText(text_box) == line; }, std::chrono::seconds(10))) {
    ExpectText(WindowText(text_box), line, "radius 2 after the random run of seed " + std::to_string(seed));
  }
}

}  // namespace e2e
