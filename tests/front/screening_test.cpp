#include "front/screening.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/capture.h"

namespace gepfit {
namespace {

// Columns of four observations; the target is 2 * `line` + 1 exactly.
const std::vector<double> line = {1, 2, 3, 4};
const std::vector<double> weak = {0, 1, 0, 1};  // R-square 0.2
const std::vector<double> constant = {5, 5, 5, 5};

dataset make_data(const std::vector<std::vector<double>>& columns) {
  dataset data;
  data.nvars = static_cast<int>(columns.size());
  data.nrows = static_cast<int>(line.size());
  data.terminals = make_terminals(data.nvars);
  for (double x : line) data.target.push_back(2 * x + 1);
  data.rows.resize(line.size());
  for (const auto& column : columns) {
    for (std::size_t i = 0; i < column.size(); ++i) {
      data.rows[i].push_back(column[i]);
    }
  }
  return data;
}

// The sign of a NaN depends on the processor; "-nan" reads as "nan".
std::string without_nan_sign(std::string text) {
  for (std::size_t at; (at = text.find("-nan")) != std::string::npos;) {
    text.erase(at, 1);
  }
  return text;
}

const char k_advice[] =
    "Increase the R-square target using -e option, or remove the correlated "
    "input variable.\n";

TEST(ScreenVariablesTest, EndsOnlyWhenAVariableBeatsTheTarget) {
  struct Case {
    const char* name;
    std::vector<std::vector<double>> columns;
    double r2_target;
    std::string out;
    bool ends;
  } cases[] = {
      {"exact linear relation",
       {line, weak},
       0.95,
       "R-square of each input variable:\n"
       "a: 1.000 b: 0.200 \n"
       "R-square target 0.950 can be met by single-variable regression:\n"
       "target ~ 2.000000*a + (1.000000),\t R-square = 1.000\n" +
           std::string(k_advice),
       true},
      {"greatest wins, a tie keeps the earlier letter",
       {weak, line, line},
       0.1,
       "R-square of each input variable:\n"
       "a: 0.200 b: 1.000 c: 1.000 \n"
       "R-square target 0.100 can be met by single-variable regression:\n"
       "target ~ 2.000000*b + (1.000000),\t R-square = 1.000\n" +
           std::string(k_advice),
       true},
      {"constant column is never chosen",
       {constant, line},
       0.95,
       "R-square of each input variable:\n"
       "a: nan b: 1.000 \n"
       "R-square target 0.950 can be met by single-variable regression:\n"
       "target ~ 2.000000*b + (1.000000),\t R-square = 1.000\n" +
           std::string(k_advice),
       true},
      // The exact fit has R-square 1 exactly: equal to the target.
      {"equal to the target goes on",
       {line, weak},
       1.0,
       "R-square of each input variable:\na: 1.000 b: 0.200 \n",
       false},
      {"below the target goes on",
       {weak, constant},
       0.95,
       "R-square of each input variable:\na: 0.200 b: nan \n",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    run_settings settings = default_settings();
    settings.r2_target = c.r2_target;
    testing::captured_stream out;
    EXPECT_EQ(screen_variables(settings, make_data(c.columns), out.get()),
              c.ends);
    EXPECT_EQ(without_nan_sign(out.text()), c.out);
  }
}

}  // namespace
}  // namespace gepfit
