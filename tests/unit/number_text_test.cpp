#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

constexpr calc::NumberFormat kPoint{u'.'};
constexpr calc::NumberFormat kComma{u','};

struct ParseCase {
  std::u16string text;
  calc::NumberFormat format;
  double expected;
};

TEST(ParseNumber, ReadsNumbersAsTheUserTypesThem) {
  const ParseCase cases[] = {
      {u"2", kPoint, 2},
      {u" 2 ", kPoint, 2},
      {u"\t\u00A02\u202F ", kPoint, 2},
      {u"-2", kPoint, -2},
      {u"+2", kPoint, 2},
      {u"002.500", kPoint, 2.5},
      {u"1.5", kPoint, 1.5},
      {u"1,5", kComma, 1.5},
      {u"1.5", kComma, 1.5},
      {u".5", kPoint, 0.5},
      {u"5.", kPoint, 5},
      {u",5", kComma, 0.5},
      {u"1e3", kPoint, 1000},
      {u"1E+3", kPoint, 1000},
      {u"2.5e-3", kPoint, 0.0025},
      {u"-1,25E2", kComma, -125},
      {u"1.79769313486231E+308", kPoint, 1.79769313486231e308},
      {u"4.94065645841247E-324", kPoint, 4.94065645841247e-324},
      {u"0.000", kPoint, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(calc::ParseNumber(c.text, c.format), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(ParseNumber, ValuesTooSmallForADoubleAreZeroOfTheirSign) {
  EXPECT_EQ(calc::ParseNumber(u"1e-400"), 0.0);
  EXPECT_FALSE(std::signbit(calc::ParseNumber(u"1e-400")));
  EXPECT_TRUE(std::signbit(calc::ParseNumber(u"-1e-400")));
  EXPECT_EQ(calc::ParseNumber(u"0." + std::u16string(500, u'0') + u"1"), 0.0);
  EXPECT_EQ(calc::ParseNumber(u"1e-99999999999999999999"), 0.0);
}

TEST(ParseNumber, RejectsTextsThatAreNoNumber) {
  const std::pair<std::u16string, calc::NumberFormat> cases[] = {
      {u"", kPoint},
      {u"   ", kPoint},
      {u"abc", kPoint},
      {u"inf", kPoint},
      {u"-Infinity", kPoint},
      {u"nan", kPoint},
      {u"0x10", kPoint},
      {u"1 000", kPoint},
      {u"1,000", kPoint},
      {u"1.000,5", kComma},
      {u"1.2.3", kPoint},
      {u"1,,2", kComma},
      {u"1.,2", kComma},
      {u"2a", kPoint},
      {u"2 2", kPoint},
      {u"2\n", kPoint},
      {u".", kPoint},
      {u"-", kPoint},
      {u"+-2", kPoint},
      {u"--2", kPoint},
      {u"e5", kPoint},
      {u".e5", kPoint},
      {u"1e", kPoint},
      {u"1e+", kPoint},
      {u"1e2.5", kPoint},
      {u"\uFF12", kPoint},  // a full-width digit two
      {u"Сотрите всё и введите радиус", kPoint},
      {u"Радиус=2, Площадь=12.566, Длина окружности=12.566", kPoint},
  };
  for (const auto& [text, format] : cases) {
    EXPECT_THROW(calc::ParseNumber(text, format), calc::ConversionError)
        << std::string(text.begin(), text.end());
  }
}

TEST(ParseNumber, ValuesBeyondTheRangeOfADoubleOverflow) {
  const std::u16string cases[] = {
      u"1e400", u"-1e400", u"1.8e308", u"1" + std::u16string(400, u'0'), u"0.0001e99999999999999999999",
  };
  for (const auto& text : cases) {
    EXPECT_THROW(calc::ParseNumber(text), calc::OverflowError) << std::string(text.begin(), text.end());
  }
}

TEST(FormatNumber, WritesFifteenSignificantDigitsLikePercentG) {
  const std::pair<double, std::u16string> cases[] = {
      {0, u"0"},
      {-0.0, u"0"},
      {1, u"1"},
      {-2.5, u"-2.5"},
      {3.1415, u"3.1415"},
      {28.273500000000002, u"28.2735"},
      {0.1 + 0.2, u"0.3"},
      {123456789012345, u"123456789012345"},
      {999999999999999.9, u"1E+15"},
      {1e15, u"1E+15"},
      {0.0001, u"0.0001"},
      {0.000123456, u"0.000123456"},
      {1e-5, u"1E-05"},
      {-1.5e-7, u"-1.5E-07"},
      {3.1415e300, u"3.1415E+300"},
      {6.283e150, u"6.283E+150"},
      {5e-324, u"4.94065645841247E-324"},
      // Rounded towards zero: 1.79769313486232E+308 would not read back.
      {DBL_MAX, u"1.79769313486231E+308"},
      {-DBL_MAX, u"-1.79769313486231E+308"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(calc::FormatNumber(value), expected) << value;
  }
}

TEST(FormatNumber, UsesTheDecimalSeparatorOfTheFormat) {
  EXPECT_EQ(calc::FormatNumber(12.566, kComma), u"12,566");
  EXPECT_EQ(calc::FormatNumber(3.1415e300, kComma), u"3,1415E+300");
  EXPECT_EQ(calc::FormatNumber(12, kComma), u"12");
}

// Every text the formatter writes reads back to a double within the
// rounding of its 15 digits.
TEST(FormatNumber, ReadsBackThroughParseNumber) {
  std::mt19937_64 random(20261211);
  // 1.003738328225305e194, written as 1.00373832822531E+194: half a unit of
  // the 15th digit away, and a little more once read back.
  const double half_a_digit_away = std::bit_cast<double>(std::uint64_t{0x6836000200003137});
  std::vector<double> values = {DBL_MAX, -DBL_MAX, DBL_MIN, 5e-324,           1e15,
                                1e-5,    0.1,      7.0 / 3, half_a_digit_away};
  while (values.size() < 20000) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  for (const double value : values) {
    for (const auto& format : {kPoint, kComma}) {
      const std::u16string text = calc::FormatNumber(value, format);
      ASSERT_LE(text.size(), calc::kLongestNumberText) << value;
      const double read_back = calc::ParseNumber(text, format);
      ASSERT_LE(std::abs(read_back - value), std::abs(value) * 5.2e-15 + 5e-324)
          << value << " written as " << std::string(text.begin(), text.end());
    }
  }
}

}  // namespace
