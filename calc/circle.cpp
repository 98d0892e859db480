#include "calc/circle.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "calc/number_text.h"

namespace calc {
namespace {

// Pi cut to four decimals, as the calculator has always shown it.
constexpr double kAreaFactor = 3.1415;
constexpr double kCircumferenceFactor = 6.283;
static_assert(std::bit_cast<std::uint64_t>(kAreaFactor) == 0x400921CAC083126F);
static_assert(std::bit_cast<std::uint64_t>(kCircumferenceFactor) == 0x401921CAC083126F);
static_assert(kCircumferenceFactor == 2 * kAreaFactor);

constexpr std::u16string_view kRadiusLabel = u"Радиус=";
constexpr std::u16string_view kAreaLabel = u", Площадь=";
constexpr std::u16string_view kCircumferenceLabel = u", Длина окружности=";

double Finite(double value, const char* what) {
  if (!std::isfinite(value)) throw OverflowError(what);
  return value;
}

}  // namespace

CircleValuesResult CircleValues(std::u16string_view radius_text, const NumberFormat& format) {
  const double radius = ParseNumber(radius_text, format);
  const double square = Finite(radius * radius, "the square of the radius is beyond the range of a double");
  const double area = Finite(kAreaFactor * square, "the area is beyond the range of a double");
  const double circumference =
      Finite(kCircumferenceFactor * radius, "the circumference is beyond the range of a double");
  return {area, circumference};
}

std::u16string CircleLine(std::u16string_view radius_text, const NumberFormat& format) {
  const auto [area, circumference] = CircleValues(radius_text, format);
  // Room for both numbers, so that the line is allocated once.
  std::u16string line;
  line.reserve(kRadiusLabel.size() + radius_text.size() + kAreaLabel.size() + kCircumferenceLabel.size() +
               2 * kLongestNumberText);
  line.append(kRadiusLabel).append(radius_text).append(kAreaLabel);
  AppendNumber(line, area, format);
  line.append(kCircumferenceLabel);
  AppendNumber(line, circumference, format);
  return line;
}

}  // namespace calc
