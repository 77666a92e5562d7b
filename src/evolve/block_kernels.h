#ifndef GEPFIT_EVOLVE_BLOCK_KERNELS_H_
#define GEPFIT_EVOLVE_BLOCK_KERNELS_H_

#include <cmath>

#include "expr/operations.h"

namespace gepfit {

// std::round (halfway cases away from zero) by arithmetic that vectorises:
// adding and removing 2^52 rounds to the nearest integer with ties to even,
// and a tie that went down is moved up. Gives the same bits as std::round
// for every double, signed zeros, infinities and NaN included.
inline double round_half_away(double a) {
  constexpr double k_two52 = 4503599627370496.0;  // from here on all integral
  const double t = std::fabs(a);
  const double even = (t + k_two52) - k_two52;
  const double away = even + (t - even == 0.5 ? 1.0 : 0.0);
  const double small = std::copysign(away, a);
  const double large = a + 0.0;  // itself, a NaN quieted as std::round does
  return t < k_two52 ? small : large;
}

// out[i] = op(a[i], b[i]) for i below n, with the operations of
// expr/operations.h (round through round_half_away). One-operand
// operations ignore b. The arrays do not overlap `out`.
void apply_block(
    operation op, const double* a, const double* b, double* out, int n);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_BLOCK_KERNELS_H_
