#ifndef GEPFIT_BENCH_BENCH_SETUP_H_
#define GEPFIT_BENCH_BENCH_SETUP_H_

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "evolve/fitness.h"
#include "evolve/fitness_evaluator.h"
#include "evolve/pass_data.h"
#include "evolve/population.h"
#include "expr/gene_spec.h"

namespace gepfit::bench {

// A fixed synthetic data set of 5 inputs, target x0 * x1 + sin(x2).
struct synthetic_data {
  std::vector<std::vector<double>> rows;
  std::vector<double> target;
  double tss = 0.0;

  explicit synthetic_data(int nrows);
  pass_data view() const;
};

// The data set of `nrows` rows, made once.
const synthetic_data& data_of(int nrows);

// A function set the benchmarks compare on.
struct function_sets {
  const char* name;
  const char* functions1;
  const char* functions2;
};
inline constexpr function_sets k_default_sets{"default", "ACDELQRS", "+*-/^"};
inline constexpr function_sets k_arithmetic_sets{"arithmetic", "A", "+-*/"};

// One generation to score, as a pass meets it: the population after
// `generations` generations of evolution (0: the random one) and the fast
// evaluator as the pass left it then, its cache holding the scores of the
// earlier generations.
struct generation_case {
  gene_spec spec;
  population pop;
  std::optional<fitness_evaluator> evaluator;
};

// The case for these parameters, made once (evolving takes a while).
const generation_case& generation_of(const function_sets& sets,
                                     int popsize,
                                     int nrows,
                                     int generations);

// Registration of each group of benchmarks; the main program calls them.
void register_generation_benchmarks();
void register_pass_benchmarks();
void register_load_benchmarks();

}  // namespace gepfit::bench

#endif  // GEPFIT_BENCH_BENCH_SETUP_H_
