#include "ui/commands.h"

namespace ui {

void Calculate(CalculatorWindow& window) {
  const std::u16string line = calc::CircleLine(window.Text1(), window.UserNumberFormat());
  window.SetText1(line);
}

void Clear(CalculatorWindow& window) { window.SetText1(u""); }

void Exit(CalculatorWindow& window) { window.EndProgram(); }

void Run(Command command, CalculatorWindow& window) {
  switch (command) {
    case Command::kCalculate:
      return Calculate(window);
    case Command::kClear:
      return Clear(window);
    case Command::kExit:
      return Exit(window);
    case Command::kNone:
      return;
  }
}

}  // namespace ui
