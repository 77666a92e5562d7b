#ifndef GEPFIT_FRONT_DATASET_H_
#define GEPFIT_FRONT_DATASET_H_

#include <string>
#include <vector>

namespace gepfit {

// The loaded observations. The pass loop grows every row and the terminal
// set by one variable per appended formula.
struct dataset {
  std::vector<double> target;             // nrows target values
  std::vector<std::vector<double>> rows;  // nrows rows of nvars inputs
  int nrows = 0;
  int nvars = 0;
  int ncols = 0;  // fields counted on the first line
  bool has_header = false;
  std::vector<std::string> names;  // ncols header fields when has_header
  std::string terminals;           // 'a' + k for k below nvars
};

// Room of the terminal set: at most 49 variables, appended ones included.
constexpr int k_max_variables = 49;

// The letters 'a' + k for k below nvars.
std::string make_terminals(int nvars);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_DATASET_H_
