// Every caption must show whole in its control at the resolutions the
// window is drawn at, measured with the faces the program draws it with.
// Needs an X display.
#include <gtest/gtest.h>

// After gtest: X11's headers define None, which gtest uses as a name.
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <string>

#include "ui/fltk/fonts.h"
#include "ui/fltk/utf16_text.h"
#include "ui/layout.h"
#include "ui/twips.h"

namespace {

struct Extent {
  int width = 0;
  int height = 0;
};

Extent Measure(std::u16string_view text, const ui::fltk::PixelFont& font) {
  fl_font(font.face, font.size);
  const std::string utf8 = ui::fltk::ToUtf8(text);
  Extent extent;
  fl_measure(utf8.c_str(), extent.width, extent.height, 0);
  return extent;
}

// The room FLTK leaves for the text inside the control's box.
Extent Room(const ui::ControlSpec& control, int dpi) {
  const ui::PixelRect rect = ui::ToPixels(control.rect, dpi);
  switch (control.kind) {
    case ui::ControlKind::kLabel:
      return {rect.width, rect.height};
    case ui::ControlKind::kPushButton:
      return {rect.width - Fl::box_dw(FL_UP_BOX), rect.height - Fl::box_dh(FL_UP_BOX)};
    case ui::ControlKind::kTextBox:
      // Fl_Input keeps three pixels on each side of the text.
      return {rect.width - Fl::box_dw(FL_DOWN_BOX) - 6, rect.height - Fl::box_dh(FL_DOWN_BOX)};
  }
  return {};
}

TEST(CaptionFit, EveryCaptionIsWholeAt96And144Dpi) {
  fl_open_display();
  for (const int dpi : {96, 144}) {
    for (const ui::ControlSpec& control : ui::kForm1.controls) {
      const Extent text = Measure(control.text, ui::fltk::FontFor(control.font, dpi));
      const Extent room = Room(control, dpi);
      EXPECT_GT(text.width, 0) << control.name;
      EXPECT_LE(text.width, room.width) << control.name << " at " << dpi << " DPI";
      EXPECT_LE(text.height, room.height) << control.name << " at " << dpi << " DPI";
    }
  }
}

// The reason for the substitute face: the measuring above is only worth
// something if it can fail, and in the wider DejaVu Sans it does.
TEST(CaptionFit, TheCalculateCaptionWouldNotFitInDejaVuSans) {
  fl_open_display();
  Fl::set_font(FL_FREE_FONT + 100, " DejaVu Sans");
  const ui::ControlSpec& calculate = ui::FindControl("Command1");
  const Extent text = Measure(calculate.text, {FL_FREE_FONT + 100, ui::PointsToPixels(8.25, 96)});
  EXPECT_GT(text.width, Room(calculate, 96).width);
}

}  // namespace
