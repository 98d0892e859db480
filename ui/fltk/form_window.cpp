#include "ui/fltk/form_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/fl_ask.H>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

#include "ui/failure_message.h"
#include "ui/fltk/colors.h"
#include "ui/fltk/fonts.h"
#include "ui/fltk/text_box.h"
#include "ui/fltk/utf16_text.h"
#include "ui/fltk/window_state.h"
#include "ui/twips.h"

namespace ui::fltk {
namespace {

TextBox* AddTextBox(const ControlSpec& spec, const PixelRect& rect, const PixelFont& font) {
  auto* const box = new TextBox(rect.x, rect.y, rect.width, rect.height);
  box->textfont(font.face);
  box->textsize(font.size);
  box->color(ColorFor(spec.background, box->color()));
  box->textcolor(ColorFor(spec.foreground, box->textcolor()));
  // FLTK would otherwise cut a pasted radius at 32767 bytes.
  box->maximum_size(INT_MAX);
  // Enter is no command, and nothing else of the box has a handler.
  box->when(FL_WHEN_NEVER);
  const std::string text = ToUtf8(spec.text);
  box->value(text.data(), static_cast<int>(text.size()));
  return box;
}

// A label or a button: the text is the caption.
void AddCaptioned(const ControlSpec& spec, const PixelRect& rect, const PixelFont& font,
                  Fl_Callback1* on_click) {
  Fl_Widget* widget = nullptr;
  if (spec.kind == ControlKind::kLabel) {
    // No box: the text is drawn straight over the window's background.
    widget = new Fl_Box(FL_NO_BOX, rect.x, rect.y, rect.width, rect.height, nullptr);
    widget->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
  } else {
    widget = new Fl_Button(rect.x, rect.y, rect.width, rect.height);
    widget->callback(on_click, static_cast<long>(spec.command));
    widget->color(ColorFor(spec.background, widget->color()));
  }
  widget->copy_label(ToUtf8(spec.text).c_str());
  widget->labelfont(font.face);
  widget->labelsize(font.size);
  widget->labelcolor(ColorFor(spec.foreground, widget->labelcolor()));
  if (!spec.tooltip.empty()) widget->copy_tooltip(ToUtf8(spec.tooltip).c_str());
}

void ShowFailure(const FailureMessage& message) {
  fl_close = "Закрыть";
  fl_message_title(ToUtf8(message.caption).c_str());
  fl_alert("%s", ToUtf8(message.text).c_str());
}

}  // namespace

FormWindow::FormWindow(int dpi, calc::NumberFormat number_format)
    : FormWindow(ToPixels(kForm1.client, dpi), dpi, number_format) {}

FormWindow::FormWindow(const PixelRect& client, int dpi, calc::NumberFormat number_format)
    : Fl_Window(client.x, client.y, client.width, client.height), number_format_(number_format) {
  copy_label(ToUtf8(kForm1.title).c_str());
  color(ColorFor(kForm1.background, color()));
  border(0);
  size_range(client.width, client.height, client.width, client.height);
  callback(OnWindowCallback);
  for (const ControlSpec* spec : TabOrder()) {
    const PixelRect rect = ToPixels(spec->rect, dpi);
    const PixelFont font = FontFor(spec->font, dpi);
    if (spec->kind == ControlKind::kTextBox) {
      text1_ = AddTextBox(*spec, rect, font);
    } else {
      AddCaptioned(*spec, rect, font, OnButtonClick);
    }
  }
  end();
}

void FormWindow::ShowInPlace() {
  show();
  LeaveOutOfTaskbar(*this);
  AllowOnlyClosing(*this);
  wait_for_expose();
  TakeKeyboardFocus(*this);
}

std::u16string FormWindow::Text1() const {
  return ToUtf16(std::string_view(text1_->value(), static_cast<std::size_t>(text1_->size())));
}

void FormWindow::SetText1(std::u16string_view text) {
  const std::string utf8 = ToUtf8(text);
  text1_->value(utf8.data(), static_cast<int>(utf8.size()));
  if (static_cast<std::size_t>(text1_->size()) != utf8.size()) {
    throw std::runtime_error("the text box did not take the whole text");
  }
}

void FormWindow::EndProgram() { std::_Exit(0); }

void FormWindow::OnButtonClick(Fl_Widget* button, long command) {
  static_cast<FormWindow*>(button->window())->Dispatch(static_cast<Command>(command));
}

// FLTK calls this on Esc as well as on a close from the window manager, and
// by default hides the window on both; only the close ends the program.
void FormWindow::OnWindowCallback(Fl_Widget*, void*) {
  if (Fl::event() == FL_CLOSE) std::_Exit(0);
}

void FormWindow::Dispatch(Command command) {
  try {
    Run(command, *this);
  } catch (...) {
    ShowFailure(DescribeFailure(std::current_exception()));
  }
}

}  // namespace ui::fltk
