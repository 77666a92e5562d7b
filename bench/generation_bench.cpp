// Fitness evaluation of one generation, the hot path of a run: the
// reference (tree walk per row, fit) against the fast path (flat programs
// over column blocks, each distinct frame scored once, earlier scores
// reused), and, at 10^4 rows, the flat evaluator without any reuse.
#include <benchmark/benchmark.h>
#include <omp.h>

#include <string>
#include <vector>

#include "bench_setup.h"

namespace gepfit::bench {
namespace {

struct generation_params {
  const function_sets* sets;
  int popsize;
  int nrows;
  int generations;  // 0 for the random generation, 50 for an evolved one
  int threads;
};

std::string name_of(const generation_params& p, const char* path) {
  return std::string("generation/") + p.sets->name + "/" +
         (p.generations == 0 ? "random" : "evolved") +
         "/pop:" + std::to_string(p.popsize) +
         "/rows:" + std::to_string(p.nrows) +
         "/threads:" + std::to_string(p.threads) + "/" + path;
}

void run_reference(benchmark::State& state, generation_params p) {
  const generation_case& c =
      generation_of(*p.sets, p.popsize, p.nrows, p.generations);
  const synthetic_data& data = data_of(p.nrows);
  population pop = c.pop;
  std::vector<fit_record> fits(static_cast<std::size_t>(p.popsize));
  omp_set_dynamic(0);
  omp_set_num_threads(p.threads);
  for (auto _ : state) {
    evaluate_population(data.tss, pop, fits.data(), p.sets->functions1,
                        p.sets->functions2, data.view());
    benchmark::DoNotOptimize(fits.data());
  }
}

// Each iteration starts from the evaluator as the pass had it before this
// generation, so that the cache holds only earlier generations.
void run_fast(benchmark::State& state, generation_params p) {
  const generation_case& c =
      generation_of(*p.sets, p.popsize, p.nrows, p.generations);
  population pop = c.pop;
  std::vector<fit_record> fits(static_cast<std::size_t>(p.popsize));
  omp_set_dynamic(0);
  omp_set_num_threads(p.threads);
  for (auto _ : state) {
    state.PauseTiming();
    fitness_evaluator evaluator = *c.evaluator;
    state.ResumeTiming();
    evaluator.evaluate(pop, fits.data());
    benchmark::DoNotOptimize(fits.data());
  }
}

// The flat evaluator alone: every individual scored, nothing reused.
void run_flat(benchmark::State& state, generation_params p) {
  const generation_case& c =
      generation_of(*p.sets, p.popsize, p.nrows, p.generations);
  const synthetic_data& data = data_of(p.nrows);
  population pop = c.pop;
  std::vector<fit_record> fits(static_cast<std::size_t>(p.popsize));
  fitness_evaluator evaluator(
      data.view(), p.sets->functions1, p.sets->functions2, data.tss, p.popsize,
      static_cast<int>(pop.gene_length()), p.threads, false);
  omp_set_dynamic(0);
  omp_set_num_threads(p.threads);
  for (auto _ : state) {
    evaluator.evaluate(pop, fits.data());
    benchmark::DoNotOptimize(fits.data());
  }
}

void add(const generation_params& p) {
  benchmark::RegisterBenchmark(name_of(p, "reference").c_str(), run_reference,
                               p)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.3);
  benchmark::RegisterBenchmark(name_of(p, "fast").c_str(), run_fast, p)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.3);
  if (p.popsize == 100 && p.nrows == 10000) {
    benchmark::RegisterBenchmark(name_of(p, "flat").c_str(), run_flat, p)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(0.3);
  }
}

}  // namespace

void register_generation_benchmarks() {
  for (int generations : {0, 50}) {
    for (int threads : {1, 2}) {
      add({&k_arithmetic_sets, 100, 10000, generations, threads});
      for (int popsize : {100, 1000}) {
        for (int nrows : {1000, 10000, 100000}) {
          add({&k_default_sets, popsize, nrows, generations, threads});
        }
      }
    }
  }
}

}  // namespace gepfit::bench
