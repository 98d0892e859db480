// How the X input method that FLTK opens with the display is set up.
#pragma once

namespace ui::fltk {

// Lets the input method start without the locale's Compose table, unless the
// user has one of their own (XCOMPOSEFILE or ~/.XCompose). Reading the
// system table is most of the work before the window is shown (50 of 57
// million instructions, about 8 ms), and the text box takes a radius, which
// needs no dead keys or Compose sequences. Letters of the keyboard layout,
// Cyrillic too, are typed as before. Call it before the display is opened.
void LeaveOutLocaleComposeTable();

}  // namespace ui::fltk
