#include "calc/circle.h"

#include <gtest/gtest.h>

namespace {

constexpr calc::NumberFormat kComma{u','};

std::string Narrow(const std::u16string& text) {
  std::string ascii;
  for (const char16_t c : text) ascii += c < 0x80 ? static_cast<char>(c) : '?';
  return ascii;
}

struct LineCase {
  std::u16string radius_text;
  calc::NumberFormat format;
  std::u16string line;
};

TEST(CircleLine, BuildsTheResultLine) {
  const LineCase cases[] = {
      {u"0", {}, u"Радиус=0, Площадь=0, Длина окружности=0"},
      {u"1", {}, u"Радиус=1, Площадь=3.1415, Длина окружности=6.283"},
      {u"2", {}, u"Радиус=2, Площадь=12.566, Длина окружности=12.566"},
      {u"3", {}, u"Радиус=3, Площадь=28.2735, Длина окружности=18.849"},
      {u"-2", {}, u"Радиус=-2, Площадь=12.566, Длина окружности=-12.566"},
      {u"-0", {}, u"Радиус=-0, Площадь=0, Длина окружности=0"},
      {u" 2.50 ", {}, u"Радиус= 2.50 , Площадь=19.634375, Длина окружности=15.7075"},
      {u"1e150", {}, u"Радиус=1e150, Площадь=3.1415E+300, Длина окружности=6.283E+150"},
      {u"1e-400", {}, u"Радиус=1e-400, Площадь=0, Длина окружности=0"},
      {u"-1e-400", {}, u"Радиус=-1e-400, Площадь=0, Длина окружности=0"},
      {u"2", kComma, u"Радиус=2, Площадь=12,566, Длина окружности=12,566"},
      {u"2,5", kComma, u"Радиус=2,5, Площадь=19,634375, Длина окружности=15,7075"},
      {u"2.5", kComma, u"Радиус=2.5, Площадь=19,634375, Длина окружности=15,7075"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(calc::CircleLine(c.radius_text, c.format), c.line) << Narrow(c.radius_text);
  }
}

TEST(CircleValues, UsesTheFourDecimalPi) {
  const auto [area, circumference] = calc::CircleValues(u"2");
  EXPECT_EQ(area, 3.1415 * 4);
  EXPECT_EQ(circumference, 6.283 * 2);
  const auto negative = calc::CircleValues(u"-2");
  EXPECT_EQ(negative.area, area);
  EXPECT_EQ(negative.circumference, -circumference);
}

TEST(CircleValues, OverflowsPastTheRangeOfADouble) {
  // The area leaves the range of a double above about 7.56e153, the square
  // above about 1.34e154.
  EXPECT_NO_THROW(calc::CircleValues(u"7.56e153"));
  EXPECT_NO_THROW(calc::CircleValues(u"-7.56e153"));
  const std::u16string overflowing[] = {u"7.57e153", u"-7.57e153", u"1.34e154",
                                        u"1.35e154", u"1e200",     u"1e400"};
  for (const auto& text : overflowing) {
    EXPECT_THROW(calc::CircleValues(text), calc::OverflowError) << Narrow(text);
    EXPECT_THROW(calc::CircleLine(text), calc::OverflowError) << Narrow(text);
  }
}

TEST(CircleLine, FailsOnTextsThatAreNoNumber) {
  const std::u16string texts[] = {
      u"", u"abc", u"Сотрите всё и введите радиус", calc::CircleLine(u"2"), u"2,5",
  };
  for (const auto& text : texts) {
    EXPECT_THROW(calc::CircleLine(text), calc::ConversionError) << Narrow(text);
  }
}

}  // namespace
