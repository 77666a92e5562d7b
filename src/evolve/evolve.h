#ifndef GEPFIT_EVOLVE_EVOLVE_H_
#define GEPFIT_EVOLVE_EVOLVE_H_

#include <cstdio>

#include "evolve/pass_data.h"
#include "evolve/random_stream.h"
#include "expr/key_record.h"

namespace gepfit {

// How a pass scores its generations. Every path gives the same fit records
// bit for bit, so the same console text and key file; they differ in speed.
enum class fitness_path {
  tree_walk,     // evaluate_population: the reference
  flat,          // fitness_evaluator, every individual scored
  flat_reusing,  // fitness_evaluator, each distinct frame scored once
};

// The path that new pass_settings take: flat_reusing, unless a test or a
// benchmark that compares the paths of whole runs changes it.
fitness_path default_fitness_path();
void set_default_fitness_path(fitness_path path);

// The run settings one pass uses.
struct pass_settings {
  const char* functions1 = "ACDELQRS";
  const char* functions2 = "+*-/^";
  long max_iter = 10000;  // a negative limit is never reached
  int head_length = 5;    // at least 1
  int popsize = 100;      // at least 2
  int threads = 1;        // at least 1
  int verbose = 1;
  double crossover = 0.4;
  double inversion = 0.1;
  double mutation = 0.5;
  double cutoff = 0.1;
  double r2_target = 0.95;
  fitness_path fitness = default_fitness_path();
};

// Runs one GEP pass over `data`, drawing from `rng`, until a generation's
// best R-square exceeds the target or the iteration limit is reached.
// Every improvement of the pass's best (by more than 0.0005) is written
// into `best`; returns how many there were (0 leaves `best` as it was).
// Prints the pass's report on `out` as far as settings.verbose asks.
int evolve(const pass_settings& settings,
           const pass_data& data,
           key_record& best,
           random_stream& rng,
           std::FILE* out);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_EVOLVE_H_
