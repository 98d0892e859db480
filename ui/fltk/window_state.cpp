#include "ui/fltk/window_state.h"

#include <FL/x.H>

namespace ui::fltk {

void LeaveOutOfTaskbar(const Fl_Window& window) {
  constexpr long kNetWmStateAdd = 1;
  constexpr long kNormalApplication = 1;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = fl_xid(&window);
  event.xclient.message_type = XInternAtom(fl_display, "_NET_WM_STATE", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = kNetWmStateAdd;
  event.xclient.data.l[1] = static_cast<long>(XInternAtom(fl_display, "_NET_WM_STATE_SKIP_TASKBAR", False));
  event.xclient.data.l[3] = kNormalApplication;
  XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XFlush(fl_display);
}

void AllowOnlyClosing(const Fl_Window& window) {
  // The Motif hints, as every X window manager reads them: flags, functions,
  // decorations, input mode, status. Without the "all" bit the functions
  // list what is allowed.
  constexpr long kFunctionsAndDecorations = (1L << 0) | (1L << 1);
  constexpr long kCloseOnly = 1L << 5;
  constexpr long kNoDecorations = 0;
  const long hints[5] = {kFunctionsAndDecorations, kCloseOnly, kNoDecorations, 0, 0};
  const Atom motif_hints = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, fl_xid(&window), motif_hints, motif_hints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(hints), 5);
  XFlush(fl_display);
}

void TakeKeyboardFocus(const Fl_Window& window) {
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
  XFlush(fl_display);
}

}  // namespace ui::fltk
