// Conversions between numbers and the texts a user types and reads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/circle.h"

namespace calc {

// Reads a decimal number: blanks (space, tab, U+00A0, U+202F) around it,
// an optional sign, digits with at most one decimal separator ('.' or the
// one of `format`), an optional exponent. Throws ConversionError for any
// other text and OverflowError for a value beyond the range of a double;
// a value too small for a double reads as zero of the same sign.
double ParseNumber(std::u16string_view text, const NumberFormat& format = {});

// Writes `value` with at most 15 significant digits in the manner of
// printf's "%.15G": trailing zeros dropped, exponent form ("3.1415E+300")
// for very large and very small values. Negative zero is written as "0".
// `value` must be finite.
std::u16string FormatNumber(double value, const NumberFormat& format = {});

// The longest text FormatNumber writes, as in "-1.23456789012345E-308".
inline constexpr std::size_t kLongestNumberText = 22;

// Appends what FormatNumber writes to `text`, sparing the line a temporary.
void AppendNumber(std::u16string& text, double value, const NumberFormat& format);

}  // namespace calc
