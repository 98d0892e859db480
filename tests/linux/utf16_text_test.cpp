#include "ui/fltk/utf16_text.h"

#include <gtest/gtest.h>

namespace {

using ui::fltk::ToUtf16;
using ui::fltk::ToUtf8;

TEST(Utf16Text, RoundTripsEveryKindOfCharacter) {
  const std::u16string texts[] = {
      u"",
      u"2",
      u"Сотрите всё и введите радиус",
      u"Радиус=2, Площадь=12,566, Длина окружности=12,566",
      u"1\u00A0000\u202F5",        // no-break and narrow no-break spaces
      u"\U0001F600 и \U00010348",  // beyond the first plane: surrogate pairs
  };
  for (const auto& text : texts) {
    EXPECT_EQ(ToUtf16(ToUtf8(text)), text);
  }
  EXPECT_EQ(ToUtf8(u"всё"), "всё");
  EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf16Text, ALoneSurrogateBecomesAReplacementCharacter) {
  EXPECT_EQ(ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(ToUtf8(std::u16string{char16_t(0xDC00)}), "\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::u16string{char16_t(0xD83D)}), "\xEF\xBF\xBD");
}

TEST(Utf16Text, KeepsEmbeddedNulsAndLongTexts) {
  const std::u16string with_nul{u'1', u'\0', u'2'};
  EXPECT_EQ(ToUtf16(ToUtf8(with_nul)), with_nul);
  const std::u16string long_text(1'000'000, u'ж');
  EXPECT_EQ(ToUtf16(ToUtf8(long_text)), long_text);
}

}  // namespace
