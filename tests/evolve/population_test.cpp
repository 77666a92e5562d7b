#include "evolve/population.h"

#include <gtest/gtest.h>

#include <string>

namespace gepfit {
namespace {

TEST(PopulationTest, DrawsOneSymbolPerPositionTerminalsFirstInTheHead) {
  const gene_spec spec = new_gene_spec("abc", 3, "ACDELQRS", "+*-/^", 5);
  random_stream rng;
  const population pop = new_population(spec, 100, 0.4f, 0.1f, 0.5f, rng);
  // The first eleven draws of the default stream, mapped by hand.
  EXPECT_EQ(std::string(pop.chromosome(0), 11), "aRA*Rbbccca");
  EXPECT_EQ(rng.draws(), 1100u);
  EXPECT_EQ(pop.current.size(), 1100u);
  EXPECT_EQ(pop.rsquare.size(), 100u);
}

TEST(PopulationTest, TailHoldsTerminalsOnly) {
  for (int h : {1, 2, 7}) {
    SCOPED_TRACE(h);
    const gene_spec spec = new_gene_spec("ab", 2, "QS", "+*", h);
    random_stream rng(1234);
    const population pop = new_population(spec, 50, 0.4f, 0.1f, 0.5f, rng);
    EXPECT_EQ(rng.draws(), 50u * (2 * h + 1));
    for (int i = 0; i < 50; ++i) {
      const std::string gene(pop.chromosome(i), spec.gene_length);
      for (std::size_t j = h; j < gene.size(); ++j) {
        EXPECT_NE(std::string("ab").find(gene[j]), std::string::npos) << gene;
      }
    }
  }
}

TEST(PopulationTest, SingleTerminalStillSpendsTailDraws) {
  const gene_spec spec = new_gene_spec("a", 1, "Q", "+", 3);
  random_stream rng;
  const population pop = new_population(spec, 4, 0.0f, 0.0f, 0.0f, rng);
  EXPECT_EQ(rng.draws(), 4u * 7u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::string(pop.chromosome(i) + 3, 4), "aaaa");
  }
}

}  // namespace
}  // namespace gepfit
