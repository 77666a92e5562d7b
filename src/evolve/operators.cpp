#include "evolve/operators.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace gepfit {
namespace {

// Draws an index below n that differs from `other` (n >= 2).
int draw_other_index(random_stream& rng, int n, int other) {
  int b = rng.index_below(n);
  while (b == other) b = rng.index_below(n);
  return b;
}

// Mutation lists the functions first for a head draw; the symbol draw is
// spent even when the position turns out to need none.
void mutate(const gene_spec& spec, char* gene, random_stream& rng) {
  const int length = static_cast<int>(spec.gene_length);
  const int p = rng.index_below(length);
  const double u = rng.unit_draw();
  if (p < static_cast<int>(spec.head_length)) {
    const double n_symbols =
        static_cast<double>(spec.n_functions) + spec.n_terminals;
    const auto k = static_cast<std::uint32_t>(n_symbols * u);
    gene[p] = k < spec.n_functions ? spec.function_list[k]
                                   : spec.terminal_list[k - spec.n_functions];
  } else if (spec.n_terminals > 1) {
    const double n_terminals = spec.n_terminals;
    gene[p] = spec.terminal_list[static_cast<std::size_t>(n_terminals * u)];
  }
}

// Reverses the head between two distinct positions, both ends included.
void invert(const gene_spec& spec, char* gene, random_stream& rng) {
  const int h = static_cast<int>(spec.head_length);
  const int a = rng.index_below(h);
  const int b = draw_other_index(rng, h, a);
  std::reverse(gene + std::min(a, b), gene + std::max(a, b) + 1);
}

}  // namespace

void take_partners(int* pool, int& n, int a, int b) {
  pool[a] = pool[n - 1];
  --n;
  const int b_entry = (b == n) ? a : b;
  pool[b_entry] = pool[n - 1];
  --n;
}

int recombine(population& pop, random_stream& rng) {
  const double rate = pop.crossover_rate;
  const int length = static_cast<int>(pop.gene_length());
  std::vector<int> pool(static_cast<std::size_t>(pop.popsize));
  std::iota(pool.begin(), pool.end(), 0);
  int n = pop.popsize;
  int pairings = 0;
  // j counts steps, not pairings, against the shrinking pool.
  for (int j = 0; j < n; ++j) {
    if (!(rng.unit_draw() < rate)) continue;
    const int a = rng.index_below(n);
    const int b = draw_other_index(rng, n, a);
    const int partner_a = pool[a];
    const int partner_b = pool[b];
    take_partners(pool.data(), n, a, b);
    ++pairings;
    const int cut = rng.index_below(length);
    std::swap_ranges(pop.chromosome(partner_a) + cut,
                     pop.chromosome(partner_a) + length,
                     pop.chromosome(partner_b) + cut);
  }
  return pairings;
}

void vary_population(population& pop, random_stream& rng) {
  const gene_spec& spec = *pop.spec;
  const double mutation_rate = pop.mutation_rate;
  const double inversion_rate = pop.inversion_rate;
  for (int i = 0; i < pop.popsize; ++i) {
    char* gene = pop.chromosome(i);
    if (rng.unit_draw() < mutation_rate) mutate(spec, gene, rng);
    if (spec.head_length > 1 && rng.unit_draw() < inversion_rate) {
      invert(spec, gene, rng);
    }
  }
  recombine(pop, rng);
}

}  // namespace gepfit
