#include "evolve/block_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "evolve/random_genes.h"

namespace gepfit {
namespace {

using testing::bits;

// Inputs where rounding is delicate: every kind of bit pattern, halves and
// their neighbours at every magnitude, the edges of the integral range,
// signed zeros, infinities and NaNs.
std::vector<double> rounding_inputs() {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> inputs = {0.0,
                                -0.0,
                                0.5,
                                -0.5,
                                1.5,
                                2.5,
                                -2.5,
                                0.49999999999999994,
                                -0.49999999999999994,
                                4503599627370495.5,
                                4503599627370496.0,
                                -4503599627370495.5,
                                9007199254740993.0,
                                1e300,
                                4.9e-324,
                                inf,
                                -inf,
                                nan,
                                -nan,
                                std::bit_cast<double>(0x7ff0000000000001ull),
                                std::bit_cast<double>(0xfff4000000000abcull)};
  std::mt19937_64 rng(42);
  for (int i = 0; i < 4000000; ++i) {
    inputs.push_back(std::bit_cast<double>(rng()));
  }
  for (int i = 0; i < 1000000; ++i) {
    const int scale = static_cast<int>(rng() % 54);
    const double k = std::floor(
        std::ldexp(std::uniform_real_distribution<double>(0, 1)(rng), scale));
    const double half = (rng() & 1 ? -1 : 1) * (k + 0.5);
    inputs.push_back(half);
    inputs.push_back(std::nextafter(half, 0.0));
    inputs.push_back(std::nextafter(half, half * 2));
  }
  return inputs;
}

TEST(RoundHalfAwayTest, GivesStdRoundsBitsForEveryKindOfInput) {
  int mismatches = 0;
  for (const double x : rounding_inputs()) {
    if (bits(round_half_away(x)) != bits(std::round(x)) && ++mismatches < 5) {
      ADD_FAILURE() << std::hexfloat << x << " gives " << round_half_away(x)
                    << ", std::round " << std::round(x);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace gepfit
