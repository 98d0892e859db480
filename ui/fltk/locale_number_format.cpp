#include "ui/fltk/locale_number_format.h"

#include <FL/fl_utf8.h>

#include <clocale>
#include <cstring>

namespace ui::fltk {

calc::NumberFormat LocaleNumberFormat() {
  calc::NumberFormat format;
  const char* const separator = std::localeconv()->decimal_point;
  const std::size_t length = std::strlen(separator);
  int decoded_length = 0;
  const unsigned code_point = fl_utf8decode(separator, separator + length, &decoded_length);
  // A separator of more than one character, or beyond one UTF-16 unit,
  // cannot be typed as one; the full stop is always read anyway.
  if (length > 0 && static_cast<std::size_t>(decoded_length) == length && code_point <= 0xFFFF) {
    format.decimal_separator = static_cast<char16_t>(code_point);
  }
  return format;
}

}  // namespace ui::fltk
