// End-to-end runs of the whole program: passes, appended variables, the
// stop lines and the key file.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "support/run_binary.h"

namespace gepfit::testing {
namespace {

// One record of a key file as read back.
struct key_entry {
  double intercept, slope, rsquare;
  std::string gene;
};

struct key_contents {
  int initial_nvars = -1;
  int npass = -1;
  std::vector<key_entry> records;
  bool well_formed = false;
};

template <typename T>
T take(const std::string& bytes, std::size_t& at) {
  T value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  at += sizeof value;
  return value;
}

key_contents read_key(const std::string& bytes) {
  key_contents key;
  if (bytes.size() < 8) return key;
  std::size_t at = 0;
  key.initial_nvars = take<std::int32_t>(bytes, at);
  key.npass = take<std::int32_t>(bytes, at);
  for (int k = 0; k < key.npass; ++k) {
    if (at + 20 > bytes.size()) return key;
    key_entry entry;
    entry.intercept = take<double>(bytes, at);
    entry.slope = take<double>(bytes, at);
    const auto length = take<std::int32_t>(bytes, at);
    if (length < 1 || at + length + 8 > bytes.size()) return key;
    entry.gene = bytes.substr(at, length);
    at += length;
    entry.rsquare = take<double>(bytes, at);
    key.records.push_back(entry);
  }
  key.well_formed = at == bytes.size();
  return key;
}

// The console text without figures that depend on the clock or machine.
std::string comparable(const std::string& out) {
  static const std::regex processors("Using [0-9]+ of the [0-9]+ processors");
  return std::regex_replace(mask_timing(out), processors,
                            "Using # of the # processors");
}

struct RunCase {
  const char* name;
  std::vector<std::string> args;  // after the data file and the key path
  const char* data;
  const char* stop_line;  // the line that ends the pass loop, "" for none
  int records;
  std::size_t key_size;
};

TEST(WholeRunTest, EndsThePassLoopAndWritesTheAppendedRecords) {
  const RunCase cases[] = {
      {"no pass", {"-b0"}, "run_product.csv", "", 0, 8},
      {"first pass reaches the target",
       {"-e0.3", "-i20", "-p40"},
       "run_product.csv",
       "R-square target reached at round 0. Done.\n",
       0,
       8},
      {"no improvement at all",
       {"-b3", "-i5", "-p10"},
       "run_sign.txt",
       "Cannot do better! Quit at round 0.\n",
       0,
       8},
      // Unknown functions leave lone terminals as the only finite scores.
      {"one-symbol genes",
       {"-oB", "-OZ", "-b2", "-i3", "-p30"},
       "run_three.csv",
       "",
       2,
       8 + 29 + 29},
      {"target in the third pass",
       {"-b4", "-e0.83", "-i20", "-p40"},
       "run_product.csv",
       "R-square target reached at round 2. Done.\n",
       2,
       74},
      {"worse pass",
       {"-b4", "-e0.999", "-i20", "-p40"},
       "run_product.csv",
       "Cannot do better! Quit at round 3.\n",
       3,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string dir = make_temp_dir();
    const std::string key_path = dir + "/out.key";
    std::vector<std::string> args{test_data(c.data), key_path};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const run_result run = run_gepfit(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Gene Expression Programming for Regression\n");
    const std::string out = comparable(run.out);
    const std::string ending = std::string(c.stop_line) +
                               "CPU time # seconds. Wall time # seconds. \n";
    ASSERT_GE(out.size(), ending.size());
    EXPECT_EQ(out.substr(out.size() - ending.size()), ending) << out;

    const std::string bytes = read_file(key_path);
    const key_contents key = read_key(bytes);
    EXPECT_TRUE(key.well_formed);
    EXPECT_EQ(key.npass, c.records);
    if (c.key_size != 0) {
      EXPECT_EQ(bytes.size(), c.key_size);
    }
    // Each appended variable is announced with its raw gene text.
    for (int k = 0; k < c.records; ++k) {
      const char letter = static_cast<char>('a' + key.initial_nvars + k);
      const std::string announced =
          "Round " + std::to_string(k) + ": new variable " + letter + " = ";
      const auto at = out.find(announced);
      ASSERT_NE(at, std::string::npos) << announced;
      EXPECT_EQ(out.substr(at + announced.size())
                    .find(" * " + key.records[k].gene + " + ("),
                out.substr(at + announced.size()).find(" * "));
    }
  }
}

TEST(WholeRunTest, SameTextAndKeyOnAnyThreadCount) {
  const std::string dir = make_temp_dir();
  std::vector<std::string> outputs, keys;
  for (const char* threads : {"-t1", "-t2", "-t4"}) {
    const std::string key_path = dir + "/" + (threads + 1) + ".key";
    const run_result run = run_gepfit(
        {example("formula.csv"), key_path, threads, "-i60", "-p60", "-b3"});
    EXPECT_EQ(run.status, 0);
    outputs.push_back(comparable(run.out));
    keys.push_back(read_file(key_path));
  }
  EXPECT_NE(outputs[0].find("Round 0: new variable"), std::string::npos);
  for (std::size_t i = 1; i < outputs.size(); ++i) {
    EXPECT_EQ(outputs[i], outputs[0]);
    EXPECT_EQ(keys[i], keys[0]);
  }
}

TEST(WholeRunTest, SeedChoosesTheRandomStream) {
  const auto run_with = [](std::vector<std::string> extra) {
    std::vector<std::string> args{test_data("run_product.csv"), "-i15", "-p30",
                                  "-b2"};
    args.insert(args.end(), extra.begin(), extra.end());
    return comparable(run_gepfit(args).out);
  };
  const std::string plain = run_with({});
  EXPECT_EQ(run_with({"-s8888"}), plain);
  EXPECT_NE(run_with({"-s8889"}), plain);
}

TEST(WholeRunTest, MatchesTheRecordedConsoleText) {
  // A verbose run pinned byte for byte: pass headers, improvements with
  // chromosomes and tree dumps, appended variables and the stop line.
  const run_result run =
      run_gepfit({"run_product.csv", "-b4", "-e0.83", "-i20", "-p40", "-q2"},
                 "", test_data(""));
  EXPECT_EQ(comparable(run.out),
            read_file(test_data("expected/run_product_q2.out")));
}

TEST(WholeRunTest, UnwritableKeyFileIsReportedAndTheRunEndsNormally) {
  const run_result run = run_gepfit(
      {test_data("run_product.csv"), "/nonexistent-folder/out.key", "-b0"});
  EXPECT_EQ(run.status, 0);
  const std::string ending =
      "CPU time # seconds. Wall time # seconds. \n"
      "Error writing key file /nonexistent-folder/out.key.\n";
  const std::string out = comparable(run.out);
  ASSERT_GE(out.size(), ending.size());
  EXPECT_EQ(out.substr(out.size() - ending.size()), ending);
}

}  // namespace
}  // namespace gepfit::testing
