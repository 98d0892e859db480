#include "ui/commands.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/failure_message.h"

namespace {

// A window that lives in memory: Text1 is a string, and the text box can be
// told to refuse a new text.
class MemoryWindow final : public ui::CalculatorWindow {
 public:
  explicit MemoryWindow(std::u16string text, calc::NumberFormat format = {})
      : text_(std::move(text)), format_(format) {}

  std::u16string Text1() const override { return text_; }
  void SetText1(std::u16string_view text) override {
    if (refuses_text) throw std::runtime_error("the text box refused the text");
    // Through a temporary: GCC 12 takes the assignment from a view for an
    // overlapping copy and warns (-Wrestrict).
    text_ = std::u16string(text);
  }
  calc::NumberFormat UserNumberFormat() const override { return format_; }
  void EndProgram() override { ended = true; }

  bool refuses_text = false;
  bool ended = false;

 private:
  std::u16string text_;
  calc::NumberFormat format_;
};

constexpr std::u16string_view kLineFor2 = u"Радиус=2, Площадь=12.566, Длина окружности=12.566";

void Click(std::string_view button, MemoryWindow& window) {
  ui::Run(ui::FindControl(button).command, window);
}

TEST(Calculate, ReplacesTheRadiusWithTheResultLine) {
  MemoryWindow window(u"2");
  Click("Command1", window);
  EXPECT_EQ(window.Text1(), kLineFor2);
  EXPECT_FALSE(window.ended);
}

TEST(Calculate, UsesTheUsersDecimalSeparator) {
  MemoryWindow window(u"2", {u','});
  Click("Command1", window);
  EXPECT_EQ(window.Text1(), u"Радиус=2, Площадь=12,566, Длина окружности=12,566");
}

TEST(Calculate, AFailureLeavesTheTextAsItWas) {
  const std::pair<std::u16string, bool> cases[] = {
      {std::u16string(ui::kPrompt), false},  // a click right at start
      {u"два", false},
      {u"", false},
      {u"1e200", true},
  };
  for (const auto& [text, overflows] : cases) {
    MemoryWindow window(text);
    if (overflows) {
      EXPECT_THROW(Click("Command1", window), calc::OverflowError);
    } else {
      EXPECT_THROW(Click("Command1", window), calc::ConversionError);
    }
    EXPECT_EQ(window.Text1(), text);
  }
}

TEST(Calculate, APasteOf10MegabytesFailsAndStaysInTheTextBox) {
  const std::u16string digits(10 * 1024 * 1024, u'7');
  // EXPECT_TRUE rather than EXPECT_EQ, which would print 10 MB on failure.
  MemoryWindow overflowing(digits);
  EXPECT_THROW(Click("Command1", overflowing), calc::OverflowError);
  EXPECT_TRUE(overflowing.Text1() == digits);
  MemoryWindow no_number(digits + u"x");
  EXPECT_THROW(Click("Command1", no_number), calc::ConversionError);
  EXPECT_TRUE(no_number.Text1() == digits + u"x");
}

TEST(Calculate, ASecondClickFailsOnTheResultLine) {
  MemoryWindow window(u"2");
  Click("Command1", window);
  EXPECT_THROW(Click("Command1", window), calc::ConversionError);
  EXPECT_EQ(window.Text1(), kLineFor2);
}

TEST(Calculate, ClicksCarryNothingOver) {
  MemoryWindow window(u"2");
  Click("Command1", window);
  window.SetText1(u"1");
  Click("Command1", window);
  EXPECT_EQ(window.Text1(), u"Радиус=1, Площадь=3.1415, Длина окружности=6.283");
}

TEST(Clear, EmptiesTheTextBox) {
  for (const std::u16string& text :
       {std::u16string(ui::kPrompt), std::u16string(kLineFor2), std::u16string()}) {
    MemoryWindow window(text);
    Click("Command3", window);
    EXPECT_EQ(window.Text1(), u"");
    EXPECT_FALSE(window.ended);
  }
}

// A text box that refuses the new text fails the command and keeps its text.
TEST(Commands, ARefusedTextIsAFailure) {
  for (const std::string_view button : {"Command1", "Command3"}) {
    MemoryWindow window(u"2");
    window.refuses_text = true;
    EXPECT_THROW(Click(button, window), std::runtime_error) << button;
    EXPECT_EQ(window.Text1(), u"2") << button;
  }
}

TEST(Exit, EndsTheProgramWithoutTouchingTheText) {
  MemoryWindow window(u"2");
  Click("Command2", window);
  EXPECT_TRUE(window.ended);
  EXPECT_EQ(window.Text1(), u"2");
}

TEST(DescribeFailure, SaysWhatWasWrong) {
  const auto text_for = [](auto failure) {
    return std::u16string(ui::DescribeFailure(std::make_exception_ptr(failure)).text);
  };
  EXPECT_NE(text_for(calc::ConversionError("")).find(u"не является числом"), std::u16string::npos);
  EXPECT_NE(text_for(calc::OverflowError("")).find(u"слишком велик"), std::u16string::npos);
  EXPECT_NE(text_for(std::runtime_error("")), text_for(calc::ConversionError("")));
  EXPECT_EQ(ui::DescribeFailure(std::make_exception_ptr(std::bad_alloc())).caption, u"Ошибка");
}

}  // namespace
