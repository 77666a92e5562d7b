#include "evolve/random_stream.h"

#include <gtest/gtest.h>

namespace gepfit {
namespace {

TEST(RandomStreamTest, DefaultSeedStartsFromStateOne) {
  random_stream rng;
  EXPECT_EQ(rng.state(), 1u);
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(rng.rand15(), value);
  EXPECT_EQ(rng.draws(), 5u);
}

TEST(RandomStreamTest, OtherSeedsShiftTheStart) {
  EXPECT_EQ(random_stream(8888).state(), 1u);
  random_stream rng(8889);
  EXPECT_EQ(rng.rand15(), 45);
  EXPECT_EQ(random_stream(0).state(), static_cast<std::uint32_t>(-8887));
}

TEST(RandomStreamTest, UnitDrawAndIndexUseTheSameDraw) {
  random_stream a, b;
  EXPECT_EQ(a.unit_draw(), 41 / 32768.0);
  EXPECT_EQ(b.index_below(800), 1);  // 41 / 32768 * 800 = 1.0009...
  EXPECT_EQ(a.unit_draw(), 18467 / 32768.0);
  EXPECT_EQ(b.index_below(2), 1);
}

}  // namespace
}  // namespace gepfit
