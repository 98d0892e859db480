// Twips and points to device pixels at a given resolution.
#pragma once

#include "ui/layout.h"

namespace ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// value * numerator / denominator, rounded half away from zero as the
// Windows MulDiv does, so every backend lands on the same pixels.
constexpr int ScaleRounded(long long value, long long numerator, long long denominator) {
  const long long product = value * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

constexpr int TwipsToPixels(int twips, int dpi) { return ScaleRounded(twips, dpi, kTwipsPerInch); }

struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};

// Edges are rounded rather than sizes, so controls that touch in twips
// still touch in pixels at any resolution.
constexpr PixelRect ToPixels(const TwipsRect& rect, int dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return {left, top, TwipsToPixels(rect.left + rect.width, dpi) - left,
          TwipsToPixels(rect.top + rect.height, dpi) - top};
}

// Font height in pixels for a size in points, exact to the hundredth point.
constexpr int PointsToPixels(double points, int dpi) {
  return ScaleRounded(static_cast<long long>(points * 100 + 0.5), dpi, 100LL * kPointsPerInch);
}

}  // namespace ui
