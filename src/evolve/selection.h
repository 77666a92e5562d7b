#ifndef GEPFIT_EVOLVE_SELECTION_H_
#define GEPFIT_EVOLVE_SELECTION_H_

#include <vector>

#include "evolve/fitness.h"
#include "evolve/population.h"
#include "evolve/random_stream.h"

namespace gepfit {

// The number of best-ranked individuals selection draws from: the integer
// part of popsize * cutoff, the product taken in double precision.
int selection_pool_size(int popsize, double cutoff);

// Elitism and truncation selection over records sorted best first: slot 0
// of `next` receives the best chromosome, each slot from 1 up one drawn
// from the pool_size best (the best alone when pool_size is 0); then the
// generations are exchanged. Spends popsize - 1 draws.
void select_next_generation(population& pop,
                            const std::vector<fit_record>& fits,
                            int pool_size,
                            random_stream& rng);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_SELECTION_H_
