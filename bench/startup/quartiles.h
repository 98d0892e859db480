#pragma once

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace bench {

// The value below which `fraction` of the samples lie, interpolated linearly
// between the two nearest ranks, so a median of an even count is the mean
// of the middle pair and small series give stable quartiles.
inline double quantile(std::vector<double> samples, double fraction) {
  if (samples.empty()) throw std::invalid_argument("quantile of no samples");
  std::ranges::sort(samples);
  const double rank = fraction * static_cast<double>(samples.size() - 1);
  const auto below = static_cast<size_t>(std::floor(rank));
  const size_t above = std::min(below + 1, samples.size() - 1);
  return samples[below] + (rank - static_cast<double>(below)) * (samples[above] - samples[below]);
}

struct Spread {
  double first_quartile;
  double median;
  double third_quartile;
  double interquartile_range() const { return third_quartile - first_quartile; }
};

inline Spread spread_of(const std::vector<double>& samples) {
  return {quantile(samples, 0.25), quantile(samples, 0.5), quantile(samples, 0.75)};
}

}  // namespace bench
