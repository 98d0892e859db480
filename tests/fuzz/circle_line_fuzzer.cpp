// Feeds arbitrary text to the radius conversion and the result line, and
// checks what a user could ever get to see: either a line whose two numbers
// are finite, read back through our own conversion and hold no negative
// zero, or a calc::Error. Any other exception escapes and counts as a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/circle.h"
#include "calc/number_text.h"

namespace {

constexpr calc::NumberFormat kFormats[] = {{u'.'}, {u','}};

constexpr std::u16string_view kRadiusLabel = u"Радиус=";
constexpr std::u16string_view kAreaLabel = u", Площадь=";
constexpr std::u16string_view kCircumferenceLabel = u", Длина окружности=";

// The first characters of a text, readable in a terminal whatever they are.
std::string Printable(std::u16string_view text) {
  constexpr std::size_t kShown = 200;
  std::string shown;
  for (const char16_t c : text.substr(0, kShown)) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      shown += escaped;
    }
  }
  if (text.size() > kShown) shown += "...";
  return shown;
}

// Stops the run so that libFuzzer keeps the input that broke the property.
void Require(bool holds, const char* property, std::u16string_view text, const calc::NumberFormat& format) {
  if (holds) return;
  std::fprintf(stderr, "Broken: %s\n  text: \"%s\"\n  decimal separator: '%c'\n", property,
               Printable(text).c_str(), static_cast<char>(format.decimal_separator));
  std::abort();
}

struct Conversion {};
struct Overflow {};
using Reading = std::variant<double, Conversion, Overflow>;

Reading Read(std::u16string_view text, const calc::NumberFormat& format) {
  try {
    return calc::ParseNumber(text, format);
  } catch (const calc::ConversionError&) {
    return Conversion{};
  } catch (const calc::OverflowError&) {
    return Overflow{};
  }
}

bool HasCaseless(std::u16string_view text, std::u16string_view lower_word) {
  for (std::size_t start = 0; start + lower_word.size() <= text.size(); ++start) {
    bool same = true;
    for (std::size_t k = 0; k < lower_word.size() && same; ++k) {
      const char16_t c = text[start + k];
      same = (c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c) == lower_word[k];
    }
    if (same) return true;
  }
  return false;
}

// A text the formatter wrote for `value`: it reads back to `value` within
// the rounding of 15 significant digits, writes itself again unchanged, and
// is plain "0" for both zeros.
void CheckWrittenNumber(std::u16string_view written, double value, const calc::NumberFormat& format) {
  Require(!HasCaseless(written, u"inf") && !HasCaseless(written, u"nan"), "a number is written as inf or nan",
          written, format);
  Require(written.size() <= calc::kLongestNumberText, "a number is written longer than promised", written,
          format);
  const Reading reading = Read(written, format);
  Require(std::holds_alternative<double>(reading), "the conversion refuses a text the formatter wrote",
          written, format);
  const double read_back = std::get<double>(reading);
  Require(std::isfinite(read_back), "a written number reads back as no finite value", written, format);
  // Half a unit in the 15th digit, and half a unit in the last place of the
  // double the text reads back as.
  Require(std::abs(read_back - value) <= std::abs(value) * 5.2e-15 + 5e-324,
          "a written number reads back to another value", written, format);
  Require(read_back != 0 || written == u"0", "a zero is written other than as \"0\"", written, format);
  Require(calc::FormatNumber(read_back, format) == written,
          "a written number, read back, is written otherwise", written, format);
}

void CheckCircleLine(std::u16string_view radius_text, const calc::NumberFormat& format) {
  const Reading radius = Read(radius_text, format);
  std::optional<std::u16string> line;
  Reading failure = Conversion{};
  try {
    line = calc::CircleLine(radius_text, format);
  } catch (const calc::ConversionError&) {
    failure = Conversion{};
  } catch (const calc::OverflowError&) {
    failure = Overflow{};
  }

  if (!std::holds_alternative<double>(radius)) {
    Require(!line && failure.index() == radius.index(), "the line fails otherwise than the conversion",
            radius_text, format);
    return;
  }
  const double r = std::get<double>(radius);
  const double area = 3.1415 * (r * r);
  const double circumference = 6.283 * r;
  if (!std::isfinite(area)) {
    Require(!line && std::holds_alternative<Overflow>(failure),
            "an area beyond a double is no overflow failure", radius_text, format);
    return;
  }
  Require(line.has_value(), "a radius with a finite area gives no line", radius_text, format);

  std::u16string_view rest = *line;
  const auto take = [&](std::u16string_view piece) {
    Require(rest.substr(0, piece.size()) == piece, "the line lacks a piece in its place", *line, format);
    rest.remove_prefix(piece.size());
  };
  take(kRadiusLabel);
  take(radius_text);
  take(kAreaLabel);
  const std::size_t area_end = rest.find(kCircumferenceLabel);
  Require(area_end != std::u16string_view::npos, "the line has no circumference label", *line, format);
  const std::u16string_view area_text = rest.substr(0, area_end);
  rest.remove_prefix(area_end + kCircumferenceLabel.size());
  CheckWrittenNumber(area_text, area, format);
  CheckWrittenNumber(rest, circumference, format);
}

// The radius, written and read back, is the radius again.
void CheckRadiusWritesBack(std::u16string_view radius_text, const calc::NumberFormat& format) {
  const Reading radius = Read(radius_text, format);
  if (!std::holds_alternative<double>(radius)) return;
  CheckWrittenNumber(calc::FormatNumber(std::get<double>(radius), format), std::get<double>(radius), format);
}

// Most doubles never come out of a short text; their bits do reach the
// formatter this way.
void CheckDoubleFromBits(const std::uint8_t* data, std::size_t size) {
  double value = 0;
  if (size < sizeof value) return;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return;
  for (const auto& format : kFormats) CheckWrittenNumber(calc::FormatNumber(value, format), value, format);
}

}  // namespace

// The input is the radius text in UTF-16, little-endian; an odd last byte
// is ignored.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string radius_text(size / 2, u'\0');
  for (std::size_t k = 0; k < radius_text.size(); ++k) {
    radius_text[k] = static_cast<char16_t>(data[2 * k] | data[2 * k + 1] << 8);
  }
  for (const auto& format : kFormats) {
    CheckCircleLine(radius_text, format);
    CheckRadiusWritesBack(radius_text, format);
  }
  CheckDoubleFromBits(data, size);
  return 0;
}
