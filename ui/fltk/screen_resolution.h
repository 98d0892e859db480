// The resolution the window's twips and points are scaled to.
#pragma once

namespace ui::fltk {

// The desktop's Xft.dpi when it sets one (that is how X desktops scale
// their programs), else the resolution the X server reports. Opens the
// display.
int ScreenDpi();

}  // namespace ui::fltk
