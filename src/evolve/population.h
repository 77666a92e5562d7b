#ifndef GEPFIT_EVOLVE_POPULATION_H_
#define GEPFIT_EVOLVE_POPULATION_H_

#include <cstddef>
#include <vector>

#include "evolve/random_stream.h"
#include "expr/gene_spec.h"

namespace gepfit {

// The chromosomes of one pass. Each generation is one contiguous buffer of
// popsize chromosomes of gene_length bytes (no terminators). Selection fills
// `next` and exchanges the two buffers, which moves no bytes.
struct population {
  const gene_spec* spec = nullptr;  // not owned; outlives the population
  // The rates are kept in single precision; every test widens them exactly.
  float crossover_rate = 0.0f;
  float inversion_rate = 0.0f;
  float mutation_rate = 0.0f;
  int popsize = 0;
  std::vector<char> current;
  std::vector<char> next;
  std::vector<double> rsquare;  // entry i scores chromosome i of current

  std::size_t gene_length() const { return spec->gene_length; }
  char* chromosome(int i) { return current.data() + offset(i); }
  const char* chromosome(int i) const { return current.data() + offset(i); }
  char* next_chromosome(int i) { return next.data() + offset(i); }
  void exchange() { current.swap(next); }

 private:
  std::size_t offset(int i) const {
    return static_cast<std::size_t>(i) * spec->gene_length;
  }
};

// A random population: one draw per symbol, individual by individual, in
// gene order. A head symbol is drawn over the terminals then the functions,
// a tail symbol over the terminals. Spends popsize * gene_length draws.
// Whether a population of `popsize` genes of 2 * head_length + 1 symbols
// can be held: its two generations and per-individual scores must fit in
// half of the machine's physical memory, and a gene's length in an int.
bool population_fits(int popsize, int head_length);

population new_population(const gene_spec& spec,
                          int popsize,
                          float crossover_rate,
                          float inversion_rate,
                          float mutation_rate,
                          random_stream& rng);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_POPULATION_H_
