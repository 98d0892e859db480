#include "ui/fltk/fonts.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <string>

#include "ui/layout.h"

namespace {

std::string XftName(const ui::fltk::PixelFont& font) { return Fl::get_font(font.face); }

TEST(Fonts, MsSansSerifBecomesLiberationSansInItsStyle) {
  const auto button = ui::fltk::FontFor(ui::kButtonFont, 96);
  const auto prompt = ui::fltk::FontFor(ui::kPromptFont, 96);
  const auto dialog = ui::fltk::DialogFont(96);
  EXPECT_EQ(XftName(button), "BLiberation Sans");
  EXPECT_EQ(XftName(prompt), "PLiberation Sans");
  EXPECT_EQ(XftName(dialog), " Liberation Sans");
  EXPECT_EQ(button.size, 11);
  EXPECT_EQ(prompt.size, 13);
  EXPECT_EQ(dialog.size, 11);
}

TEST(Fonts, SizesFollowTheResolutionAndFacesAreRegisteredOnce) {
  const auto at96 = ui::fltk::FontFor(ui::kPromptFont, 96);
  const auto at144 = ui::fltk::FontFor(ui::kPromptFont, 144);
  EXPECT_EQ(at144.face, at96.face);
  EXPECT_EQ(at144.size, 20);
  EXPECT_EQ(ui::fltk::DialogFont(144).size, 17);
  EXPECT_NE(ui::fltk::FontFor(ui::kButtonFont, 96).face, at96.face);
}

TEST(Fonts, OtherFacesAreAskedForByTheirOwnName) {
  const auto font = ui::fltk::FontFor(ui::FontSpec{u"DejaVu Serif", 12, false, true, 204}, 96);
  EXPECT_EQ(XftName(font), "IDejaVu Serif");
  EXPECT_EQ(font.size, 16);
}

}  // namespace
