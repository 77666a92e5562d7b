#include "front/pass_loop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expr/eval.h"
#include "expr/karva.h"
#include "front/append_variable.h"
#include "support/capture.h"

namespace gepfit {
namespace {

using testing::captured_stream;

dataset make_data(int nvars, int nrows) {
  dataset data;
  data.nvars = nvars;
  data.nrows = nrows;
  data.ncols = nvars + 1;
  data.terminals = make_terminals(nvars);
  for (int i = 0; i < nrows; ++i) {
    std::vector<double> row;
    for (int k = 0; k < nvars; ++k) row.push_back(std::sin(1.3 * i + k) + k);
    data.target.push_back(row[0] + std::cos(2.1 * i));
    data.rows.push_back(row);
  }
  return data;
}

TEST(AppendVariableTest, StoresTheScaledFormulaOnEveryRow) {
  dataset data = make_data(3, 12);
  key_record record;
  record.gene = "*+Qabca";
  record.length = 7;
  record.slope = 1.5;
  record.intercept = -0.25;
  const dataset before = data;
  append_variable(data, record, "ACDELQRS", "+*-/^");

  EXPECT_EQ(data.nvars, 4);
  EXPECT_EQ(data.terminals, "abcd");
  const et_ptr tree =
      build_et("*+Qabca", 7, "abc", "ACDELQRS", "+*-/^", nullptr);
  for (int i = 0; i < data.nrows; ++i) {
    SCOPED_TRACE(i);
    const auto& row = data.rows[i];
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(std::vector<double>(row.begin(), row.begin() + 3),
              before.rows[i]);
    const double expected =
        1.5 * eval_etnode(tree.get(), "abc", before.rows[i].data()) + -0.25;
    EXPECT_EQ(row[3], expected);
  }
}

TEST(PassLoopTest, StopsBeforeTheFiftiethVariable) {
  // Functions the evaluator does not know make every expression but a lone
  // terminal constant, so each pass picks a variable and appends it.
  dataset data = make_data(k_max_variables - 2, 30);
  run_settings s;
  s.functions1 = "B";
  s.functions2 = "Z";
  s.npass = 5;
  s.r2_target = 1.0;
  s.max_iter = 2;
  s.popsize = 40;
  s.verbose = 0;
  captured_stream out;
  run_passes(s, data, out.get());
  const std::string text = out.text();
  EXPECT_EQ(data.nvars, k_max_variables);
  EXPECT_NE(text.find("Round 1: new variable"), std::string::npos) << text;
  EXPECT_NE(text.find("Cannot append more than 49 variables. Quit at round "
                      "2.\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace gepfit
