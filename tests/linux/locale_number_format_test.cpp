#include "ui/fltk/locale_number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// The decimal separator that LocaleNumberFormat reads under `locale`.
char16_t SeparatorUnder(const char* locale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, locale)) {
    ADD_FAILURE() << locale << " is not installed (Debian's locales-all provides it)";
    return 0;
  }
  const char16_t separator = ui::fltk::LocaleNumberFormat().decimal_separator;
  std::setlocale(LC_ALL, saved.c_str());
  return separator;
}

TEST(LocaleNumberFormat, TakesTheDecimalSeparatorOfTheUsersLocale) {
  EXPECT_EQ(SeparatorUnder("C"), u'.');
  EXPECT_EQ(SeparatorUnder("ru_RU.UTF-8"), u',');
  EXPECT_EQ(SeparatorUnder("en_US.UTF-8"), u'.');
  EXPECT_EQ(SeparatorUnder("de_DE.UTF-8"), u',');
  // Written as the multibyte U+066B in UTF-8.
  EXPECT_EQ(SeparatorUnder("ps_AF.UTF-8"), u'\u066B');
}

}  // namespace
