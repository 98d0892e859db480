// The calculator's one window, declared once as data. Every backend renders
// this table; none of them repeats a position, a text or a font.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace ui {

enum class ControlKind { kLabel, kTextBox, kPushButton };

// The values are the Windows system colour indexes of the two roles.
enum class ColorRole { kDefault = -1, kHighlight = 13, kInfoBackground = 24 };

// What a click on a control does.
enum class Command { kNone, kCalculate, kClear, kExit };

// 1/1440 inch; 15 twips to a pixel at 96 dots per inch.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kCyrillicCharset = 204;

struct FontSpec {
  std::u16string_view face;
  double points;
  bool bold;
  bool italic;
  int charset;
};

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  TwipsRect rect;  // relative to the window's client area
  std::u16string_view text;
  std::u16string_view tooltip;   // empty: none
  std::optional<FontSpec> font;  // none: the window's font
  ColorRole background;          // kDefault, or for a label: transparent
  ColorRole foreground;
  int tab_index;
  Command command;
};

struct WindowSpec {
  std::string_view name;
  std::u16string_view title;
  TwipsRect client;  // on the screen, never centred or chosen by the system
  ColorRole background;
  std::array<ControlSpec, 5> controls;  // in the order the layout holds them
};

inline constexpr std::u16string_view kPrompt = u"Сотрите всё и введите радиус";

inline constexpr FontSpec kButtonFont{u"MS Sans Serif", 8.25, true, false, kCyrillicCharset};
inline constexpr FontSpec kPromptFont{u"MS Sans Serif", 9.75, true, true, kCyrillicCharset};

inline constexpr WindowSpec kForm1{
    .name = "Form1",
    .title = u"Form1",
    .client = {4140, 4815, 6765, 1365},
    .background = ColorRole::kHighlight,
    .controls = {{
        {"Command3",
         ControlKind::kPushButton,
         {5520, 240, 375, 375},
         u"_",
         u"Очистить",
         std::nullopt,
         ColorRole::kDefault,
         ColorRole::kDefault,
         4,
         Command::kClear},
        {"Command2",
         ControlKind::kPushButton,
         {6120, 240, 375, 375},
         u"X",
         u"Выход",
         kButtonFont,
         ColorRole::kDefault,
         ColorRole::kDefault,
         2,
         Command::kExit},
        {"Command1",
         ControlKind::kPushButton,
         {5520, 720, 975, 375},
         u"Вычислить",
         u"Вычислить",
         std::nullopt,
         ColorRole::kDefault,
         ColorRole::kDefault,
         1,
         Command::kCalculate},
        {"Text1",
         ControlKind::kTextBox,
         {240, 720, 5055, 375},
         kPrompt,
         u"",
         std::nullopt,
         ColorRole::kInfoBackground,
         ColorRole::kDefault,
         0,
         Command::kNone},
        {"Label1",
         ControlKind::kLabel,
         {240, 240, 5055, 375},
         kPrompt,
         u"",
         kPromptFont,
         ColorRole::kDefault,
         ColorRole::kInfoBackground,
         3,
         Command::kNone},
    }},
};

// The control called `name`; naming one the layout lacks fails to compile
// when used in a constant expression.
constexpr const ControlSpec& FindControl(std::string_view name) {
  for (const ControlSpec& control : kForm1.controls) {
    if (control.name == name) return control;
  }
  throw "no such control";
}

// Every control, label included, by tab index: the toolkits move the focus
// in the order the controls were made, so backends make them in this order.
constexpr auto TabOrder() {
  std::array<const ControlSpec*, kForm1.controls.size()> order{};
  std::transform(kForm1.controls.begin(), kForm1.controls.end(), order.begin(),
                 [](const ControlSpec& control) { return &control; });
  std::sort(order.begin(), order.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
  return order;
}

// The controls that take the keyboard focus, in tab order.
constexpr auto FocusOrder() {
  constexpr auto kFocusable =
      std::count_if(kForm1.controls.begin(), kForm1.controls.end(),
                    [](const ControlSpec& c) { return c.kind != ControlKind::kLabel; });
  std::array<const ControlSpec*, kFocusable> order{};
  const auto all = TabOrder();
  std::copy_if(all.begin(), all.end(), order.begin(),
               [](const ControlSpec* c) { return c->kind != ControlKind::kLabel; });
  return order;
}

}  // namespace ui
