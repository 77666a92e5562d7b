#include "evolve/selection.h"

#include <cstring>

namespace gepfit {

int selection_pool_size(int popsize, double cutoff) {
  return static_cast<int>(popsize * cutoff);
}

void select_next_generation(population& pop,
                            const std::vector<fit_record>& fits,
                            int pool_size,
                            random_stream& rng) {
  const std::size_t length = pop.gene_length();
  std::memcpy(pop.next_chromosome(0), pop.chromosome(fits[0].index), length);
  for (int i = 1; i < pop.popsize; ++i) {
    const int k = rng.index_below(pool_size);
    std::memcpy(pop.next_chromosome(i), pop.chromosome(fits[k].index), length);
  }
  pop.exchange();
}

}  // namespace gepfit
