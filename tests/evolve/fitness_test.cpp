#include "evolve/fitness.h"

#include <gsl/gsl_statistics_double.h>
#include <gtest/gtest.h>
#include <omp.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "evolve/fixtures.h"

namespace gepfit {
namespace {

using testing::make_table;
using testing::table;

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

bool same_bits(const fit_record& a, const fit_record& b) {
  return bits(a.rsquare) == bits(b.rsquare) &&
         bits(a.intercept) == bits(b.intercept) &&
         bits(a.slope) == bits(b.slope) && a.index == b.index;
}

// Scores hand-written genes of one length.
std::vector<fit_record> score(const table& t,
                              const std::vector<std::string>& genes,
                              const char* functions1 = "ACDELQRS",
                              const char* functions2 = "+*-/^") {
  const int h = static_cast<int>(genes[0].size() - 1) / 2;
  const gene_spec spec =
      new_gene_spec(t.terminals.c_str(), static_cast<int>(t.terminals.size()),
                    functions1, functions2, h);
  random_stream rng;
  population pop = new_population(spec, static_cast<int>(genes.size()), 0.0f,
                                  0.0f, 0.0f, rng);
  for (std::size_t i = 0; i < genes.size(); ++i) {
    std::memcpy(pop.chromosome(static_cast<int>(i)), genes[i].data(),
                genes[i].size());
  }
  std::vector<fit_record> fits(genes.size());
  const double tss = gsl_stats_tss(t.target.data(), 1, t.target.size());
  evaluate_population(tss, pop, fits.data(), functions1, functions2, t.view());
  for (std::size_t i = 0; i < genes.size(); ++i) {
    EXPECT_EQ(bits(pop.rsquare[i]), bits(fits[i].rsquare));
  }
  return fits;
}

TEST(EvaluatePopulationTest, ScoresTheScaledFit) {
  const table t = make_table(
      2, 40, [](const double* r) { return 3.0 * (r[0] + r[1]) - 1.0; });
  const auto fits = score(t, {"+ab", "*ab", "abb"});
  EXPECT_NEAR(fits[0].rsquare, 1.0, 1e-12);
  EXPECT_NEAR(fits[0].slope, 3.0, 1e-12);
  EXPECT_NEAR(fits[0].intercept, -1.0, 1e-12);
  EXPECT_LT(fits[1].rsquare, 0.9);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(fits[i].index, i);
}

TEST(EvaluatePopulationTest, DegenerateFitsScoreNaN) {
  const table t = make_table(1, 20, [](const double* r) { return r[0]; });
  table with_zero = t;
  with_zero.rows[3][0] = 0.0;
  table flat_target = t;
  for (double& y : flat_target.target) y = 2.0;
  struct Case {
    const char* name;
    const table* data;
    const char* gene;
  } cases[] = {
      {"constant expression", &t, "-aa"},
      {"infinite output", &with_zero, "Laa"},
      {"constant target", &flat_target, "Saa"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fit_record fit = score(*c.data, {c.gene})[0];
    EXPECT_TRUE(std::isnan(fit.rsquare));
  }
  const fit_record constant = score(t, {"-aa"})[0];
  EXPECT_TRUE(std::isnan(constant.intercept));
  EXPECT_TRUE(std::isnan(constant.slope));
}

TEST(EvaluatePopulationTest, TwoRowsFitAnyVaryingExpression) {
  const table t = make_table(2, 2, [](const double* r) { return r[0] * 7; });
  for (const auto& fit : score(t, {"Eab", "*ab", "Sba"})) {
    EXPECT_NEAR(fit.rsquare, 1.0, 1e-9);
  }
}

TEST(EvaluatePopulationTest, SameResultsOnAnyThreadCount) {
  const table t = make_table(
      3, 300, [](const double* r) { return r[0] * r[1] + std::sin(r[2]); });
  const gene_spec spec = new_gene_spec("abc", 3, "ACDELQRS", "+*-/^", 6);
  random_stream rng(99);
  population pop = new_population(spec, 257, 0.4f, 0.1f, 0.5f, rng);
  std::vector<std::vector<fit_record>> runs;
  for (int threads : {1, 2, 4}) {
    omp_set_dynamic(0);
    omp_set_num_threads(threads);
    std::vector<fit_record> fits(257);
    evaluate_population(123.0, pop, fits.data(), "ACDELQRS", "+*-/^", t.view());
    runs.push_back(fits);
  }
  for (const auto& run : runs) {
    for (std::size_t i = 0; i < run.size(); ++i) {
      ASSERT_TRUE(same_bits(run[i], runs[0][i])) << i;
    }
  }
}

TEST(CompareFitTest, OrdersByDescendingRSquareAndTiesNaN) {
  const double nan = std::nan("");
  struct Case {
    double a, b;
    int expected;
  } cases[] = {{0.9, 0.5, -1}, {0.5, 0.9, 1}, {0.5, 0.5, 0},
               {nan, 0.5, 0},  {0.5, nan, 0}, {nan, nan, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a << " vs " << c.b);
    const fit_record a{c.a, 0, 0, 0}, b{c.b, 0, 0, 1};
    EXPECT_EQ(compare_fit(&a, &b), c.expected);
  }
}

}  // namespace
}  // namespace gepfit
