// Input that people do not mean to give: every case ends with a clear last
// line and status 0, never a crash or a hang.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "support/run_binary.h"

namespace gepfit::testing {
namespace {

std::string binary_bytes() {
  std::mt19937 bits(7);
  std::string bytes;
  for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>(bits()));
  return bytes;
}

std::string wide_rows() {
  std::string text;
  for (int row = 1; row <= 3; ++row) {
    for (int column = 0; column <= 10000; ++column) {
      text += std::to_string(row * column % 97) + (column < 10000 ? " " : "\n");
    }
  }
  return text;
}

std::string long_line() {
  return "1 " + std::string(1 << 20, '2') + " 3\n2 4 5\n3 1 1\n4 2 2\n";
}

struct BadInputCase {
  const char* name;
  std::string contents;  // the data file; empty for the bundled product data
  std::vector<std::string> options;
  std::string input;   // standard input
  std::string err;     // after the banner
  std::string ending;  // how standard output ends
};

TEST(BadInputTest, EndsWithAClearMessage) {
  const std::string timing = "CPU time # seconds. Wall time # seconds. \n";
  const BadInputCase cases[] = {
      {"binary file",
       binary_bytes(),
       {"-i5", "-p10"},
       "",
       "",
       "No input variable in data.\n"},
      {"header only",
       "y,x1,x2\n",
       {},
       "",
       "",
       "No complete observation in data.\n"},
      {"special numbers",
       "y x1 x2\n1 inf 2\n2 nan 3\n3 1e400 -0\n4 0x1p3 5\n5 -0 0x10\n",
       {"-i5", "-p10"},
       "",
       "",
       "Cannot do better! Quit at round 0.\n" + timing},
      {"10,000 columns, no answer",
       wide_rows(),
       {},
       "",
       "",
       "use only the first 26. [y/n]? Terminated.\n"},
      {"10,000 columns, first 30",
       wide_rows(),
       {"-v30", "-i5", "-p10"},
       "y",
       "",
       "Cannot do better! Quit at round 0.\n" + timing},
      {"a 1 MB line",
       long_line(),
       {"-i5", "-p10"},
       "",
       "",
       "Cannot do better! Quit at round 0.\n" + timing},
      {"rows of varying length",
       "y a b\n1 2 3\n2 3 4 5\n3 4\n4 5 6\n",
       {},
       "",
       "",
       "2 rows are read from data. Elapsed # seconds. \n"
       "The first 10 rows (with the header line):\n"
       "y(target) a(a) b(b) \n"
       "1.000000 2.000000 3.000000 \n"
       "2.000000 3.000000 4.000000 \n"
       "R-square of each input variable:\n"
       "a: 1.000 b: 1.000 \n"
       "R-square target 0.950 can be met by single-variable regression:\n"
       "target ~ 1.000000*a + (-1.000000),\t R-square = 1.000\n"
       "Increase the R-square target using -e option, or remove the "
       "correlated input variable.\n"},
      {"population too large to count",
       "",
       {"-p1e20"},
       "",
       "",
       "Not enough memory for a population of 2147483647 genes of 11 "
       "symbols.\n"},
      {"population too large",
       "",
       {"-p2000000000"},
       "",
       "",
       "Not enough memory for a population of 2000000000 genes of 11 "
       "symbols.\n"},
      {"head too long to count",
       "",
       {"-h1e12"},
       "",
       "",
       "Not enough memory for a population of 100 genes of 4294967295 "
       "symbols.\n"},
      {"head too long",
       "",
       {"-h1000000000"},
       "",
       "",
       "Not enough memory for a population of 100 genes of 2000000001 "
       "symbols.\n"},
      {"iterations beyond 32 bits",
       "",
       {"-i99999999999", "-e0.2", "-p10"},
       "",
       "",
       "R-square target reached at round 0. Done.\n" + timing},
      {"negative rows",
       "",
       {"-n-5"},
       "",
       "-n error: Max rows must be greater than 1.\n",
       ""},
      {"population not a number",
       "",
       {"-pnan"},
       "",
       "-p error: Population size must be greater than 1.\n",
       ""},
  };
  const std::string dir = make_temp_dir();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string data = test_data("run_product.csv");
    if (!c.contents.empty()) {
      write_file(dir + "/data", c.contents);
      data = "data";
    }
    std::vector<std::string> args{data};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const run_result run = run_gepfit(args, c.input, dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Gene Expression Programming for Regression\n" + c.err);
    const std::string out = mask_timing(run.out);
    ASSERT_GE(out.size(), c.ending.size()) << out;
    EXPECT_EQ(out.substr(out.size() - c.ending.size()), c.ending);
  }
}

TEST(BadInputTest, ClampedIterationsReachTheSettings) {
  const run_result run = run_gepfit(
      {test_data("run_product.csv"), "-i99999999999", "-e0.2", "-p10"});
  EXPECT_NE(run.out.find("Max iter = 2147483647, Popsize = 10"),
            std::string::npos);
}

}  // namespace
}  // namespace gepfit::testing
