// Whole runs of the program in this process with each fitness path and
// several thread counts: the console text and the key file must not
// depend on either.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "evolve/evolve.h"
#include "front/program.h"
#include "support/capture.h"
#include "support/run_binary.h"

namespace gepfit::testing {
namespace {

struct run_output {
  std::string text;
  std::string key;
};

// Runs the program with `path` as the fitness path of every pass.
run_output run_with(fitness_path path,
                    const std::string& data,
                    const std::string& target,
                    const std::string& threads) {
  static const std::regex processors("Using [0-9]+ of the [0-9]+ processors");
  const std::string key_path = make_temp_dir() + "/out.key";
  std::vector<std::string> args = {"gepfit", data,   key_path, target,
                                   threads,  "-i80", "-p60",   "-b3"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  set_default_fitness_path(path);
  const std::string text = capture_stdout(
      [&] { run_program(static_cast<int>(argv.size()), argv.data()); });
  set_default_fitness_path(fitness_path::flat_reusing);
  return {std::regex_replace(mask_timing(text), processors, "Using #"),
          read_file(key_path)};
}

TEST(FitnessPathsTest, SameTextAndKeyFromEveryPathAndThreadCount) {
  const struct {
    fitness_path path;
    const char* threads;
  } runs[] = {{fitness_path::flat, "-t2"},
              {fitness_path::flat_reusing, "-t1"},
              {fitness_path::flat_reusing, "-t2"},
              {fitness_path::flat_reusing, "-t4"}};
  // single.csv has a variable that meets the default target at screening.
  const struct {
    const char* name;
    const char* target;
  } examples[] = {{"formula.csv", "-e0.95"}, {"single.csv", "-e0.999"}};
  for (const auto& e : examples) {
    SCOPED_TRACE(e.name);
    const run_output reference =
        run_with(fitness_path::tree_walk, example(e.name), e.target, "-t1");
    ASSERT_NE(reference.key, "");
    for (const auto& r : runs) {
      SCOPED_TRACE(r.threads);
      const run_output fast =
          run_with(r.path, example(e.name), e.target, r.threads);
      EXPECT_EQ(fast.text, reference.text);
      EXPECT_EQ(fast.key, reference.key);
    }
  }
}

}  // namespace
}  // namespace gepfit::testing
