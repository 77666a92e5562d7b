#ifndef GEPFIT_EVOLVE_PASS_DATA_H_
#define GEPFIT_EVOLVE_PASS_DATA_H_

#include <vector>

namespace gepfit {

// The observations one pass works on, read-only during the pass: nrows rows
// of nvars inputs (element k of a row is terminal k) and the target column.
struct pass_data {
  const char* terminals = "";  // one letter per input variable
  const std::vector<std::vector<double>>* rows = nullptr;
  const double* target = nullptr;
  int nrows = 0;
  int nvars = 0;
};

// The symbol sets of a run, NUL-terminated.
struct symbol_sets {
  const char* terminals;
  const char* functions1;  // one-operand symbols
  const char* functions2;  // two-operand symbols
};

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_PASS_DATA_H_
