#ifndef GEPFIT_TESTS_GEPKEY_FIXTURES_H_
#define GEPFIT_TESTS_GEPKEY_FIXTURES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "expr/key_record.h"
#include "front/dataset.h"
#include "support/key_bytes.h"
#include "support/run_binary.h"

namespace gepfit::testing {

// A gepfit run on a data file, writing its key file into a fresh folder.
struct fitted_run {
  std::string data_path;
  std::string key_path;
  run_result run;
};
fitted_run fit(const std::string& data_path,
               const std::vector<std::string>& options);

// Writes a key file of `records` after `initial_nvars` inputs into `dir`
// and returns its path.
std::string write_key(const std::string& dir,
                      const std::string& name,
                      int initial_nvars,
                      const std::vector<key_record>& records);

// The data file loaded with gepfit's rules and defaults, quietly.
dataset load_example(const std::string& path);

std::vector<std::string> lines_of(const std::string& text);
std::vector<std::string> split_commas(const std::string& line);

// The double a text reads as, by strtod.
double number(const std::string& text);

// True when both are the same double, bit for bit, or both are NaN.
bool same_value(double a, double b);

// The inputs of every row, one row a line, as hexadecimal floats that
// read back exactly.
std::string hex_rows(const dataset& data);

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_GEPKEY_FIXTURES_H_
