#include "bench_setup.h"

#include <gsl/gsl_statistics_double.h>
#include <omp.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "evolve/operators.h"
#include "evolve/selection.h"

namespace gepfit::bench {

synthetic_data::synthetic_data(int nrows) {
  for (int i = 0; i < nrows; ++i) {
    std::vector<double> row;
    for (int k = 0; k < 5; ++k) row.push_back(std::sin(0.7 * i + k) * (k + 1));
    target.push_back(row[0] * row[1] + std::sin(row[2]));
    rows.push_back(row);
  }
  tss = gsl_stats_tss(target.data(), 1, target.size());
}

pass_data synthetic_data::view() const {
  return {"abcde", &rows, target.data(), static_cast<int>(rows.size()), 5};
}

const synthetic_data& data_of(int nrows) {
  static std::map<int, std::unique_ptr<synthetic_data>> made;
  auto& data = made[nrows];
  if (!data) data = std::make_unique<synthetic_data>(nrows);
  return *data;
}

namespace {

// Runs `generations` generations as a pass does (score, sort, select,
// vary), scoring with the fast evaluator on two threads.
void evolve_case(generation_case& c,
                 const function_sets& sets,
                 const synthetic_data& data,
                 int popsize,
                 int generations) {
  random_stream rng;
  c.pop = new_population(c.spec, popsize, 0.4f, 0.1f, 0.5f, rng);
  c.evaluator.emplace(data.view(), sets.functions1, sets.functions2, data.tss,
                      popsize, static_cast<int>(c.pop.gene_length()), 2, true);
  std::vector<fit_record> fits(static_cast<std::size_t>(popsize));
  omp_set_dynamic(0);
  omp_set_num_threads(2);
  for (int g = 0; g < generations; ++g) {
    c.evaluator->evaluate(c.pop, fits.data());
    std::qsort(fits.data(), fits.size(), sizeof(fit_record), compare_fit);
    select_next_generation(c.pop, fits, selection_pool_size(popsize, 0.1), rng);
    vary_population(c.pop, rng);
  }
}

}  // namespace

const generation_case& generation_of(const function_sets& sets,
                                     int popsize,
                                     int nrows,
                                     int generations) {
  using key = std::tuple<std::string, int, int, int>;
  static std::map<key, std::unique_ptr<generation_case>> made;
  auto& c = made[key{sets.name, popsize, nrows, generations}];
  if (!c) {
    c = std::make_unique<generation_case>();
    c->spec = new_gene_spec("abcde", 5, sets.functions1, sets.functions2, 5);
    evolve_case(*c, sets, data_of(nrows), popsize, generations);
  }
  return *c;
}

}  // namespace gepfit::bench
