#include "evolve/evolve.h"

#include <gsl/gsl_fit.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "evolve/fixtures.h"
#include "evolve/selection.h"
#include "expr/eval.h"
#include "expr/karva.h"
#include "support/capture.h"

namespace gepfit {
namespace {

using testing::captured_stream;
using testing::make_table;
using testing::table;

struct pass_run {
  int improvements;
  key_record best;
  std::string out;
  std::uint64_t draws;
};

pass_run run_pass(const pass_settings& s, const table& t) {
  pass_run run;
  run.best.gene = "keep";
  run.best.length = 4;
  captured_stream out;
  random_stream rng;
  run.improvements = evolve(s, t.view(), run.best, rng, out.get());
  run.out = out.text();
  run.draws = rng.draws();
  return run;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const table& product_table() {
  static const table t = make_table(3, 60, [](const double* r) {
    return r[0] * r[1] + 0.3 * std::sin(r[2]);
  });
  return t;
}

TEST(EvolveTest, MaxIterZeroEvaluatesOnlyTheRandomGeneration) {
  pass_settings s;
  s.max_iter = 0;
  s.popsize = 20;
  const pass_run run = run_pass(s, product_table());
  const auto lines = lines_of(run.out);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "# terminals = 3, # functions = 13, Head Length = 5");
  EXPECT_EQ(lines[1],
            "1-operand functions: ACDELQRS, 2-operand functions: +*-/^");
  EXPECT_EQ(lines[2],
            "Crossover = 0.400, Inversion = 0.100, Mutation = 0.500, "
            "Cutoff = 0.100");
  EXPECT_EQ(lines[3], "Max iter = 0, Popsize = 20, R-square target = 0.950");
  EXPECT_EQ(lines.back(),
            "Cannot meet the R-square target of 0.950 in 0 iterations.");
  // Only the creation of the population draws.
  EXPECT_EQ(run.draws, 20u * 11u);
}

TEST(EvolveTest, RecordsTheBestAsItsOpenReadingFrame) {
  pass_settings s;
  s.popsize = 60;
  s.max_iter = 300;
  s.r2_target = 0.99;
  const table& t = product_table();
  const pass_run run = run_pass(s, t);
  EXPECT_GE(run.improvements, 1);
  EXPECT_NE(run.out.find("Converged at iteration "), std::string::npos);
  EXPECT_GT(run.best.rsquare, 0.99);
  ASSERT_EQ(run.best.length, static_cast<int>(run.best.gene.size()));

  // Decoding the recorded text with its own length and refitting gives the
  // recorded scaling and score, bit for bit.
  int used = 0;
  const et_ptr tree = build_et(run.best.gene.data(), run.best.length, "abc",
                               s.functions1, s.functions2, &used);
  ASSERT_TRUE(tree);
  EXPECT_EQ(used, run.best.length);
  std::vector<double> out;
  for (const auto& row : t.rows) {
    out.push_back(eval_etnode(tree.get(), "abc", row.data()));
  }
  double c0, c1, cov00, cov01, cov11, sumsq;
  gsl_fit_linear(out.data(), 1, t.target.data(), 1, out.size(), &c0, &c1,
                 &cov00, &cov01, &cov11, &sumsq);
  EXPECT_EQ(run.best.intercept, c0);
  EXPECT_EQ(run.best.slope, c1);
}

TEST(EvolveTest, NothingAboveTheMarginRecordsNothing) {
  // Every expression over a = -1, 1, -1, 1 repeats the pattern p, q, p, q,
  // which is uncorrelated with the target 1, 1, 2, 2.
  table t;
  t.terminals = "a";
  t.rows = {{-1.0}, {1.0}, {-1.0}, {1.0}};
  t.target = {1.0, 1.0, 2.0, 2.0};
  pass_settings s;
  s.functions1 = "A";
  s.functions2 = "-";
  s.max_iter = 5;
  s.popsize = 10;
  s.head_length = 2;
  const pass_run run = run_pass(s, t);
  EXPECT_EQ(run.improvements, 0);
  EXPECT_EQ(run.best.gene, "keep");
  EXPECT_EQ(run.out.find("Iter "), std::string::npos);
  EXPECT_NE(run.out.find("in 5 iterations."), std::string::npos);
}

TEST(EvolveTest, VerboseLevelsShareOneRun) {
  pass_settings s;
  s.popsize = 30;
  s.max_iter = 40;
  s.verbose = 1;
  const pass_run one = run_pass(s, product_table());
  s.verbose = 2;
  const pass_run two = run_pass(s, product_table());
  s.verbose = 0;
  const pass_run quiet = run_pass(s, product_table());

  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.draws, one.draws);
  EXPECT_EQ(quiet.best.gene, one.best.gene);
  // Level 2 adds the whole chromosome and the tree dump after each "Iter"
  // line; everything else is the same.
  const auto verbose_lines = lines_of(two.out);
  std::vector<std::string> kept;
  bool in_detail = false;
  for (const auto& line : verbose_lines) {
    if (line.rfind("Iter ", 0) == 0) {
      kept.push_back(line);
      in_detail = true;
      continue;
    }
    const bool detail =
        in_detail && (line.size() == 11 ||  // the chromosome
                      line.find_first_not_of('.') == line.size() - 1);
    if (!detail) {
      kept.push_back(line);
      in_detail = false;
    }
  }
  EXPECT_EQ(kept, lines_of(one.out));
  EXPECT_GT(verbose_lines.size(), kept.size());
}

TEST(SelectionTest, PoolSizeTruncatesTheDoubleProduct) {
  struct Case {
    int popsize;
    double cutoff;
    int expected;
  } cases[] = {{100, 0.1, 10},
               {100, 0.29, 28},
               {9, 0.1, 0},
               {100, 1.0, 100},
               {2, 0.5, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cutoff);
    EXPECT_EQ(selection_pool_size(c.popsize, c.cutoff), c.expected);
  }
}

TEST(SelectionTest, EmptyPoolCopiesTheBestEverywhere) {
  const gene_spec spec = new_gene_spec("abc", 3, "ACDELQRS", "+*-/^", 2);
  random_stream rng;
  population pop = new_population(spec, 9, 0.0f, 0.0f, 0.0f, rng);
  std::vector<fit_record> fits(9);
  for (int i = 0; i < 9; ++i) fits[i] = {0.0, 0.0, 0.0, (i + 4) % 9};
  const std::string best(pop.chromosome(4), 5);
  const auto start = rng.draws();
  select_next_generation(pop, fits, 0, rng);
  EXPECT_EQ(rng.draws() - start, 8u);
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(std::string(pop.chromosome(i), 5), best);
}

}  // namespace
}  // namespace gepfit
