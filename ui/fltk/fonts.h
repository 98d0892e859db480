// The layout's fonts as FLTK faces and pixel sizes.
#pragma once

#include <FL/Enumerations.H>

#include <optional>

#include "ui/layout.h"

namespace ui::fltk {

struct PixelFont {
  Fl_Font face;
  Fl_Fontsize size;
};

// The face and pixel size for a font of the layout at `dpi`; a control
// without a font of its own gets the dialog font.
PixelFont FontFor(const std::optional<FontSpec>& font, int dpi);

// The font of the controls that name none, and of tooltips and messages.
PixelFont DialogFont(int dpi);

// Tooltips and message boxes are FLTK's own windows; they take the dialog
// font at the window's resolution too.
void UseDialogFontForTooltipsAndMessages(int dpi);

}  // namespace ui::fltk
