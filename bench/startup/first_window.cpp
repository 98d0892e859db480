#include "bench/startup/first_window.h"

#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>
#include <poll.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "bench/startup/launched_program.h"

namespace bench {
namespace {

// Windows come and go while we look at them; a query on one that just went
// is no reason to end the measurement (Xlib's default handler would exit).
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

Window top_level_ancestor(Display* display, Window root, Window window) {
  while (true) {
    Window window_root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &window_root, &parent, &children, &count)) return 0;
    if (children != nullptr) XFree(children);
    if (parent == root || parent == 0) return window;
    window = parent;
  }
}

DisplayConnection checked(DisplayConnection display) {
  if (!display) throw std::runtime_error("cannot open the X display");
  return display;
}

// The process of the X client that created `window`, as the server knows it
// from the connection; none where the server cannot tell.
std::optional<pid_t> creator_of(Display* display, Window window) {
  XResClientIdSpec asked{window, XRES_CLIENT_ID_PID_MASK};
  long count = 0;
  XResClientIdValue* values = nullptr;
  if (XResQueryClientIds(display, 1, &asked, &count, &values) != Success) return std::nullopt;
  std::optional<pid_t> creator;
  for (long index = 0; index < count; ++index) {
    if (const pid_t pid = XResGetClientPid(&values[index]); pid > 0) creator = pid;
  }
  XResClientIdsDestroy(count, values);
  return creator;
}

}  // namespace

std::string class_name_of(Display* display, Window window) {
  XClassHint hint{};
  if (!XGetClassHint(display, window, &hint)) return "-";
  std::string name = hint.res_class != nullptr ? hint.res_class : "-";
  if (hint.res_name != nullptr) XFree(hint.res_name);
  if (hint.res_class != nullptr) XFree(hint.res_class);
  return name;
}

FirstWindowWatch::FirstWindowWatch(DisplayConnection display)
    : display_(checked(std::move(display))), root_(DefaultRootWindow(display_.get())) {
  XSetErrorHandler(ignore_x_errors);
  XSelectInput(display_.get(), root_, SubstructureNotifyMask);
  // The selection must be in force before the program can create anything.
  XSync(display_.get(), False);
}

bool FirstWindowWatch::is_programs_viewable_window(Window window) const {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display_.get(), window, &attributes)) return false;
  if (attributes.c_class != InputOutput || attributes.map_state != IsViewable) return false;
  // The window manager can still be busy with the program started before;
  // a window it maps now is not this program's.
  const auto creator = creator_of(display_.get(), window);
  return !creator || descends_from_this_process(*creator);
}

std::optional<ViewableWindow> FirstWindowWatch::handle_pending_events() {
  while (XPending(display_.get()) > 0) {
    XEvent event{};
    XNextEvent(display_.get(), &event);
    const auto now = monotonic_now();
    switch (event.type) {
      case CreateNotify:
        if (event.xcreatewindow.parent == root_) {
          const Window created = event.xcreatewindow.window;
          candidates_.push_back(created);
          // Inside a frame the client's own map goes to the frame's
          // listeners, not the root's; ask for it on the window itself.
          XSelectInput(display_.get(), created, StructureNotifyMask);
        }
        break;
      case ReparentNotify:
        if (event.xreparent.parent != root_) {
          // The new parent's top-level window is a window manager frame:
          // viewable with the client in it, but not the program's window.
          const Window frame = top_level_ancestor(display_.get(), root_, event.xreparent.parent);
          std::erase(candidates_, frame);
        }
        break;
      case DestroyNotify:
        std::erase(candidates_, event.xdestroywindow.window);
        break;
      default:
        break;
    }
    if (event.type == CreateNotify || event.type == MapNotify) {
      // Checked after every map, because the last map (the client's or its
      // frame's) is the one that makes the window viewable.
      for (const Window window : candidates_) {
        if (is_programs_viewable_window(window)) return ViewableWindow{window, now};
      }
    }
  }
  return std::nullopt;
}

bool FirstWindowWatch::wait_for_event(std::chrono::nanoseconds deadline) const {
  using namespace std::chrono_literals;
  const auto left = deadline - monotonic_now();
  if (left <= 0ns) return false;
  // Short slices, so the caller can notice a program that died meanwhile.
  const auto slice = std::min<std::chrono::nanoseconds>(left, 20ms);
  pollfd connection{ConnectionNumber(display_.get()), POLLIN, 0};
  ::poll(&connection, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(slice).count()));
  return true;
}

}  // namespace bench
