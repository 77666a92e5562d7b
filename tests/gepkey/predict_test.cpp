// gepkey predict: the appended variables computed as the run computed them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fixtures.h"
#include "front/append_variable.h"
#include "keychain/key_file_reader.h"

namespace gepfit::testing {
namespace {

struct RunCase {
  const char* name;
  std::string data;
  std::vector<std::string> fit_options;
  std::string functions1 = "ACDELQRS";
  std::string functions2 = "+*-/^";
};

std::vector<RunCase> run_cases() {
  return {
      {"chained passes",
       example("formula.csv"),
       {"-i100", "-p60", "-b4", "-e0.999"}},
      {"other function sets",
       example("formula.csv"),
       {"-oS+", "-O*-", "-i100", "-p60", "-b3", "-e1"},
       "S+",
       "*-"},
      {"semicolons and a header",
       test_data("run_three.csv"),
       {"-i30", "-p40", "-b3", "-e1"}},
  };
}

std::vector<std::string> set_options(const RunCase& c) {
  return {"-o", c.functions1, "-O", c.functions2};
}

key_file read_key(const std::string& path, const RunCase& c) {
  key_file_result read =
      read_keyfile(path, c.functions1.c_str(), c.functions2.c_str());
  EXPECT_TRUE(read.key) << read.error;
  return read.key.value_or(key_file{});
}

// The run announced every record of the key file as it appended it.
void expect_announced(const fitted_run& fitted, const key_file& key) {
  for (std::size_t k = 0; k < key.records.size(); ++k) {
    const key_record& r = key.records[k];
    char line[512];
    std::snprintf(line, sizeof line,
                  "Round %zu: new variable %c = %f * %s + (%f) appended. \n", k,
                  static_cast<char>('a' + key.initial_nvars + k), r.slope,
                  r.gene.c_str(), r.intercept);
    EXPECT_NE(fitted.run.out.find(line), std::string::npos) << line;
  }
}

TEST(PredictTest, AllReproducesTheColumnsTheRunAppended) {
  for (const RunCase& c : run_cases()) {
    SCOPED_TRACE(c.name);
    const fitted_run fitted = fit(c.data, c.fit_options);
    ASSERT_EQ(fitted.run.status, 0);
    const key_file key = read_key(fitted.key_path, c);
    ASSERT_GE(key.records.size(), 2u) << fitted.run.out;
    expect_announced(fitted, key);

    // The same data grown in-process as the pass loop grows it.
    dataset data = load_example(c.data);
    for (const key_record& record : key.records) {
      append_variable(data, record, c.functions1.c_str(), c.functions2.c_str());
    }
    std::vector<std::string> args{"predict", "--all", fitted.key_path, c.data};
    const std::vector<std::string> sets = set_options(c);
    args.insert(args.end(), sets.begin(), sets.end());
    const run_result predicted = run_gepkey(args);
    ASSERT_EQ(predicted.status, 0) << predicted.err;
    const std::vector<std::string> lines = lines_of(predicted.out);
    ASSERT_EQ(static_cast<int>(lines.size()), data.nrows + 1);
    EXPECT_EQ(split_commas(lines[0]).size(), 1u + data.nvars);
    int differing = 0;
    for (int i = 0; i < data.nrows; ++i) {
      const std::vector<std::string> fields = split_commas(lines[1 + i]);
      ASSERT_EQ(static_cast<int>(fields.size()), 1 + data.nvars);
      differing += !same_value(number(fields[0]), data.target[i]);
      for (int k = 0; k < data.nvars; ++k) {
        differing += !same_value(number(fields[1 + k]), data.rows[i][k]);
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST(PredictTest, ScoreOnTheTrainingDataIsTheLastRecordsRSquare) {
  std::vector<RunCase> cases = run_cases();
  cases.push_back({"one record", example("formula.csv"), {"-i300"}});
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.name);
    const fitted_run fitted = fit(c.data, c.fit_options);
    const key_file key = read_key(fitted.key_path, c);
    ASSERT_FALSE(key.records.empty());
    std::vector<std::string> args{"predict", "--score", fitted.key_path,
                                  c.data};
    const std::vector<std::string> sets = set_options(c);
    args.insert(args.end(), sets.begin(), sets.end());
    const run_result scored = run_gepkey(args);
    ASSERT_EQ(scored.status, 0) << scored.err;
    const std::vector<std::string> lines = lines_of(scored.out);
    ASSERT_EQ(lines.size(), 4u) << scored.out;
    EXPECT_EQ(lines[0], "rows = " + std::to_string(load_example(c.data).nrows));
    ASSERT_EQ(lines[1].rfind("R-square = ", 0), 0u);
    char expected[32], got[32];
    std::snprintf(expected, sizeof expected, "%.3f",
                  key.records.back().rsquare);
    std::snprintf(got, sizeof got, "%.3f", number(lines[1].substr(11)));
    EXPECT_STREQ(got, expected);
    EXPECT_EQ(lines[2].rfind("RMSE = ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("MAE = ", 0), 0u);
  }
}

TEST(PredictTest, PrintsTheLastColumnOnePredictionARow) {
  const fitted_run fitted =
      fit(example("formula.csv"), {"-i100", "-p60", "-b4", "-e0.999"});
  const std::string holdout = example("formula_holdout.csv");
  const run_result all =
      run_gepkey({"predict", "--all", fitted.key_path, holdout});
  const run_result plain = run_gepkey({"predict", fitted.key_path, holdout});
  ASSERT_EQ(plain.status, 0) << plain.err;
  std::string last_column;
  const std::vector<std::string> rows = lines_of(all.out);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    last_column += split_commas(rows[i]).back() + "\n";
  }
  EXPECT_EQ(rows[0], "y,x1,x2,x3,x4,e,f,g,h");
  EXPECT_EQ(rows.size(), 101u);
  EXPECT_EQ(plain.out, last_column);
}

// formula.csv without its target, and with a fifth input the model does
// not read.
void write_variants(const std::string& dir) {
  std::string inputs, wider;
  for (const std::string& line : lines_of(read_file(example("formula.csv")))) {
    const std::string rest = line.substr(line.find(',') + 1);
    inputs += rest + "\n";
    wider += line + (line[0] == 'y' ? ",x5\n" : ",7\n");
  }
  write_file(dir + "/inputs.csv", inputs);
  write_file(dir + "/wider.csv", wider);
}

TEST(PredictTest, ReadsTheInputsOfOtherFileShapes) {
  const fitted_run fitted = fit(example("formula.csv"), {"-i300"});
  const std::string dir = make_temp_dir();
  write_variants(dir);
  const run_result plain =
      run_gepkey({"predict", fitted.key_path, example("formula.csv")});
  ASSERT_EQ(plain.status, 0) << plain.err;
  const run_result without = run_gepkey(
      {"predict", "--no-target", fitted.key_path, dir + "/inputs.csv"});
  EXPECT_EQ(without.status, 0) << without.err;
  EXPECT_EQ(without.out, plain.out);
  const run_result wider =
      run_gepkey({"predict", fitted.key_path, dir + "/wider.csv"});
  EXPECT_EQ(wider.out, plain.out);
  const run_result columns = run_gepkey({"predict", "--no-target", "--all",
                                         fitted.key_path, dir + "/inputs.csv"});
  EXPECT_EQ(lines_of(columns.out).at(0), "x1,x2,x3,x4,e");
}

TEST(PredictTest, RefusesWhatItCannotPredictFrom) {
  const std::string dir = make_temp_dir();
  const std::string key =
      write_key(dir, "four.key", 4, {make_key(0, 1, "+ab")});
  const std::string empty_key = write_key(dir, "empty.key", 4, {});
  write_file(dir + "/narrow.csv", "y,u,v,w\n1,2,3,4\n");
  write_file(dir + "/three.csv", "u,v,w\n1,2,3\n");
  write_file(dir + "/empty.csv", "");
  write_file(dir + "/header.csv", "y,a,b,c,d\n");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {"too few columns",
       {key, dir + "/narrow.csv"},
       dir + "/narrow.csv: 3 input columns, but the model reads 4"},
      {"too few columns without a target",
       {"--no-target", key, dir + "/three.csv"},
       dir + "/three.csv: 3 input columns, but the model reads 4"},
      {"no model",
       {empty_key, example("formula.csv")},
       empty_key + ": no variable was appended, so there is no model to "
                   "predict with"},
      {"no data file",
       {key, dir + "/none.csv"},
       "Cannot open file " + dir + "/none.csv for reading."},
      {"nothing to score",
       {"--score", key, dir + "/header.csv"},
       dir + "/header.csv: no rows to score"},
      {"empty data file",
       {key, dir + "/empty.csv"},
       "The input file " + dir + "/empty.csv is empty."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"predict"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const run_result predicted = run_gepkey(args);
    EXPECT_EQ(predicted.status, 1);
    EXPECT_EQ(predicted.out, "");
    EXPECT_EQ(predicted.err, "gepkey: " + c.error + "\n");
  }
}

}  // namespace
}  // namespace gepfit::testing
