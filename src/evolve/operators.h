#ifndef GEPFIT_EVOLVE_OPERATORS_H_
#define GEPFIT_EVOLVE_OPERATORS_H_

#include "evolve/population.h"
#include "evolve/random_stream.h"

namespace gepfit {

// Varies `current` in place: a point mutation and a head inversion for each
// individual in order, then one-point recombination of pairs drawn from a
// shrinking pool. The order of draws is part of the behaviour: it decides
// which draws every later decision of the run receives. Needs popsize >= 2.
void vary_population(population& pop, random_stream& rng);

// The recombination phase alone; returns the number of pairings.
int recombine(population& pop, random_stream& rng);

// Takes the partners at entries a and b (a != b) out of the first n entries
// of `pool`: entry a receives the last entry, then the entry that now holds
// b's partner receives the new last entry. n shrinks by two.
void take_partners(int* pool, int& n, int a, int b);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_OPERATORS_H_
