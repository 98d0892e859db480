// The circle arithmetic: from a radius text to the area, the circumference
// and the one-line answer shown in the text box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// How numbers are written for the user; the backends fill it from the locale.
struct NumberFormat {
  char16_t decimal_separator = u'.';
};

struct CircleValuesResult {
  double area;
  double circumference;
};

// Area (3.1415 * r^2) and circumference (6.283 * r) of the radius that
// `radius_text` spells. Throws ConversionError when the text is no number
// and OverflowError when a value leaves the range of a double.
CircleValuesResult CircleValues(std::u16string_view radius_text, const NumberFormat& format = {});

// "Радиус=<radius_text>, Площадь=<area>, Длина окружности=<circumference>".
// The radius piece is the text as typed. Fails exactly as CircleValues does
// and then yields no line at all.
std::u16string CircleLine(std::u16string_view radius_text, const NumberFormat& format = {});

struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct ConversionError : Error {
  using Error::Error;
};
struct OverflowError : Error {
  using Error::Error;
};

}  // namespace calc
