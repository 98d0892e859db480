// What a shown window asks of the X server and the window manager.
#pragma once

#include <FL/Fl_Window.H>

namespace ui::fltk {

// Asks the window manager to add _NET_WM_STATE_SKIP_TASKBAR to a shown
// window. FLTK maps a window as it creates it, so the state cannot be set
// beforehand and has to be requested as a managed window's would.
void LeaveOutOfTaskbar(const Fl_Window& window);

// Leaves the window manager nothing to offer for the window but closing
// it: no moving, resizing, maximising or minimising. FLTK's own hints for
// a borderless window still allow moving (by Alt+drag, for one).
void AllowOnlyClosing(const Fl_Window& window);

// Gives the keyboard to a window that has been exposed. Window managers
// will not focus a new window that stays out of the task bar by
// themselves, yet the user expects to type into a window just started.
void TakeKeyboardFocus(const Fl_Window& window);

}  // namespace ui::fltk
