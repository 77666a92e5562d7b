// Fitness evaluation of one generation: the hot path of a run.
#include <benchmark/benchmark.h>
#include <gsl/gsl_statistics_double.h>
#include <omp.h>

#include <cmath>
#include <vector>

#include "evolve/fitness.h"
#include "evolve/population.h"

namespace gepfit {
namespace {

// A fixed synthetic data set of 5 inputs.
struct synthetic_data {
  std::vector<std::vector<double>> rows;
  std::vector<double> target;
  explicit synthetic_data(int nrows) {
    for (int i = 0; i < nrows; ++i) {
      std::vector<double> row;
      for (int k = 0; k < 5; ++k)
        row.push_back(std::sin(0.7 * i + k) * (k + 1));
      target.push_back(row[0] * row[1] + std::sin(row[2]));
      rows.push_back(row);
    }
  }
};

void BM_EvaluateGeneration(benchmark::State& state) {
  const int nrows = static_cast<int>(state.range(0));
  const int threads = static_cast<int>(state.range(1));
  const synthetic_data data(nrows);
  const gene_spec spec = new_gene_spec("abcde", 5, "ACDELQRS", "+*-/^", 5);
  random_stream rng;
  population pop = new_population(spec, 100, 0.4f, 0.1f, 0.5f, rng);
  std::vector<fit_record> fits(100);
  const double tss = gsl_stats_tss(data.target.data(), 1, nrows);
  const pass_data view{"abcde", &data.rows, data.target.data(), nrows, 5};
  omp_set_dynamic(0);
  omp_set_num_threads(threads);
  for (auto _ : state) {
    evaluate_population(tss, pop, fits.data(), "ACDELQRS", "+*-/^", view);
    benchmark::DoNotOptimize(fits.data());
  }
  state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_EvaluateGeneration)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gepfit

BENCHMARK_MAIN();
