#include "evolve/population.h"

#include <unistd.h>

#include <climits>

namespace gepfit {

bool population_fits(int popsize, int head_length) {
  const double gene_length = 2.0 * head_length + 1.0;
  if (gene_length > INT_MAX) return false;
  // Two generations of chromosomes, a score, a fit record and a scratch
  // slot for each individual.
  const double bytes =
      static_cast<double>(popsize) * (2.0 * gene_length + 64.0);
  const double memory = static_cast<double>(sysconf(_SC_PHYS_PAGES)) *
                        static_cast<double>(sysconf(_SC_PAGESIZE));
  return bytes <= memory / 2;
}

population new_population(const gene_spec& spec,
                          int popsize,
                          float crossover_rate,
                          float inversion_rate,
                          float mutation_rate,
                          random_stream& rng) {
  population pop;
  pop.spec = &spec;
  pop.crossover_rate = crossover_rate;
  pop.inversion_rate = inversion_rate;
  pop.mutation_rate = mutation_rate;
  pop.popsize = popsize;
  const std::size_t length = spec.gene_length;
  const std::size_t total = static_cast<std::size_t>(popsize) * length;
  pop.rsquare.resize(static_cast<std::size_t>(popsize));
  pop.current.resize(total);
  pop.next.resize(total);

  const double n_terminals = spec.n_terminals;
  const double n_symbols = n_terminals + spec.n_functions;
  for (int i = 0; i < popsize; ++i) {
    char* gene = pop.chromosome(i);
    for (std::size_t j = 0; j < length; ++j) {
      // The draw is spent before the head/tail decision.
      const double u = rng.unit_draw();
      if (j < spec.head_length) {
        const auto k = static_cast<std::uint32_t>(n_symbols * u);
        gene[j] = k < spec.n_terminals
                      ? spec.terminal_list[k]
                      : spec.function_list[k - spec.n_terminals];
      } else {
        gene[j] = spec.terminal_list[static_cast<std::size_t>(n_terminals * u)];
      }
    }
  }
  return pop;
}

}  // namespace gepfit
