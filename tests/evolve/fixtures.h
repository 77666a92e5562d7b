#ifndef GEPFIT_TESTS_EVOLVE_FIXTURES_H_
#define GEPFIT_TESTS_EVOLVE_FIXTURES_H_

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "evolve/pass_data.h"

namespace gepfit::testing {

// Rows of inputs and a target, kept alive for a pass_data view.
struct table {
  std::string terminals;
  std::vector<std::vector<double>> rows;
  std::vector<double> target;

  pass_data view() const {
    return {terminals.c_str(), &rows, target.data(),
            static_cast<int>(rows.size()), static_cast<int>(terminals.size())};
  }
};

// nrows rows of nvars inputs spread over [-2, 3), target = f(row).
inline table make_table(int nvars,
                        int nrows,
                        const std::function<double(const double*)>& f) {
  table t;
  for (int k = 0; k < nvars; ++k) t.terminals.push_back(char('a' + k));
  for (int i = 0; i < nrows; ++i) {
    std::vector<double> row;
    for (int k = 0; k < nvars; ++k) {
      row.push_back(std::fmod(0.37 * i * (k + 1) + 0.11 * k, 5.0) - 2.0);
    }
    t.target.push_back(f(row.data()));
    t.rows.push_back(row);
  }
  return t;
}

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_EVOLVE_FIXTURES_H_
