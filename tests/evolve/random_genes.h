#ifndef GEPFIT_TESTS_EVOLVE_RANDOM_GENES_H_
#define GEPFIT_TESTS_EVOLVE_RANDOM_GENES_H_

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "evolve/fixtures.h"

namespace gepfit::testing {

inline std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// A symbol alphabet and head length to draw genes from.
struct gene_alphabet {
  const char* name;
  std::string terminals;
  const char* functions1;
  const char* functions2;
  const char* strangers;  // symbols in no set, drawn into heads too
  int head_length;
};

// A gene of the layout: a head drawn from every symbol (a stranger
// never first, where it would leave the gene without a reading), a tail
// of terminals.
inline std::string random_gene(const gene_alphabet& a, std::mt19937_64& rng) {
  const std::string members = a.terminals + a.functions1 + a.functions2;
  const std::string head_symbols = members + a.strangers;
  std::string gene(1, members[rng() % members.size()]);
  for (int i = 1; i < a.head_length; ++i) {
    gene.push_back(head_symbols[rng() % head_symbols.size()]);
  }
  for (int i = 0; i <= a.head_length; ++i) {
    gene.push_back(a.terminals[rng() % a.terminals.size()]);
  }
  return gene;
}

// A value that tests the arithmetic's corners: zeros of both signs,
// negatives, halves, huge and tiny values, infinities and NaNs of either
// sign and of several payloads, between ordinary values.
inline double wild_value(std::mt19937_64& rng) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double ordinary = std::uniform_real_distribution<double>(-4, 4)(rng);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double specials[] = {0.0,
                             -0.0,
                             2.5,
                             -0.5,
                             3.0,
                             1e300,
                             -1e300,
                             4.9e-320,
                             inf,
                             -inf,
                             nan,
                             -nan,
                             std::bit_cast<double>(0x7ff800000000beefull),
                             std::bit_cast<double>(0xfff8000000001234ull)};
  const auto pick = rng() % 40;
  return pick < std::size(specials) ? specials[pick] : ordinary;
}

// nrows rows of wild inputs; a finite target, so that fits are not all NaN
// for the target's sake.
inline table wild_table(int nvars, int nrows, std::mt19937_64& rng) {
  table t = make_table(nvars, nrows, [](const double* r) { return r[0]; });
  for (auto& row : t.rows) {
    for (double& x : row) x = wild_value(rng);
  }
  for (std::size_t i = 0; i < t.target.size(); ++i) {
    t.target[i] = std::sin(0.3 * i) * 5.0 + 0.1 * i;
  }
  return t;
}

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_EVOLVE_RANDOM_GENES_H_
