#include "gepkey/score.h"

#include <gsl/gsl_statistics_double.h>

#include <cmath>

namespace gepfit {

prediction_score score_of(const std::vector<double>& target,
                          const std::vector<double>& predicted) {
  prediction_score score;
  score.rows = static_cast<int>(target.size());
  double squares = 0.0;
  double absolutes = 0.0;
  for (std::size_t i = 0; i < target.size(); ++i) {
    const double residual = target[i] - predicted[i];
    squares += residual * residual;
    absolutes += std::fabs(residual);
  }
  // The same total sum of squares about the mean as the run's R-square.
  const double total = gsl_stats_tss(target.data(), 1, target.size());
  score.rsquare = 1.0 - squares / total;
  score.rmse = std::sqrt(squares / score.rows);
  score.mae = absolutes / score.rows;
  return score;
}

void print_score(const prediction_score& score, std::FILE* out) {
  std::fprintf(out, "rows = %d\n", score.rows);
  std::fprintf(out, "R-square = %.6f\n", score.rsquare);
  std::fprintf(out, "RMSE = %.6g\n", score.rmse);
  std::fprintf(out, "MAE = %.6g\n", score.mae);
}

}  // namespace gepfit
