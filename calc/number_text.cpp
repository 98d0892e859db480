#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace calc {
namespace {

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F'; }

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A number text checked against the grammar and respelled in ASCII with a
// full stop, ready for std::from_chars.
struct ScannedNumber {
  std::string ascii;
  bool negative = false;
  // Power of ten of the leading non-zero digit, exponent included;
  // saturated, and only meaningful when `has_nonzero_digit`.
  long long magnitude = 0;
  bool has_nonzero_digit = false;
};

// Exponents far past the range of a double only need to keep their sign.
constexpr long long kExponentCap = 1'000'000'000;

ScannedNumber Scan(std::u16string_view text, char16_t separator) {
  ScannedNumber scanned;
  scanned.ascii.reserve(text.size() + 1);
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : u'\0'; };

  if (at(i) == u'+' || at(i) == u'-') {
    scanned.negative = at(i) == u'-';
    if (scanned.negative) scanned.ascii += '-';
    ++i;
  }

  std::size_t mantissa_digits = 0;
  long long integer_digits = 0;
  long long leading_digit_position = 0;
  for (; IsDigit(at(i)); ++i, ++mantissa_digits, ++integer_digits) {
    if (!scanned.has_nonzero_digit && at(i) != u'0') {
      scanned.has_nonzero_digit = true;
      leading_digit_position = integer_digits;
    }
    scanned.ascii += static_cast<char>(at(i));
  }
  if (!scanned.has_nonzero_digit) {
    leading_digit_position = -1;
  } else {
    leading_digit_position = integer_digits - 1 - leading_digit_position;
  }
  if (at(i) == u'.' || at(i) == separator) {
    if (mantissa_digits == 0) scanned.ascii += '0';
    scanned.ascii += '.';
    ++i;
    for (long long fraction_digits = 1; IsDigit(at(i)); ++i, ++fraction_digits, ++mantissa_digits) {
      if (!scanned.has_nonzero_digit && at(i) != u'0') {
        scanned.has_nonzero_digit = true;
        leading_digit_position = -fraction_digits;
      }
      scanned.ascii += static_cast<char>(at(i));
    }
  }
  if (mantissa_digits == 0) throw ConversionError("the text has no digits");

  long long exponent = 0;
  if (at(i) == u'e' || at(i) == u'E') {
    scanned.ascii += 'e';
    ++i;
    bool exponent_negative = false;
    if (at(i) == u'+' || at(i) == u'-') {
      exponent_negative = at(i) == u'-';
      if (exponent_negative) scanned.ascii += '-';
      ++i;
    }
    if (!IsDigit(at(i))) throw ConversionError("the exponent has no digits");
    for (; IsDigit(at(i)); ++i) {
      exponent = std::min(exponent * 10 + (at(i) - u'0'), kExponentCap);
      scanned.ascii += static_cast<char>(at(i));
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != text.size()) throw ConversionError("the text is no number");

  scanned.magnitude = leading_digit_position + exponent;
  return scanned;
}

// The largest double that "%.15G" writes without rounding it past the range
// of a double; see FormatNumber.
constexpr double kLargestWritable = 1.79769313486231e308;

}  // namespace

double ParseNumber(std::u16string_view text, const NumberFormat& format) {
  const ScannedNumber scanned = Scan(TrimBlanks(text), format.decimal_separator);
  const char* const first = scanned.ascii.data();
  const char* const last = first + scanned.ascii.size();
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range || (error == std::errc{} && std::isinf(value))) {
    if (scanned.magnitude > 0) throw OverflowError("the number is beyond the range of a double");
    return scanned.negative ? -0.0 : 0.0;
  }
  if (error != std::errc{} || end != last) throw ConversionError("the text is no number");
  return value;
}

void AppendNumber(std::u16string& text, double value, const NumberFormat& format) {
  constexpr int kSignificantDigits = 15;
  if (value == 0) {  // also for -0: a user never wants to see "-0"
    text += u'0';
    return;
  }
  // Rounding the two or three largest doubles to 15 digits would give a text
  // beyond the range of a double, which could not be read back in; those
  // are written rounded towards zero instead.
  if (std::abs(value) > kLargestWritable) value = std::copysign(kLargestWritable, value);

  // "-d.dddddddddddddde+XXX": the rounded digits and the exponent that decide
  // between fixed and exponent form, as for "%G".
  char scientific[32];
  const char* const scientific_end = std::to_chars(std::begin(scientific), std::end(scientific), value,
                                                   std::chars_format::scientific, kSignificantDigits - 1)
                                         .ptr;
  const bool negative = scientific[0] == '-';
  const char* const mantissa = scientific + (negative ? 1 : 0);
  char digits[kSignificantDigits];
  digits[0] = mantissa[0];
  std::copy_n(mantissa + 2, kSignificantDigits - 1, digits + 1);
  const char* const exponent_sign = mantissa + 2 + (kSignificantDigits - 1) + 1;
  int exponent = 0;
  std::from_chars(exponent_sign + 1, scientific_end, exponent);
  if (*exponent_sign == '-') exponent = -exponent;
  int kept_digits = kSignificantDigits;
  while (kept_digits > 1 && digits[kept_digits - 1] == '0') --kept_digits;

  // Written in place, then appended in one go: this runs on every click.
  char16_t written[kLongestNumberText];
  char16_t* out = written;
  const auto put_digits = [&](int from, int to) {
    for (int k = from; k < to; ++k) *out++ = static_cast<char16_t>(digits[k]);
  };
  const auto put_fraction = [&](int from) {
    if (from >= kept_digits) return;
    *out++ = format.decimal_separator;
    put_digits(from, kept_digits);
  };
  if (negative) *out++ = u'-';
  if (exponent < -4 || exponent >= kSignificantDigits) {
    put_digits(0, 1);
    put_fraction(1);
    *out++ = u'E';
    *out++ = exponent < 0 ? u'-' : u'+';
    const int magnitude = std::abs(exponent);
    if (magnitude >= 100) *out++ = static_cast<char16_t>(u'0' + magnitude / 100);
    *out++ = static_cast<char16_t>(u'0' + magnitude / 10 % 10);
    *out++ = static_cast<char16_t>(u'0' + magnitude % 10);
  } else if (exponent >= 0) {
    put_digits(0, exponent + 1);
    put_fraction(exponent + 1);
  } else {
    *out++ = u'0';
    *out++ = format.decimal_separator;
    out = std::fill_n(out, -exponent - 1, u'0');
    put_digits(0, kept_digits);
  }
  text.append(written, out);
}

std::u16string FormatNumber(double value, const NumberFormat& format) {
  std::u16string text;
  AppendNumber(text, value, format);
  return text;
}

}  // namespace calc
