// Fonts for the controls at a given resolution.
#pragma once

#include "ui/layout.h"
#include "ui/win32/unique_handle.h"

namespace win32 {

// The declared face, size, weight, slant and character set.
UniqueFont CreateDeclaredFont(const ui::FontSpec& spec, int dpi);

// The system's message font, for controls the layout gives no font.
UniqueFont CreateMessageFont(int dpi);

}  // namespace win32
