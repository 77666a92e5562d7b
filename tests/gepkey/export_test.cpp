// gepkey export: the C and Python exports compute what predict computes,
// and the LaTeX and SymPy exports read as the model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures.h"

namespace gepfit::testing {
namespace {

const char k_c_driver[] = R"(#include <stdio.h>
#include <stdlib.h>
double gepkey_model(const double* x);
int main(void) {
  static char line[65536];
  double x[64];
  while (fgets(line, sizeof line, stdin)) {
    int n = 0;
    char* end;
    for (char* p = line;; p = end) {
      const double value = strtod(p, &end);
      if (end == p) break;
      x[n++] = value;
    }
    printf("%.17g\n", gepkey_model(x));
  }
  return 0;
}
)";

const char k_python_driver[] = R"(import importlib.util
import sys

spec = importlib.util.spec_from_file_location("model", sys.argv[1])
model = importlib.util.module_from_spec(spec)
spec.loader.exec_module(model)
for line in sys.stdin:
    print(repr(model.gepkey_model([float.fromhex(v) for v in line.split()])))
)";

// Values where the protected operations and C's math differ from the
// plain formulas, or where Python's math raises.
const char* const k_edge_values[] = {
    "0",   "-0",   "1",  "-1",  "2.5",  "-2.5",  "0.49999999999999994",
    "8",   "-8",   "64", "710", "-710", "1e308", "4.9e-324",
    "inf", "-inf", "nan"};

// Every pair of edge values as inputs a and b, with c running through them.
std::string edge_data() {
  std::string text = "a,b,c\n";
  const int count = sizeof k_edge_values / sizeof k_edge_values[0];
  for (int i = 0; i < count; ++i) {
    for (int j = 0; j < count; ++j) {
      text += std::string(k_edge_values[i]) + "," + k_edge_values[j] + "," +
              k_edge_values[(i + j) % count] + "\n";
    }
  }
  return text;
}

struct model_case {
  std::string name;
  std::vector<key_record> records;
  std::string functions1 = "ACDELQRS";
  std::string functions2 = "+*-/^";
};

// Single formulas over a, b and c, one operation or quirk each.
std::vector<model_case> operation_cases() {
  std::vector<model_case> cases;
  for (const char* gene : {"/ab", "^ab", "Da", "Ea", "La", "Qa", "Ra", "Sa",
                           "Ca", "Aa", "*+-abca", "-/^abca"}) {
    cases.push_back({gene, {make_key(-1.25, 2.5, gene)}});
  }
  cases.push_back({"its own place reads 0", {make_key(-0.0, -0.75, "+ad")}});
  cases.push_back({"operations by symbol, not by set",
                   {make_key(0.5, 1.0, "*+Sabc")},
                   "B+Q",
                   "*S"});
  cases.push_back({"unknown symbol", {make_key(0.5, 1.0, "+Bab")}, "B", "+"});
  cases.push_back({"chained variables",
                   {make_key(0.0, 1e-300, "/ab"), make_key(1.0, 3.0, "^dc"),
                    make_key(2.0, 0.5, "-eRd")}});
  cases.push_back({"nesting past a temporary",
                   {make_key(1.0, 1.0, std::string(100, 'S') + "a"),
                    make_key(0.0, 1.0, std::string(80, 'C') + "-db")}});
  cases.push_back({"a variable the model does not read",
                   {make_key(1.0, 2.0, "Ea"), make_key(0.0, 1.0, "Qb")}});
  return cases;
}

std::vector<std::string> set_options(const model_case& c) {
  return {"-o", c.functions1, "-O", c.functions2};
}

run_result run_gepkey_with(std::vector<std::string> args, const model_case& c) {
  const std::vector<std::string> sets = set_options(c);
  args.insert(args.end(), sets.begin(), sets.end());
  return run_gepkey(args);
}

// The export in `language` of the model of `key`, written into `dir`.
std::string export_to(const std::string& dir,
                      const std::string& key,
                      const std::string& language,
                      const model_case& c) {
  const run_result exported =
      run_gepkey_with({"export", "--lang", language, key}, c);
  EXPECT_EQ(exported.status, 0) << exported.err;
  const std::string path = dir + (language == "c" ? "/model.c" : "/model.py");
  write_file(path, exported.out);
  return path;
}

