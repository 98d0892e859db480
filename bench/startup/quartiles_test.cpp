#include "bench/startup/quartiles.h"

#include <gtest/gtest.h>

namespace {

struct QuantileCase {
  std::vector<double> samples;
  double fraction;
  double expected;
};

TEST(Quantile, InterpolatesBetweenRanksOfTheSortedSamples) {
  const std::vector<QuantileCase> cases = {
      {{7.0}, 0.5, 7.0},
      {{3.0, 1.0, 2.0}, 0.5, 2.0},
      {{4.0, 1.0, 3.0, 2.0}, 0.5, 2.5},
      {{10.0, 20.0, 30.0, 40.0, 50.0}, 0.25, 20.0},
      {{10.0, 20.0, 30.0, 40.0, 50.0}, 0.75, 40.0},
      {{1.0, 2.0, 3.0, 4.0}, 0.25, 1.75},
      {{5.0, 1.0}, 0.0, 1.0},
      {{5.0, 1.0}, 1.0, 5.0},
  };
  for (const auto& each : cases) {
    EXPECT_DOUBLE_EQ(bench::quantile(each.samples, each.fraction), each.expected)
        << "fraction " << each.fraction << " of " << each.samples.size() << " samples";
  }
}

TEST(Quantile, RefusesAnEmptySeries) { EXPECT_THROW(bench::quantile({}, 0.5), std::invalid_argument); }

TEST(Spread, AnOutlierMovesTheMedianLessThanTheMean) {
  const auto spread = bench::spread_of({10.0, 11.0, 12.0, 13.0, 500.0});
  EXPECT_DOUBLE_EQ(spread.median, 12.0);
  EXPECT_DOUBLE_EQ(spread.interquartile_range(), 2.0);
}

}  // namespace
