#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// Watches the screen for the first top-level window of the launched program
// that becomes viewable. Construct it before the program starts: only windows
// created after that count, and only those whose X client is a process the
// program started, so no window manager frame or leftover of an earlier
// program is taken for the program's window.
struct ViewableWindow {
  Window window;
  std::chrono::nanoseconds seen;
};

// The window's WM_CLASS class name, or "-" when it has none: the run's log
// shows which window was taken for the program's.
std::string class_name_of(Display* display, Window window);

class FirstWindowWatch {
 public:
  explicit FirstWindowWatch(DisplayConnection display);

  Display* display() const { return display_.get(); }

  // Handles the server's events until a new top-level window is viewable or
  // `deadline` (CLOCK_MONOTONIC) passes. `still_running` is asked between
  // events, so a program that dies before mapping does not cost the whole
  // timeout. Returns the window and the monotonic time it was seen viewable.
  template <typename StillRunning>
  std::optional<ViewableWindow> wait(std::chrono::nanoseconds deadline, StillRunning still_running) {
    while (true) {
      if (const auto seen = handle_pending_events()) return seen;
      if (!still_running()) return std::nullopt;
      if (!wait_for_event(deadline)) return std::nullopt;
    }
  }

 private:
  std::optional<ViewableWindow> handle_pending_events();
  bool wait_for_event(std::chrono::nanoseconds deadline) const;
  bool is_programs_viewable_window(Window window) const;

  DisplayConnection display_;
  Window root_;
  // Top-level windows created since the watch began, less the frames.
  std::vector<Window> candidates_;
};

}  // namespace bench
