// The README's worked example shows what the programs print.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures.h"

namespace gepfit::testing {
namespace {

// The lines of `text` from the first that starts with `first` to the
// first after it that starts with `last`, both included.
std::string lines_between(const std::string& text,
                          const std::string& first,
                          const std::string& last) {
  std::string part;
  bool inside = false;
  for (const std::string& line : lines_of(text)) {
    inside = inside || line.rfind(first, 0) == 0;
    if (!inside) continue;
    part += line + "\n";
    if (line.rfind(last, 0) == 0) break;
  }
  return part;
}

TEST(WorkedExampleTest, TheReadmeShowsWhatGepkeyPrints) {
  // The example's paths, relative to a folder like the source tree's.
  const std::string dir = make_temp_dir();
  std::filesystem::create_directory(dir + "/build");
  std::filesystem::create_directory_symlink(example(""), dir + "/examples");
  const run_result fitted = run_gepfit(
      {"-i300", "-e1", "examples/formula.csv", "build/formula.key"}, "", dir);
  ASSERT_EQ(fitted.status, 0);
  const std::string readme = read_file(example("../README.md"));
  for (const std::string& line : lines_of(fitted.out)) {
    if (line.rfind("Round ", 0) == 0) {
      EXPECT_NE(readme.find(line + "\n"), std::string::npos) << line;
    }
  }
  struct Case {
    std::vector<std::string> args;
    std::string first = "";  // the lines the README shows, "" for all
    std::string last = "";
  } cases[] = {
      {{"show", "--header", "examples/formula.csv", "build/formula.key"}},
      {{"predict", "--score", "build/formula.key",
        "examples/formula_holdout.csv"}},
      {{"export", "--lang", "c", "build/formula.key"},
       "double gepkey_model",
       "}"},
      {{"export", "--lang", "latex", "--header", "examples/formula.csv",
        "build/formula.key"},
       "\\begin{aligned}",
       "\\end{aligned}"},
  };
  for (const Case& c : cases) {
    std::string command = "$ ./build/gepkey";
    for (const std::string& arg : c.args) command += " " + arg;
    SCOPED_TRACE(command);
    const run_result run = run_gepkey(c.args, "", dir);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string shown =
        c.first.empty() ? run.out : lines_between(run.out, c.first, c.last);
    EXPECT_NE(readme.find(command + "\n"), std::string::npos);
    EXPECT_NE(readme.find(shown), std::string::npos) << shown;
  }
}

}  // namespace
}  // namespace gepfit::testing