std::string c_predictions(const std::string& dir,
                          const std::string& source,
                          const std::string& rows) {
  write_file(dir + "/driver.c", k_c_driver);
  const run_result compiled = run_command(
      {"/usr/bin/env", "cc", "-O2", "-ffp-contract=off", "-Wall", "-Werror",
       "-o", dir + "/model", source, dir + "/driver.c", "-lm"});
  EXPECT_EQ(compiled.status, 0) << compiled.err;
  return run_command({dir + "/model"}, rows).out;
}

std::string python_predictions(const std::string& dir,
                               const std::string& module,
                               const std::string& rows) {
  write_file(dir + "/driver.py", k_python_driver);
  const run_result run = run_command(
      {"/usr/bin/env", "python3", dir + "/driver.py", module}, rows);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

// Compares line by line: the same double, NaN matching NaN.
int values_differing(const std::string& got, const std::string& expected) {
  const std::vector<std::string> a = lines_of(got), b = lines_of(expected);
  EXPECT_EQ(a.size(), b.size());
  int differing = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (!same_value(number(a[i]), number(b[i]))) {
      ADD_FAILURE() << "row " << i << ": " << a[i] << " != " << b[i];
      if (++differing == 5) break;
    }
  }
  return differing;
}

void expect_exports_match_predict(const model_case& c,
                                  const std::string& key,
                                  const std::string& data,
                                  bool has_target) {
  const std::string dir = make_temp_dir();
  std::vector<std::string> args{"predict", key, data};
  if (!has_target) args.push_back("--no-target");
  const run_result predicted = run_gepkey_with(args, c);
  ASSERT_EQ(predicted.status, 0) << predicted.err;
  dataset loaded = load_example(data);
  if (!has_target) {
    for (int i = 0; i < loaded.nrows; ++i) {
      loaded.rows[i].insert(loaded.rows[i].begin(), loaded.target[i]);
    }
  }
  const std::string rows = hex_rows(loaded);
  // C prints the same text, NaN signs included: the same bits.
  EXPECT_EQ(c_predictions(dir, export_to(dir, key, "c", c), rows),
            predicted.out);
  EXPECT_EQ(values_differing(
                python_predictions(dir, export_to(dir, key, "python", c), rows),
                predicted.out),
            0);
}

TEST(ExportTest, CodeComputesWhatPredictComputesForEveryOperation) {
  const std::string dir = make_temp_dir();
  write_file(dir + "/edges.csv", edge_data());
  for (const model_case& c : operation_cases()) {
    SCOPED_TRACE(c.name);
    const std::string key = write_key(dir, "model.key", 3, c.records);
    expect_exports_match_predict(c, key, dir + "/edges.csv", false);
  }
}

TEST(ExportTest, CodeComputesWhatPredictComputesForAFittedChain) {
  const fitted_run fitted =
      fit(example("formula.csv"), {"-i100", "-p60", "-b4", "-e0.999"});
  ASSERT_EQ(fitted.run.status, 0);
  const model_case defaults{"fitted", {}};
  for (const char* data : {"formula.csv", "formula_holdout.csv"}) {
    SCOPED_TRACE(data);
    expect_exports_match_predict(defaults, fitted.key_path, example(data),
                                 true);
  }
}

TEST(ExportTest, LatexWritesOneLinePerVariable) {
  const std::string key = write_key(
      make_temp_dir(), "small.key", 3,
      {make_key(-0.5, 2.0, "/Qa-bc"), make_key(1e-7, 0.25, "*D^dab")});
  const run_result exported =
      run_gepkey({"export", "--lang", "latex", "--names", "x1,rate_2,y", key});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out,
            "% The final model of the gepfit key file " + key +
                ", exported by gepkey.\n"
                "% As gepfit computes them: x/0 is -sign(x) (0/0 is 0), the "
                "power,\n"
                "% log and square root take |a|, the cube root keeps the "
                "sign, and\n"
                "% round takes halves away from zero.\n"
                "\\begin{aligned}\n"
                "d &= 2 \\cdot \\frac{\\sqrt{\\left|\\mathrm{rate\\_2} - "
                "y\\right|}}{x_{1}} - 0.5 \\\\\n"
                "e &= 0.25 \\cdot \\left(\\sqrt[3]{d} \\cdot "
                "\\left|x_{1}\\right|^{\\mathrm{rate\\_2}}\\right) + 1 "
                "\\times 10^{-7}\n"
                "\\end{aligned}\n");
}

