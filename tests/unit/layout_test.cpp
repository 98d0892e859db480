#include "ui/layout.h"

#include <gtest/gtest.h>

#include "ui/twips.h"

namespace {

using ui::PixelRect;

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(Twips, FifteenToAPixelAt96Dpi) {
  const PixelRect window = ui::ToPixels(ui::kForm1.client, 96);
  EXPECT_EQ(window.x, 276);
  EXPECT_EQ(window.y, 321);
  EXPECT_EQ(window.width, 451);
  EXPECT_EQ(window.height, 91);
  const PixelRect calculate = ui::ToPixels(ui::FindControl("Command1").rect, 96);
  EXPECT_EQ(calculate.x, 368);
  EXPECT_EQ(calculate.width, 65);
}

TEST(Twips, ScalesWithTheResolution) {
  const PixelRect window = ui::ToPixels(ui::kForm1.client, 144);
  EXPECT_EQ(window.x, 414);
  EXPECT_EQ(window.y, 482);       // 481.5 rounds up, as MulDiv does
  EXPECT_EQ(window.width, 677);   // edges 414 and 1090.5
  EXPECT_EQ(window.height, 136);  // edges 481.5 and 618
  EXPECT_EQ(ui::TwipsToPixels(-15, 96), -1);
}

TEST(Twips, FontSizesFromPoints) {
  EXPECT_EQ(ui::PointsToPixels(8.25, 96), 11);
  EXPECT_EQ(ui::PointsToPixels(9.75, 96), 13);
  EXPECT_EQ(ui::PointsToPixels(8.25, 144), 17);
  EXPECT_EQ(ui::PointsToPixels(9.75, 144), 20);
}

// Rounding must never make controls overlap or spill out of the window.
TEST(Layout, ControlsStayApartAndInsideTheWindowAtAnyResolution) {
  for (const int dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
    const PixelRect window = ui::ToPixels(ui::kForm1.client, dpi);
    const auto& controls = ui::kForm1.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const PixelRect a = ui::ToPixels(controls[i].rect, dpi);
      EXPECT_GT(a.width, 0);
      EXPECT_GT(a.height, 0);
      EXPECT_LE(a.x + a.width, window.width) << controls[i].name << " at " << dpi;
      EXPECT_LE(a.y + a.height, window.height) << controls[i].name << " at " << dpi;
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        EXPECT_FALSE(Overlap(a, ui::ToPixels(controls[j].rect, dpi)))
            << controls[i].name << " and " << controls[j].name << " at " << dpi;
      }
    }
  }
}

TEST(Layout, FocusMovesByTabIndexAndSkipsTheLabel) {
  const auto order = ui::FocusOrder();
  std::vector<std::string_view> names;
  for (const ui::ControlSpec* control : order) names.push_back(control->name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"Text1", "Command1", "Command2", "Command3"}));
}

TEST(Layout, EachButtonRunsItsCommand) {
  EXPECT_EQ(ui::FindControl("Command1").command, ui::Command::kCalculate);
  EXPECT_EQ(ui::FindControl("Command2").command, ui::Command::kExit);
  EXPECT_EQ(ui::FindControl("Command3").command, ui::Command::kClear);
  for (const auto& control : ui::kForm1.controls) {
    EXPECT_EQ(control.kind == ui::ControlKind::kPushButton, control.command != ui::Command::kNone)
        << control.name;
  }
}

}  // namespace
