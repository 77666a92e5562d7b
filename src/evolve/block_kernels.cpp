#include "evolve/block_kernels.h"

#include <algorithm>

namespace gepfit {
namespace {

// Arithmetic that the compiler turns into vector instructions; the elements
// are independent, so no operation is reordered within an element.
// Operations whose selects would need speculative arithmetic (division,
// rounding) stay scalar: with -ftrapping-math on, the compiler does not
// compute both arms of such a select.
template <typename F>
void map_simd(F f,
              const double* __restrict a,
              const double* __restrict b,
              double* __restrict out,
              int n) {
#pragma omp simd
  for (int i = 0; i < n; ++i) out[i] = f(a[i], b[i]);
}

// Library calls and the selects above, one element at a time.
template <typename F>
void map_scalar(F f,
                const double* __restrict a,
                double* __restrict out,
                int n) {
  for (int i = 0; i < n; ++i) out[i] = f(a[i]);
}

template <typename F>
void map_scalar(F f,
                const double* __restrict a,
                const double* __restrict b,
                double* __restrict out,
                int n) {
  for (int i = 0; i < n; ++i) out[i] = f(a[i], b[i]);
}

}  // namespace

void apply_block(
    operation op, const double* a, const double* b, double* out, int n) {
  switch (op) {
    case operation::add:
      return map_simd(ops::add, a, b, out, n);
    case operation::subtract:
      return map_simd(ops::subtract, a, b, out, n);
    case operation::multiply:
      return map_simd(ops::multiply, a, b, out, n);
    case operation::divide:
      return map_scalar(ops::divide, a, b, out, n);
    case operation::absolute:
      return map_simd([](double x, double) { return ops::absolute(x); }, a, b,
                      out, n);
    case operation::round:
      return map_scalar(round_half_away, a, out, n);
    case operation::power:
      return map_scalar(ops::power, a, b, out, n);
    case operation::cosine:
      return map_scalar(ops::cosine, a, out, n);
    case operation::cube_root:
      return map_scalar(ops::cube_root, a, out, n);
    case operation::exponential:
      return map_scalar(ops::exponential, a, out, n);
    case operation::logarithm:
      return map_scalar(ops::logarithm, a, out, n);
    case operation::square_root:
      return map_scalar(ops::square_root, a, out, n);
    case operation::sine:
      return map_scalar(ops::sine, a, out, n);
    case operation::zero:
      std::fill(out, out + n, 0.0);
      return;
  }
}

}  // namespace gepfit