TEST(ExportTest, SympyBuildsTheModelOverNamedSymbols) {
  const std::string dir = make_temp_dir();
  const std::string key =
      write_key(dir, "small.key", 2,
                {make_key(-0.5, 2.0, "/Qa-ba"), make_key(0.125, 3.0, "+Rca")});
  const run_result exported =
      run_gepkey({"export", "--lang", "sympy", "--names", "u,v\"w", key});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out,
            "\"\"\"The final model of a gepfit key file as a SymPy "
            "expression, exported by\n"
            "gepkey. `model` is its last appended variable over the inputs.\n"
            "\"\"\"\n"
            "import sympy\n\n"
            "# Key file: " +
                key +
                "\n"
                "a = sympy.Symbol(\"u\")\n"
                "b = sympy.Symbol(\"v\\\"w\")\n\n\n"
                "def _div(num, den):\n"
                "    # x / 0 gives the negated sign of x (0 for 0 / 0).\n"
                "    return sympy.Piecewise((num / den, sympy.Ne(den, 0)), "
                "(-sympy.sign(num), True))\n\n\n"
                "def _round(value):\n"
                "    # Halfway cases away from zero.\n"
                "    return sympy.sign(value) * sympy.floor(sympy.Abs(value) "
                "+ sympy.Rational(1, 2))\n\n\n"
                "c = 2 * _div(sympy.sqrt(sympy.Abs((b - a))), a) - 0.5\n"
                "d = 3 * (_round(a) + c) + 0.125\n"
                "model = d\n");

  // Evaluated by SymPy at a few points, the model gives the predictions.
  write_file(dir + "/model.py", exported.out);
  write_file(dir + "/points.csv", "u,v\n2.25,1\n-4,-4\n0.5,3.5\n");
  write_file(dir + "/evaluate.py",
             "import importlib.util, sys\n"
             "spec = importlib.util.spec_from_file_location('m', sys.argv[1])\n"
             "m = importlib.util.module_from_spec(spec)\n"
             "spec.loader.exec_module(m)\n"
             "for a, b in ((2.25, 1.0), (-4.0, -4.0), (0.5, 3.5)):\n"
             "    print(repr(float(m.model.subs({m.a: a, m.b: b}))))\n");
  const run_result evaluated = run_command(
      {"/usr/bin/env", "python3", dir + "/evaluate.py", dir + "/model.py"});
  if (evaluated.err.find("No module named 'sympy'") != std::string::npos) {
    GTEST_SKIP() << "SymPy is not installed";
  }
  ASSERT_EQ(evaluated.status, 0) << evaluated.err;
  const run_result predicted =
      run_gepkey({"predict", "--no-target", key, dir + "/points.csv"});
  const std::vector<std::string> got = lines_of(evaluated.out);
  const std::vector<std::string> expected = lines_of(predicted.out);
  ASSERT_EQ(got.size(), 3u);
  ASSERT_EQ(expected.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(number(got[i]), number(expected[i]), 1e-12) << i;
  }
}

TEST(ExportTest, RefusesAFileWithoutAModel) {
  const std::string key = write_key(make_temp_dir(), "empty.key", 2, {});
  const run_result exported = run_gepkey({"export", "--lang", "c", key});
  EXPECT_EQ(exported.status, 1);
  EXPECT_EQ(exported.out, "");
  EXPECT_EQ(exported.err,
            "gepkey: " + key +
                ": no variable was appended, so there is no model to export\n");
}

}  // namespace
}  // namespace gepfit::testing
