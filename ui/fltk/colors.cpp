#include "ui/fltk/colors.h"

#include <FL/Fl_Tooltip.H>

namespace ui::fltk {

Fl_Color ColorFor(ColorRole role, Fl_Color otherwise) {
  switch (role) {
    case ColorRole::kHighlight:
      return FL_SELECTION_COLOR;
    case ColorRole::kInfoBackground:
      return Fl_Tooltip::color();
    case ColorRole::kDefault:
      return otherwise;
  }
  return otherwise;
}

}  // namespace ui::fltk
