#ifndef GEPFIT_GEPKEY_SCORE_H_
#define GEPFIT_GEPKEY_SCORE_H_

#include <cstdio>
#include <vector>

namespace gepfit {

// How well predictions match their targets.
struct prediction_score {
  int rows = 0;
  double rsquare = 0.0;  // 1 - residual / total sum of squares, as gepfit
  double rmse = 0.0;
  double mae = 0.0;
};

// Scores `predicted` against `target`, both of the same length.
prediction_score score_of(const std::vector<double>& target,
                          const std::vector<double>& predicted);

void print_score(const prediction_score& score, std::FILE* out);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_SCORE_H_
