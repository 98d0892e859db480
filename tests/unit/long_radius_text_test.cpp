// Radius texts of 10 MB, as a paste into the text box can bring. Their cost
// is measured by bench/calc_bench; here only the outcome counts.
#include <gtest/gtest.h>

#include <string>

#include "calc/circle.h"
#include "calc/number_text.h"

namespace {

constexpr std::size_t kPasteLength = 10 * 1024 * 1024;

std::u16string Repeated(char16_t c) { return std::u16string(kPasteLength, c); }

std::u16string Decimal(std::size_t value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

TEST(LongRadiusText, DigitsAloneOverflow) {
  EXPECT_THROW(calc::CircleLine(Repeated(u'7')), calc::OverflowError);
  EXPECT_THROW(calc::CircleLine(u"-" + Repeated(u'7')), calc::OverflowError);
}

TEST(LongRadiusText, DigitsWithJunkAreNoNumber) {
  const std::u16string texts[] = {
      Repeated(u'7') + u"x", u"x" + Repeated(u'7'), Repeated(u'7') + u"." + Repeated(u'7') + u".",
      Repeated(u' '),        Repeated(u'7') + u"e",
  };
  for (const auto& text : texts) EXPECT_THROW(calc::CircleLine(text), calc::ConversionError);
}

struct LongNumber {
  const char* name;
  std::u16string text;
  double value;
};

TEST(LongRadiusText, LongNumbersReadAsTheirValue) {
  const LongNumber cases[] = {
      {"0. zeros 1", u"0." + Repeated(u'0') + u"1", 0},
      {"-0. zeros 1", u"-0." + Repeated(u'0') + u"1", 0},
      {"1. zeros 1", u"1." + Repeated(u'0') + u"1", 1},
      {"zeros 2", Repeated(u'0') + u"2", 2},
      {"blanks 2 blanks", Repeated(u' ') + u"2" + Repeated(u'\u00A0'), 2},
      // The leading digit lies far from the decimal separator; the exponent
      // brings it back.
      {"0. zeros 1 e+length+1", u"0." + Repeated(u'0') + u"1e" + Decimal(kPasteLength + 1), 1},
      {"1 zeros e-length", u"1" + Repeated(u'0') + u"e-" + Decimal(kPasteLength), 1},
      {"1 zeros e-(length-300)", u"1" + Repeated(u'0') + u"e-" + Decimal(kPasteLength - 300), 1e300},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(calc::ParseNumber(c.text), c.value) << c.name;
  }
}

TEST(LongRadiusText, TheLineKeepsTheWholeText) {
  const std::u16string tiny = u"0." + Repeated(u'0') + u"1";
  EXPECT_EQ(calc::CircleLine(tiny), u"Радиус=" + tiny + u", Площадь=0, Длина окружности=0");
  const std::u16string two = Repeated(u' ') + u"2";
  EXPECT_EQ(calc::CircleLine(two), u"Радиус=" + two + u", Площадь=12.566, Длина окружности=12.566");
}

TEST(LongRadiusText, AnExponentBringingTheDigitsPastADoubleOverflows) {
  EXPECT_THROW(calc::CircleLine(u"1" + Repeated(u'0') + u"e-" + Decimal(kPasteLength - 309)),
               calc::OverflowError);
  EXPECT_THROW(calc::CircleLine(u"0." + Repeated(u'0') + u"1e" + Decimal(kPasteLength + 310)),
               calc::OverflowError);
}

}  // namespace
