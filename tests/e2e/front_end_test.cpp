#include <gtest/gtest.h>
#include <omp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_binary.h"

namespace gepfit {
namespace {

using testing::example;
using testing::run_gepfit;
using testing::test_data;

const std::string k_banner = "Gene Expression Programming for Regression\n";

std::string prompt_for(const std::string& path) {
  return "5 input vars are detected in " + path +
         ", use only the first 3. [y/n]? ";
}

TEST(FrontEndTest, NoArgumentsPrintsUsage) {
  const int available = omp_get_max_threads();
  char threads[100];
  std::snprintf(threads, sizeof threads,
                "-t#      Number of threads (0~%d)(default: %d)\n", available,
                std::min(available, 4));
  const std::string usage =
      "Usage: " + std::string(GEPFIT_BIN) +
      " [options] infile [outfile] \n"
      "Gene Expression Programming for Regression\n"
      "-v#      Read first # available input vars from infile (default: 26)\n"
      "-o*      Set of 1-operand function symbols (default: ACDELQRS)\n"
      "-O*      Set of 2-operand function symbols (default: +*-/^)\n"
      "-i#      Maximum iterations (default: 10000)\n"
      "-n#      Maximum rows to read from input file (default: 10000)\n"
      "-h#      Head length of a gene (default: 5)\n"
      "-c#      Percentage of the population to keep for next iter (default: "
      "0.100)\n"
      "-e#      R-square target (0~0.999)(default: 0.950)\n"
      "-m#      Mutation rate (0~1) (default: 0.500)\n"
      "-x#      Crossover rate (0~1) (default: 0.400)\n"
      "-X#      Inversion rate (0~1) (default: 0.100)\n"
      "-p#      Population size (default: 100)\n"
      "-b#      Number of GEP passes (default: 3)\n"
      "-q#      Verbose level (0~2)(default: 1)\n" +
      std::string(threads) +
      "-s#      Random seed (default: 8888)\n"
      "-!       Print additional help information\n"
      "infile   File to read data from [required]\n"
      "outfile  File to write solution to [optional]\n";
  testing::run_result run = run_gepfit({});
  EXPECT_EQ(run.out, usage);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST(FrontEndTest, HelpFollowsTheBannerOnStandardError) {
  testing::run_result run = run_gepfit({"-x5", "-!", "no-such-file"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            k_banner +
                "The program implements the Gene Expression Programming (GEP) "
                "algorithm.\n"
                "It discovers functional relationships between an output and "
                "multiple inputs.\n"
                "Input format: \n"
                "1. Each line is an example (observation), a header line is "
                "optional. \n"
                "2. The first column is automatically treated as the output "
                "(target) variable.\n"
                "3. Subsequent columns are input variables, internally labeled "
                "as a,b,c,...\n"
                "4. Columns must be separated by any of these: "
                "space,tab,comma,semicolon.\n"
                "Supported functions: +-*/^ACDELQRS\n"
                "a^b=pow(abs(a),b), A(a)=abs(a), C(a)=cos(a), D(a)=cubic root "
                "of a \n"
                "E(a)=exp(a), L(a)=log(a), Q(a)=sqrt(abs(a)), R(a)=round(a), "
                "S(a)=sin(a) \n"
                "The program uses OpenMP for multi-threading. Set the "
                "environment with, e.g.: \n"
                "Linux: export OMP_NUM_THREADS=8\n"
                "Windows: set OMP_NUM_THREADS=8\n");
  EXPECT_EQ(run.status, 0);
}

TEST(FrontEndTest, EndsWithOneMessage) {
  const std::string wide = test_data("wide_linear.csv");
  const std::string one_column = test_data("one_column.csv");
  const std::string header_only = test_data("header_only.csv");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err_after_banner;
  } cases[] = {
      {"unknown option", {"-q2", "-z", "-!"}, "", "No such option: z\n", ""},
      {"bad symbols", {"-O+-*/^ABCDEF", wide}, "", "-O error.\n", ""},
      {"value check",
       {"-p1", "-n1", wide},
       "",
       "",
       "-p error: Population size must be greater than 1.\n"},
      {"value as its own argument",
       {"-p", "200"},
       "",
       "",
       "-p error: Population size must be greater than 1.\n"},
      {"too many variables",
       {"-v31", wide},
       "",
       "",
       "# terminals cannot exceed 30. \n"},
      {"no infile", {"-q2"}, "", "No input file given.\n", ""},
      {"missing file",
       {"/nonexistent/data.csv"},
       "",
       "Cannot open file /nonexistent/data.csv for reading.\n",
       ""},
      {"lone dash", {"-"}, "", "Cannot open file  for reading.\n", ""},
      {"three positionals",
       {"/nonexistent/in", "out", "extra"},
       "",
       "Argument count error.\n"
       "Cannot open file /nonexistent/in for reading.\n",
       ""},
      {"answered no",
       {"-v3", wide},
       "n\n",
       prompt_for(wide) + "Terminated.\n",
       ""},
      {"no answer", {"-v3", wide}, "", prompt_for(wide) + "Terminated.\n", ""},
      {"no input variable",
       {one_column},
       "",
       "Reading 0 input variables per row.\n"
       "2 rows are read from " +
           one_column +
           ". Elapsed # seconds. \n"
           "The first 10 rows (with the header line):\n"
           "y(target) \n"
           "1.000000 \n"
           "2.000000 \n"
           "No input variable in " +
           one_column + ".\n",
       ""},
      {"no observation",
       {header_only},
       "",
       "Reading 1 input variables per row.\n"
       "0 rows are read from " +
           header_only +
           ". Elapsed # seconds. \n"
           "The first 10 rows (with the header line):\n"
           "y(target) x1(a) \n"
           "No complete observation in " +
           header_only + ".\n",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::run_result run = run_gepfit(c.args, c.input);
    EXPECT_EQ(testing::mask_timing(run.out), c.out);
    EXPECT_EQ(run.err, k_banner + c.err_after_banner);
    EXPECT_EQ(run.status, 0);
  }
}

TEST(FrontEndTest, SingleVariableExampleEndsAtScreening) {
  const std::string data = example("single.csv");
  const std::string dir = testing::make_temp_dir();
  const std::string key = dir + "/single.key";
  testing::run_result run = run_gepfit({data, key});
  EXPECT_EQ(
      testing::mask_timing(run.out),
      "Reading 3 input variables per row.\n"
      "30 rows are read from " +
          data +
          ". Elapsed # seconds. \n"
          "The first 10 rows (with the header line):\n"
          "y(target) x1(a) x2(b) x3(c) \n"
          "5.105100 3.238300 1.508500 1.509300 \n"
          "2.613400 3.656900 0.580000 0.074400 \n"
          "12.106700 0.375000 4.336500 -4.301400 \n"
          "4.265200 8.268500 1.238000 -2.767600 \n"
          "24.039100 6.274300 9.477100 0.771000 \n"
          "22.957700 0.465800 8.584700 -2.103900 \n"
          "4.021300 1.442600 1.177900 -1.915200 \n"
          "16.799500 5.816000 6.389100 -1.276000 \n"
          "2.693500 5.477400 0.627900 -4.404000 \n"
          "9.289600 4.275900 3.141500 0.855600 \n"
          "R-square of each input variable:\n"
          "a: 0.003 b: 0.999 c: 0.163 \n"
          "R-square target 0.950 can be met by single-variable regression:\n"
          "target ~ 2.482722*b + (1.137009),\t R-square = 0.999\n"
          "Increase the R-square target using -e option, or remove the "
          "correlated input variable.\n");
  EXPECT_EQ(run.err, k_banner);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(std::filesystem::exists(key));
  std::filesystem::remove_all(dir);
}

TEST(FrontEndTest, PromptReadsEveryCharacterFromStandardInput) {
  const std::string wide = test_data("wide_linear.csv");
  testing::run_result run = run_gepfit({"-v3", wide}, "x\ny\n");
  const std::string prompt = prompt_for(wide);
  EXPECT_EQ(testing::mask_timing(run.out),
            prompt + prompt + prompt +
                "\n"
                "Reading 3 input variables per row.\n"
                "4 rows are read from " +
                wide +
                ". Elapsed # seconds. \n"
                "The first 10 rows (with the header line):\n"
                "y(target) x1(a) x2(b) x3(c) x4(d) x5(e) \n"
                "3.000000 1.000000 7.000000 2.000000 \n"
                "5.000000 2.000000 1.000000 8.000000 \n"
                "7.000000 3.000000 5.000000 5.000000 \n"
                "9.000000 4.000000 2.000000 1.000000 \n"
                "R-square of each input variable:\n"
                "a: 1.000 b: 0.266 c: 0.060 \n"
                "R-square target 0.950 can be met by single-variable "
                "regression:\n"
                "target ~ 2.000000*a + (1.000000),\t R-square = 1.000\n"
                "Increase the R-square target using -e option, or remove the "
                "correlated input variable.\n");
  EXPECT_EQ(run.status, 0);
}

// A pipe cannot be rewound: reading it must give what the file gives.
TEST(FrontEndTest, ReadsDataFromAPipe) {
  const std::string data = example("single.csv");
  const std::string dir = testing::make_temp_dir();
  const std::string fifo = dir + "/data.pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  testing::run_result piped = testing::run_command(
      {"/bin/sh", "-c", "cat \"$1\" > \"$2\" & exec \"$0\" \"$2\"", GEPFIT_BIN,
       data, fifo});
  std::string expected = testing::mask_timing(run_gepfit({data}).out);
  expected.replace(expected.find(data), data.size(), fifo);
  EXPECT_EQ(testing::mask_timing(piped.out), expected);
  EXPECT_EQ(piped.status, 0);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace gepfit
