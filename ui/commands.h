// The three button commands, written once against the little a command
// needs from a window, so that every backend runs the same steps.
#pragma once

#include <string>
#include <string_view>

#include "calc/circle.h"
#include "ui/layout.h"

namespace ui {

class CalculatorWindow {
 public:
  // The whole text of Text1.
  virtual std::u16string Text1() const = 0;
  // Replaces the whole text of Text1; throws if the text box refuses it.
  virtual void SetText1(std::u16string_view text) = 0;
  // How the user writes numbers, read from the platform's locale.
  virtual calc::NumberFormat UserNumberFormat() const = 0;
  // Ends the program at once with exit code 0.
  virtual void EndProgram() = 0;

 protected:
  ~CalculatorWindow() = default;
};

// None of the commands catches anything: a failure leaves the command and
// Text1 keeps the text it had.
void Calculate(CalculatorWindow& window);
void Clear(CalculatorWindow& window);
void Exit(CalculatorWindow& window);

void Run(Command command, CalculatorWindow& window);

}  // namespace ui
