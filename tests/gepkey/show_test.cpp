// gepkey show: the formulas of a key file, in gepfit's infix form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures.h"

namespace gepfit::testing {
namespace {

// The infix formula of each "Iter" line that ended a pass followed by an
// appended variable: the formula the pass recorded.
std::vector<std::string> recorded_formulas(const std::string& console) {
  std::vector<std::string> formulas;
  std::string last;
  for (const std::string& line : lines_of(console)) {
    if (line.rfind("Iter ", 0) == 0) {
      const std::size_t start = line.find(": ") + 2;
      last = line.substr(start, line.find('\t') - start);
    } else if (line.rfind("Round ", 0) == 0) {
      formulas.push_back(last);
    }
  }
  return formulas;
}

// The formulas of show's variable lines, between the slope and the
// intercept.
std::vector<std::string> shown_formulas(const std::string& shown) {
  std::vector<std::string> formulas;
  for (const std::string& line : lines_of(shown)) {
    if (line.find("\t R-square = ") == std::string::npos) continue;
    const std::size_t start = line.find(" * ") + 3;
    formulas.push_back(line.substr(start, line.rfind(" + (") - start));
  }
  return formulas;
}

TEST(ShowTest, PrintsEachVariableAndTheFinalModelOverTheInputs) {
  const std::string key = write_key(
      make_temp_dir(), "two.key", 3,
      {make_key(-0.5, 2.0, "+ab", 0.5), make_key(1.0, 0.25, "*Qdc", 0.75)});
  const run_result shown = run_gepkey({"show", key});
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.err, "");
  EXPECT_EQ(shown.out,
            "Key file " + key +
                ": 3 input variables, 2 appended variables.\n"
                "Inputs: a b c\n"
                "d = 2 * (a+b) + (-0.5)\t R-square = 0.500000\n"
                "e = 0.25 * (sqrt(c)*d) + (1)\t R-square = 0.750000\n"
                "Final model over the inputs:\n"
                "e = 0.25 * (sqrt(c)*(2*(a+b)-0.5)) + (1)\n");

  const run_result named = run_gepkey({"show", "--names", "x,y,z", key});
  EXPECT_EQ(named.status, 0);
  EXPECT_EQ(named.out,
            "Key file " + key +
                ": 3 input variables, 2 appended variables.\n"
                "Inputs: x y z\n"
                "d = 2 * (x+y) + (-0.5)\t R-square = 0.500000\n"
                "e = 0.25 * (sqrt(z)*d) + (1)\t R-square = 0.750000\n"
                "Final model over the inputs:\n"
                "e = 0.25 * (sqrt(z)*(2*(x+y)-0.5)) + (1)\n");
}

TEST(ShowTest, WritesTheFormulasTheRunPrinted) {
  const fitted_run fitted =
      fit(example("formula.csv"), {"-i100", "-p60", "-b4", "-e0.999"});
  ASSERT_EQ(fitted.run.status, 0);
  const run_result shown = run_gepkey({"show", fitted.key_path});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const std::vector<std::string> recorded = recorded_formulas(fitted.run.out);
  ASSERT_GE(recorded.size(), 2u) << fitted.run.out;
  EXPECT_EQ(shown_formulas(shown.out), recorded);
  EXPECT_NE(recorded[1].find('e'), std::string::npos)
      << "the second pass builds on the first";
}

TEST(ShowTest, NamesTheInputsAfterTheDataFileHeader) {
  const fitted_run fitted = fit(example("formula.csv"), {"-i300"});
  const run_result by_header =
      run_gepkey({"show", "--header", example("formula.csv"), fitted.key_path});
  EXPECT_EQ(by_header.status, 0) << by_header.err;
  EXPECT_EQ(by_header.out,
            "Key file " + fitted.key_path +
                ": 4 input variables, 1 appended variable.\n"
                "Inputs: x1 x2 x3 x4\n"
                "e = -0.720933 * (cbrt((x2-x3))-(x1*x2)) + (0.057873)\t "
                "R-square = 0.787475\n"
                "Final model over the inputs:\n"
                "e = -0.720933 * (cbrt((x2-x3))-(x1*x2)) + (0.057873)\n");
  EXPECT_EQ(run_gepkey({"show", "--names", "x1,x2,x3,x4", fitted.key_path}).out,
            by_header.out);
}

TEST(ShowTest, SaysWhenNoVariableWasAppended) {
  const std::string key = write_key(make_temp_dir(), "empty.key", 2, {});
  const run_result shown = run_gepkey({"show", key});
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out, "Key file " + key +
                           ": 2 input variables, 0 appended variables.\n"
                           "Inputs: a b\n"
                           "No variable was appended: the file holds no "
                           "model.\n");
}

TEST(ShowTest, LeavesOutAFinalModelTooLargeToRead) {
  // Each variable reads the one before it 16 times.
  std::vector<key_record> records;
  for (char letter = 'a'; letter < 'e'; ++letter) {
    records.push_back(
        make_key(0.0, 1.0, std::string(15, '+') + std::string(16, letter)));
  }
  const std::string key = write_key(make_temp_dir(), "wide.key", 1, records);
  const run_result shown = run_gepkey({"show", key});
  EXPECT_EQ(shown.status, 0);
  const std::vector<std::string> lines = lines_of(shown.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines.back(),
            "Final model over the inputs: too large to write out (131071 "
            "symbols); the variables above define it.");
}

TEST(ShowTest, RefusesNamesThatDoNotFitTheInputs) {
  const std::string dir = make_temp_dir();
  const std::string key = write_key(dir, "one.key", 2, {make_key(0, 1, "a")});
  write_file(dir + "/plain.csv", "1,2,3\n4,5,6\n");
  write_file(dir + "/narrow.csv", "y,u\n1,2\n");
  struct Case {
    const char* name;
    std::vector<std::string> options;
    std::string error;
  } cases[] = {
      {"too few names", {"--names", "u"}, "--names gives 1 name for 2 inputs"},
      {"too many names",
       {"--names", "u,v,w"},
       "--names gives 3 names for 2 inputs"},
      {"an empty name", {"--names", "u,"}, "--names holds an empty name"},
      {"no header line",
       {"--header", dir + "/plain.csv"},
       dir + "/plain.csv: the first line is not a header"},
      {"too few columns",
       {"--header", dir + "/narrow.csv"},
       dir + "/narrow.csv: the header names 1 input, the model has 2"},
      {"no such file",
       {"--header", dir + "/none.csv"},
       "Cannot open file " + dir + "/none.csv for reading."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"show", key};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const run_result shown = run_gepkey(args);
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_EQ(shown.err, "gepkey: " + c.error + "\n");
  }
}

}  // namespace
}  // namespace gepfit::testing
