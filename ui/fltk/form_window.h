// Form1 on X11: the declared layout rendered with FLTK widgets, and the
// one place where a command's failure stops.
#pragma once

#include <FL/Fl_Window.H>

#include "calc/circle.h"
#include "ui/commands.h"
#include "ui/fltk/text_box.h"
#include "ui/twips.h"

namespace ui::fltk {

class FormWindow final : public Fl_Window, public CalculatorWindow {
 public:
  FormWindow(int dpi, calc::NumberFormat number_format);

  // Shows the window where the layout puts it, without a task-bar entry,
  // fixed in place and size, with the keyboard in Text1.
  void ShowInPlace();

  std::u16string Text1() const override;
  void SetText1(std::u16string_view text) override;
  calc::NumberFormat UserNumberFormat() const override { return number_format_; }
  [[noreturn]] void EndProgram() override;

 private:
  FormWindow(const PixelRect& client, int dpi, calc::NumberFormat number_format);

  static void OnButtonClick(Fl_Widget* button, long command);
  static void OnWindowCallback(Fl_Widget* window, void*);
  void Dispatch(Command command);

  TextBox* text1_ = nullptr;  // owned by the window, as all its widgets
  calc::NumberFormat number_format_;
};

}  // namespace ui::fltk
