#include "ui/fltk/x11_selection.h"

#include <FL/fl_utf8.h>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <poll.h>

#include <chrono>
#include <climits>
#include <memory>

namespace ui::fltk {
namespace {

using Clock = std::chrono::steady_clock;

// How long an owner may take over each answer and each piece.
constexpr auto kAnswerTimeout = std::chrono::seconds(2);

// A window of our own to receive the selection on, so that none of its
// events reach FLTK's windows. It lives as long as the program: windows
// that come and go with each paste trip up other clients that walk the
// window tree at the time.
class RequestorWindow {
 public:
  RequestorWindow() {
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    window_ = XCreateWindow(fl_display, RootWindow(fl_display, fl_screen), -10, -10, 1, 1, 0, CopyFromParent,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
  }
  ~RequestorWindow() { XDestroyWindow(fl_display, window_); }
  RequestorWindow(const RequestorWindow&) = delete;
  RequestorWindow& operator=(const RequestorWindow&) = delete;

  Window id() const { return window_; }

 private:
  Window window_;
};

struct XFreeDeleter {
  void operator()(unsigned char* data) const { XFree(data); }
};

// Waits for the next event of `type` on `window` that `wanted` accepts,
// leaving every other event queued for FLTK.
template <typename Wanted>
std::optional<XEvent> WaitForEvent(Window window, int type, Wanted wanted) {
  const auto deadline = Clock::now() + kAnswerTimeout;
  for (;;) {
    XEvent event;
    // When the text comes from this very program, FLTK is the owner that has
    // to answer, so requests are handed to it while we wait.
    while (XCheckTypedEvent(fl_display, SelectionRequest, &event)) fl_handle(event);
    while (XCheckTypedWindowEvent(fl_display, window, type, &event)) {
      if (wanted(event)) return event;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd connection{ConnectionNumber(fl_display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left));
  }
}

struct PropertyValue {
  Atom type = None;
  std::string bytes;
};

// Reads and deletes the property; deleting it asks an INCR owner for the
// next piece.
std::optional<PropertyValue> TakeProperty(Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long bytes_after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, window, property, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format,
                         &items, &bytes_after, &data) != Success) {
    return std::nullopt;
  }
  const std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
  // Xlib hands 32-bit items over as longs.
  const std::size_t item_size = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
  return PropertyValue{type, std::string(reinterpret_cast<const char*>(data), items * item_size)};
}

std::optional<std::string> TakeIncrementally(Window window, Atom property) {
  std::string text;
  for (;;) {
    const auto new_piece = WaitForEvent(window, PropertyNotify, [&](const XEvent& event) {
      return event.xproperty.atom == property && event.xproperty.state == PropertyNewValue;
    });
    if (!new_piece) return std::nullopt;
    const auto piece = TakeProperty(window, property);
    if (!piece) return std::nullopt;
    // The notice of the INCR property itself arrives here too, after that
    // property is gone: nothing to read yet.
    if (piece->type == None) continue;
    if (piece->bytes.empty()) return text;  // an empty piece ends the transfer
    text += piece->bytes;
  }
}

std::string Latin1ToUtf8(const std::string& latin1) {
  const auto length = static_cast<unsigned>(latin1.size());
  std::string utf8(fl_utf8froma(nullptr, 0, latin1.data(), length) + 1, '\0');
  utf8.resize(fl_utf8froma(utf8.data(), static_cast<unsigned>(utf8.size()), latin1.data(), length));
  return utf8;
}

}  // namespace

std::optional<std::string> ReadSelection(Selection selection) {
  const Atom selection_atom =
      selection == Selection::kClipboard ? XInternAtom(fl_display, "CLIPBOARD", False) : XA_PRIMARY;
  const Atom utf8_string = XInternAtom(fl_display, "UTF8_STRING", False);
  const Atom incr = XInternAtom(fl_display, "INCR", False);
  const Atom property = XInternAtom(fl_display, "CIRCLECALC_SELECTION", False);
  static const RequestorWindow requestor;

  for (const Atom target : {utf8_string, XA_STRING}) {
    XConvertSelection(fl_display, selection_atom, target, property, requestor.id(), fl_event_time);
    const auto answer = WaitForEvent(requestor.id(), SelectionNotify, [](const XEvent&) { return true; });
    if (!answer) return std::nullopt;
    if (answer->xselection.property == None) continue;  // not in this form

    auto value = TakeProperty(requestor.id(), property);
    if (!value) return std::nullopt;
    std::optional<std::string> text = std::move(value->bytes);
    if (value->type == incr) text = TakeIncrementally(requestor.id(), property);
    if (text && target == XA_STRING) text = Latin1ToUtf8(*text);
    return text;
  }
  return std::nullopt;
}

}  // namespace ui::fltk
