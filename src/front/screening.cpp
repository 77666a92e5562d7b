#include "front/screening.h"

#include <gsl/gsl_fit.h>
#include <gsl/gsl_statistics_double.h>

#include <vector>

namespace gepfit {
namespace {

struct single_fit {
  double rsquare = 0;
  char letter = 0;  // 0 while no variable beats the target
  double intercept = 0;
  double slope = 0;
};

void report_best(const run_settings& s,
                 const single_fit& best,
                 std::FILE* out) {
  std::fprintf(out,
               "R-square target %.3f can be met by single-variable "
               "regression:\n",
               s.r2_target);
  std::fprintf(out, "target ~ %f*%c + (%f),\t R-square = %.3f\n", best.slope,
               best.letter, best.intercept, best.rsquare);
  std::fprintf(out,
               "Increase the R-square target using -e option, or remove the "
               "correlated input variable.\n");
}

}  // namespace

bool screen_variables(const run_settings& s,
                      const dataset& data,
                      std::FILE* out) {
  const std::size_t n = static_cast<std::size_t>(data.nrows);
  const double tss = gsl_stats_tss(data.target.data(), 1, n);
  std::vector<double> column(n);
  // Only a strictly greater value replaces the best, so a NaN never wins,
  // a tie keeps the earlier letter, and equalling the target is not enough.
  single_fit best{s.r2_target};
  std::fprintf(out, "R-square of each input variable:\n");
  for (int k = 0; k < data.nvars; ++k) {
    for (std::size_t i = 0; i < n; ++i) column[i] = data.rows[i][k];
    double c0, c1, cov00, cov01, cov11, sumsq;
    gsl_fit_linear(column.data(), 1, data.target.data(), 1, n, &c0, &c1, &cov00,
                   &cov01, &cov11, &sumsq);
    const double rsquare = 1 - sumsq / tss;
    const char letter = static_cast<char>('a' + k);
    std::fprintf(out, "%c: %.3f ", letter, rsquare);
    if (rsquare > best.rsquare) best = {rsquare, letter, c0, c1};
  }
  std::fprintf(out, "\n");
  if (best.letter == 0) return false;
  report_best(s, best, out);
  return true;
}

}  // namespace gepfit
