// The layout's colour roles as FLTK colours.
#pragma once

#include <FL/Enumerations.H>

#include "ui/layout.h"

namespace ui::fltk {

// X11 has no desktop-wide highlight or tooltip colour, so the roles take
// FLTK's own: the selection colour (which Fl::get_system_colors reads from
// the desktop's selectBackground resource) and the tooltip background.
Fl_Color ColorFor(ColorRole role, Fl_Color otherwise);

}  // namespace ui::fltk
