// Text1: FLTK's one-line input, taking its pastes whole whatever their size.
#pragma once

#include <FL/Fl_Input.H>

#include "ui/fltk/x11_selection.h"

namespace ui::fltk {

class TextBox final : public Fl_Input {
 public:
  using Fl_Input::Fl_Input;

  int handle(int event) override;

 private:
  int Paste(Selection from);
};

}  // namespace ui::fltk
