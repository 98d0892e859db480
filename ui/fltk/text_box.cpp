#include "ui/fltk/text_box.h"

#include <FL/Fl.H>

#include <cctype>
#include <string_view>

namespace ui::fltk {
namespace {

bool IsPasteKey() {
  const int modifiers = Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META);
  return (Fl::event_key() == 'v' && modifiers == FL_CTRL) ||
         (Fl::event_key() == FL_Insert && modifiers == FL_SHIFT);
}

}  // namespace

int TextBox::handle(int event) {
  switch (event) {
    case FL_KEYBOARD:
      if (IsPasteKey()) return Paste(Selection::kClipboard);
      break;
    case FL_RELEASE:
      if (Fl::event_button() == FL_MIDDLE_MOUSE) return Paste(Selection::kPrimary);
      break;
    // A drop comes through FLTK's own transfer, which large texts break.
    case FL_DND_ENTER:
    case FL_DND_DRAG:
    case FL_DND_LEAVE:
    case FL_DND_RELEASE:
      return 0;
    default:
      break;
  }
  return Fl_Input::handle(event);
}

int TextBox::Paste(Selection from) {
  const auto text = ReadSelection(from);
  if (!text) return 1;
  std::string_view pasted = *text;
  // As FLTK pastes into a one-line input: without trailing blanks and breaks.
  while (!pasted.empty() && std::isspace(static_cast<unsigned char>(pasted.back()))) pasted.remove_suffix(1);
  if (!pasted.empty()) replace(position(), mark(), pasted.data(), static_cast<int>(pasted.size()));
  return 1;
}

}  // namespace ui::fltk
