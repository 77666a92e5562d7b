#include "evolve/fitness_evaluator.h"

#include <gsl/gsl_statistics_double.h>
#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "evolve/operators.h"
#include "evolve/random_genes.h"
#include "evolve/selection.h"
#include "support/capture.h"

namespace gepfit {
namespace {

using testing::bits;
using testing::gene_alphabet;
using testing::table;

void expect_same_records(const std::vector<fit_record>& fast,
                         const std::vector<fit_record>& reference,
                         const population& pop,
                         const std::vector<double>& reference_rsquare) {
  for (std::size_t i = 0; i < reference.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "individual " << i);
    ASSERT_EQ(bits(fast[i].rsquare), bits(reference[i].rsquare));
    ASSERT_EQ(bits(fast[i].intercept), bits(reference[i].intercept));
    ASSERT_EQ(bits(fast[i].slope), bits(reference[i].slope));
    ASSERT_EQ(fast[i].index, reference[i].index);
    ASSERT_EQ(bits(pop.rsquare[i]), bits(reference_rsquare[i]));
  }
}

struct EvaluatorCase {
  gene_alphabet alphabet;
  int threads;
  bool reuse_scores;
};

class FitnessEvaluatorTest : public ::testing::TestWithParam<EvaluatorCase> {};

// Generations of a pass, scored both ways: random genes with copies and
// tail changes among them, then evolved ones, on rows full of corner
// values and on ordinary rows.
TEST_P(FitnessEvaluatorTest, GivesTheReferenceFitRecordsBitForBit) {
  const EvaluatorCase& c = GetParam();
  const gene_alphabet& a = c.alphabet;
  std::mt19937_64 rng(99);
  const int nvars = static_cast<int>(a.terminals.size());
  const table tables[] = {testing::wild_table(nvars, 300, rng),
                          testing::make_table(nvars, 300, [](const double* r) {
                            return r[0] * r[0] - std::sin(r[1]);
                          })};
  for (const table& t : tables) {
    const gene_spec spec = new_gene_spec(
        a.terminals.c_str(), nvars, a.functions1, a.functions2, a.head_length);
    random_stream stream;
    population pop = new_population(spec, 120, 0.4f, 0.1f, 0.5f, stream);
    const int length = static_cast<int>(pop.gene_length());
    for (int i = 0; i < pop.popsize; ++i) {
      std::string gene = testing::random_gene(a, rng);
      if (i % 3 == 1) gene = std::string(pop.chromosome(i - 1), length);
      if (i % 6 == 2) gene.back() = a.terminals[0];
      std::memcpy(pop.chromosome(i), gene.data(), gene.size());
    }
    const double tss = gsl_stats_tss(t.target.data(), 1, t.target.size());
    fitness_evaluator evaluator(t.view(), a.functions1, a.functions2, tss,
                                pop.popsize, length, c.threads, c.reuse_scores);
    std::vector<fit_record> fast(pop.popsize), reference(pop.popsize);
    omp_set_dynamic(0);
    omp_set_num_threads(c.threads);
    for (int generation = 0; generation < 8; ++generation) {
      SCOPED_TRACE(::testing::Message() << "generation " << generation);
      evaluate_population(tss, pop, reference.data(), a.functions1,
                          a.functions2, t.view());
      const std::vector<double> reference_rsquare = pop.rsquare;
      std::fill(pop.rsquare.begin(), pop.rsquare.end(), -1.0);
      evaluator.evaluate(pop, fast.data());
      expect_same_records(fast, reference, pop, reference_rsquare);
      std::qsort(reference.data(), reference.size(), sizeof(fit_record),
                 compare_fit);
      select_next_generation(pop, reference, 12, stream);
      vary_population(pop, stream);
    }
  }
}

const gene_alphabet k_default = {"default", "abc", "ACDELQRS", "+*-/^", "", 6};
const gene_alphabet k_odd = {"odd", "abcd", "Q+B", "+-Z", "?", 5};
const gene_alphabet k_custom = {"custom", "ab", "Q", "+-", "", 3};

INSTANTIATE_TEST_SUITE_P(SetsThreadsAndReuse,
                         FitnessEvaluatorTest,
                         ::testing::Values(EvaluatorCase{k_default, 1, true},
                                           EvaluatorCase{k_default, 2, true},
                                           EvaluatorCase{k_default, 4, true},
                                           EvaluatorCase{k_default, 2, false},
                                           EvaluatorCase{k_odd, 1, true},
                                           EvaluatorCase{k_odd, 4, false},
                                           EvaluatorCase{k_custom, 2, true}),
                         [](const auto& info) {
                           const EvaluatorCase& c = info.param;
                           return std::string(c.alphabet.name) + "_" +
                                  std::to_string(c.threads) + "threads_" +
                                  (c.reuse_scores ? "reuse" : "noreuse");
                         });

// A gene without a reading (a first symbol in no set, or symbols that run
// out) gets the reference's record and the decoder's messages, every time
// it occurs.
TEST(FitnessEvaluatorTest, GeneWithoutTreeScoresAsTheReference) {
  const table t =
      testing::make_table(2, 20, [](const double* r) { return r[1]; });
  const gene_spec spec = new_gene_spec("ab", 2, "Q", "+", 1);
  random_stream stream;
  population pop = new_population(spec, 4, 0.0f, 0.0f, 0.0f, stream);
  for (int i = 0; i < 4; ++i)
    std::memcpy(pop.chromosome(i), i < 2 ? "++a" : "?ab", 3);
  std::vector<fit_record> fast(4), reference(4);
  fitness_evaluator evaluator(t.view(), "Q", "+", 5.0, 4, 3, 1, true);
  const std::string reference_text = testing::capture_stdout([&] {
    evaluate_population(5.0, pop, reference.data(), "Q", "+", t.view());
  });
  const std::vector<double> reference_rsquare = pop.rsquare;
  const std::string fast_text =
      testing::capture_stdout([&] { evaluator.evaluate(pop, fast.data()); });
  expect_same_records(fast, reference, pop, reference_rsquare);
  EXPECT_EQ(fast_text, reference_text);
  EXPECT_NE(fast_text, "");
}

}  // namespace
}  // namespace gepfit
