// gepkey's command line: subcommands, GNU-style options, help and version.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "fixtures.h"

namespace gepfit::testing {
namespace {

TEST(GepkeyCliTest, PrintsItsVersion) {
  const run_result run = run_gepkey({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(std::regex_match(run.out,
                               std::regex("gepkey [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << run.out;
}

TEST(GepkeyCliTest, HelpOnEveryLevel) {
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> mentions;
  } cases[] = {
      {{"--help"}, {"show", "predict", "export", "--version"}},
      {{"show", "--help"},
       {"KEYFILE", "--functions1", "--functions2", "--names", "--header"}},
      {{"predict", "--help"},
       {"KEYFILE", "DATAFILE", "--all", "--score", "--no-target", "-o", "-O"}},
      {{"export", "--help"}, {"--lang", "c", "python", "latex", "sympy"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    const run_result run = run_gepkey(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const std::string& word : c.mentions) {
      EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
  }
}

TEST(GepkeyCliTest, RefusesAWrongCommandLine) {
  const std::string key =
      write_key(make_temp_dir(), "one.key", 4, {make_key(0.0, 1.0, "+ab")});
  const std::string data = example("formula.csv");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {"no command", {}, "subcommand"},
      {"unknown command", {"fit", key}, "subcommand"},
      {"no key file", {"show"}, "KEYFILE"},
      {"no data file", {"predict", key}, "DATAFILE"},
      {"unknown option", {"show", "--colour", key}, "--colour"},
      {"score and all", {"predict", "--score", "--all", key, data}, "--all"},
      {"score without a target",
       {"predict", "--score", "--no-target", key, data},
       "--score"},
      {"names and a header",
       {"show", "--names", "u,v,w,x", "--header", data, key},
       "--names"},
      {"no language", {"export", key}, "--lang"},
      {"unknown language", {"export", "--lang", "fortran", key}, "fortran"},
      {"empty function set", {"show", "-o", "", key}, "1 to 10"},
      {"function set too long",
       {"show", "--functions2", "+-*/^ABCDEF", key},
       "1 to 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const run_result run = run_gepkey(c.args);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace gepfit::testing
