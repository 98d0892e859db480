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

void TakeKeyboardFocus(const Fl_Window& window) {
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
  XFlush(fl_display);
}

}  // namespace ui::fltk
