#ifndef GEPFIT_GEPKEY_PREDICT_H_
#define GEPFIT_GEPKEY_PREDICT_H_

#include <cstdio>
#include <string>

#include "gepkey/key_model.h"

namespace gepfit {

struct predict_options {
  key_source key;
  std::string data_path;
  bool all = false;        // every column, as CSV with a header line
  bool score = false;      // R-square, RMSE and MAE instead of predictions
  bool no_target = false;  // every column of the file is an input
};

// Applies the model of a key file to the rows of a data file, computing
// every appended variable as the run computed it, and prints one
// prediction per row (or the columns, or the score) on `out`. Returns the
// exit status; errors go to `err`.
int run_predict(const predict_options& options, std::FILE* out, std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_PREDICT_H_
