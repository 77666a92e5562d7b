#include "evolve/operators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gepfit {
namespace {

std::vector<std::string> genes_of(const population& pop) {
  std::vector<std::string> genes;
  for (int i = 0; i < pop.popsize; ++i) {
    genes.emplace_back(pop.chromosome(i), pop.gene_length());
  }
  return genes;
}

TEST(VaryPopulationTest, FollowsTheFixedOrderOfDraws) {
  // Expected genes worked out independently from the same stream.
  const gene_spec spec = new_gene_spec("ab", 2, "Q", "+", 3);
  random_stream rng;
  population pop = new_population(spec, 5, 0.9f, 0.4f, 0.5f, rng);
  ASSERT_EQ(genes_of(pop),
            (std::vector<std::string>{"aQabbaa", "++Qabbb", "baaaaab",
                                      "baaaabb", "QQabaaa"}));
  vary_population(pop, rng);
  EXPECT_EQ(genes_of(pop),
            (std::vector<std::string>{"aQQabbb", "++abbaa", "baaaaab",
                                      "baaaaba", "QQaaaab"}));
  EXPECT_EQ(rng.draws(), 58u);
}

struct DrawCase {
  const char* name;
  int head_length;
  float rate;  // all three operators
  int popsize;
  std::uint64_t draws;  // spent by one call
};

TEST(VaryPopulationTest, ZeroRatesSpendOnlyTheTests) {
  const DrawCase cases[] = {
      // Two tests per individual, then one per recombination step.
      {"head 5", 5, 0.0f, 100, 300},
      // With a head of one there is no inversion test.
      {"head 1", 1, 0.0f, 100, 200},
      {"odd size", 4, 0.0f, 7, 21},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const gene_spec spec =
        new_gene_spec("abc", 3, "ACDELQRS", "+*-/^", c.head_length);
    random_stream rng(4242);
    population pop =
        new_population(spec, c.popsize, c.rate, c.rate, c.rate, rng);
    const auto before = genes_of(pop);
    const auto start = rng.draws();
    vary_population(pop, rng);
    EXPECT_EQ(rng.draws() - start, c.draws);
    EXPECT_EQ(genes_of(pop), before);
  }
}

TEST(RecombineTest, PairsUntilStepsCatchUpWithTheShrinkingPool) {
  struct Case {
    int popsize;
    float rate;
    int pairings;
  } cases[] = {{100, 1.0f, 34}, {2, 1.0f, 1}, {3, 1.0f, 1}, {100, 0.0f, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.popsize);
    const gene_spec spec = new_gene_spec("abc", 3, "ACDELQRS", "+*-/^", 5);
    random_stream rng;
    population pop = new_population(spec, c.popsize, c.rate, 0.0f, 0.0f, rng);
    EXPECT_EQ(recombine(pop, rng), c.pairings);
  }
}

TEST(RecombineTest, TakesPartnersOutOfThePool) {
  struct Case {
    int a, b;
    std::vector<int> left;
  } cases[] = {{1, 4, {0, 3, 2}}, {3, 0, {4, 1, 2}}, {0, 1, {4, 3, 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a << "," << c.b);
    std::vector<int> pool{0, 1, 2, 3, 4};
    int n = 5;
    take_partners(pool.data(), n, c.a, c.b);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(std::vector<int>(pool.begin(), pool.begin() + n), c.left);
  }
}

TEST(VaryPopulationTest, KeepsTheHeadTailRule) {
  const gene_spec spec = new_gene_spec("ab", 2, "ACDELQRS", "+*-/^", 6);
  random_stream rng(77);
  population pop = new_population(spec, 30, 1.0f, 1.0f, 1.0f, rng);
  for (int round = 0; round < 200; ++round) vary_population(pop, rng);
  for (const auto& gene : genes_of(pop)) {
    EXPECT_EQ(gene.find_first_not_of("ab", 6), std::string::npos) << gene;
  }
}

TEST(VaryPopulationTest, TailMutationWithOneTerminalChangesNothing) {
  const gene_spec spec = new_gene_spec("a", 1, "Q", "+", 1);
  random_stream rng(5);
  population pop = new_population(spec, 2, 0.0f, 0.0f, 1.0f, rng);
  for (int round = 0; round < 50; ++round) {
    std::string head(pop.chromosome(0), 1);
    const auto start = rng.draws();
    vary_population(pop, rng);
    // Per individual: the test, the position and the symbol; then two
    // recombination tests.
    EXPECT_EQ(rng.draws() - start, 2u * 3u + 2u);
    EXPECT_EQ(std::string(pop.chromosome(0) + 1, 2), "aa");
  }
}

}  // namespace
}  // namespace gepfit
