#include "front/options.h"

#include <gtest/gtest.h>
#include <omp.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/capture.h"

namespace gepfit {
namespace {

struct scan_run {
  run_settings settings = default_settings();
  scan_outcome outcome = scan_outcome::proceed;
  std::string out;
  std::string err;
};

scan_run scan(std::vector<std::string> args) {
  args.insert(args.begin(), "gepfit");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  testing::captured_stream out, err;
  scan_run run;
  run.outcome = scan_options(static_cast<int>(argv.size()), argv.data(),
                             run.settings, out.get(), err.get());
  run.out = out.text();
  run.err = err.text();
  return run;
}

// Every field on one line, so that a failure shows what differs.
std::string describe(const run_settings& s) {
  std::ostringstream text;
  text << "v" << s.max_vars << " o" << s.functions1 << " O" << s.functions2
       << " i" << s.max_iter << " n" << s.max_rows << " h" << s.head_length
       << " c" << s.cutoff << " e" << s.r2_target << " m" << s.mutation << " x"
       << s.crossover << " X" << s.inversion << " p" << s.popsize << " b"
       << s.npass << " q" << s.verbose << " t" << s.threads << " s" << s.seed
       << " in" << s.has_infile << "[" << s.infile << "] out" << s.has_outfile
       << "[" << s.outfile << "]";
  return text.str();
}

const char k_help_start[] =
    "The program implements the Gene Expression Programming (GEP) "
    "algorithm.\n";

TEST(ScanOptionsTest, ReadsEveryForm) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    void (*change)(run_settings&);  // expected changes to the defaults
    std::string out = "";
    bool stops = false;
    bool shows_help = false;
  } cases[] = {
      {"chained",
       {"-p200q2"},
       [](run_settings& s) {
         s.popsize = 200;
         s.verbose = 2;
       }},
      {"truncated", {"-h2.9"}, [](run_settings& s) { s.head_length = 2; }},
      {"exponent", {"-p1e2"}, [](run_settings& s) { s.popsize = 100; }},
      {"chained reals",
       {"-e0.5x.25"},
       [](run_settings& s) {
         s.r2_target = 0.5;
         s.crossover = 0.25;
       }},
      {"hexadecimal", {"-i0x10"}, [](run_settings& s) { s.max_iter = 16; }},
      {"octal", {"-i010"}, [](run_settings& s) { s.max_iter = 8; }},
      {"integer stops at e",
       {"-i1e4"},
       [](run_settings& s) {
         s.max_iter = 1;
         s.r2_target = 4;
       }},
      {"no number reads 0",
       {"-pq3"},
       [](run_settings& s) {
         s.popsize = 0;
         s.verbose = 3;
       }},
      {"value as its own argument",
       {"-p", "200"},
       [](run_settings& s) {
         s.popsize = 0;
         s.has_infile = true;
         s.infile = "200";
       }},
      {"later overrides",
       {"-p5", "-p6"},
       [](run_settings& s) { s.popsize = 6; }},
      {"ten symbols",
       {"-oABCDEFGHIJ"},
       [](run_settings& s) { s.functions1 = "ABCDEFGHIJ"; }},
      {"word ends the argument",
       {"-O +- p5", "-q0"},
       [](run_settings& s) {
         s.functions2 = "+-";
         s.verbose = 0;
       }},
      {"no word", {"-o"}, [](run_settings&) {}, "-o error.\n", true},
      {"eleven symbols",
       {"-O+-*/^ABCDEF"},
       [](run_settings&) {},
       "-O error.\n",
       true},
      {"unknown letter",
       {"-p5", "-z", "-p7"},
       [](run_settings& s) { s.popsize = 5; },
       "No such option: z\n",
       true},
      {"unknown letter before help",
       {"-z", "-!"},
       [](run_settings&) {},
       "No such option: z\n",
       true},
      {"help after a bad value",
       {"-x5", "-!", "-z"},
       [](run_settings& s) { s.crossover = 5; },
       "",
       true,
       true},
      {"two positionals",
       {"in.csv", "-q2", "out.key"},
       [](run_settings& s) {
         s.verbose = 2;
         s.has_infile = s.has_outfile = true;
         s.infile = "in.csv";
         s.outfile = "out.key";
       }},
      {"three positionals",
       {"a", "b", "c"},
       [](run_settings& s) {
         s.has_infile = s.has_outfile = true;
         s.infile = "a";
         s.outfile = "b";
       },
       "Argument count error.\n"},
      {"lone dash", {"-"}, [](run_settings& s) { s.has_infile = true; }},
      {"int too large",
       {"-p1e20"},
       [](run_settings& s) { s.popsize = INT_MAX; }},
      {"int too small",
       {"-n-1e20"},
       [](run_settings& s) { s.max_rows = INT_MIN; }},
      {"int infinite", {"-binf"}, [](run_settings& s) { s.npass = INT_MAX; }},
      {"int not a number", {"-pnan"}, [](run_settings& s) { s.popsize = 0; }},
      {"iterations too large",
       {"-i99999999999"},
       [](run_settings& s) { s.max_iter = INT32_MAX; }},
      {"iterations too small",
       {"-i-99999999999"},
       [](run_settings& s) { s.max_iter = INT32_MIN; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    scan_run run = scan(c.args);
    run_settings expected = default_settings();
    c.change(expected);
    EXPECT_EQ(describe(run.settings), describe(expected));
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.outcome,
              c.stops ? scan_outcome::stop : scan_outcome::proceed);
    EXPECT_EQ(run.err.starts_with(k_help_start), c.shows_help);
    if (!c.shows_help) {
      EXPECT_EQ(run.err, "");
    }
  }
}

TEST(CheckSettingsTest, ReportsFirstFailureInOrder) {
  const std::string p = "-p error: Population size must be greater than 1.\n";
  const std::string e = "-e error: R-square threshold must range in 0 ~ 1.\n";
  const std::string m = "-m error: Permution rate must range in 0 ~ 1.\n";
  const std::string X = "-X error: Inversion rate must range in 0 ~ 1.\n";
  struct Case {
    std::vector<std::string> args;
    std::string err;  // empty when the values pass
  } cases[] = {
      {{}, ""},
      {{"-c0", "-e0", "-m0", "-x0", "-X0"}, ""},
      {{"-c1", "-e1", "-m1", "-x1", "-X1"}, ""},
      {{"-v30"}, ""},
      {{"-p1"}, p},
      {{"-p1n1"}, p},
      {{"-n1"}, "-n error: Max rows must be greater than 1.\n"},
      {{"-h0"}, "-h error: Gene head length must be greater than 0.\n"},
      {{"-c1.5"}, "-c error: Cutoff rate must range in 0 ~ 1.\n"},
      {{"-e1.01"}, e},
      {{"-enan"}, e},
      {{"-m-0.1"}, m},
      {{"-mnan"}, m},
      {{"-x2"}, "-x error: Crossover rate must range in 0 ~ 1.\n"},
      {{"-X-0.5"}, X},
      {{"-X2", "-v31"}, X},
      {{"-v31"}, "# terminals cannot exceed 30. \n"},
      {{"-v0"}, "-v error: Number of input vars must be greater than 0.\n"},
      {{"-v0", "-e2"}, e},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    run_settings settings = scan(c.args).settings;
    testing::captured_stream err;
    EXPECT_EQ(check_settings(settings, err.get()), c.err.empty());
    EXPECT_EQ(err.text(), c.err);
  }
}

TEST(CheckSettingsTest, ThreadCountBelowOneTakesRuntimeDefault) {
  const struct {
    const char* arg;
    int threads;
  } cases[] = {{"-t0", omp_get_max_threads()},
               {"-t-3", omp_get_max_threads()},
               {"-t7", 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arg);
    run_settings settings = scan({c.arg}).settings;
    testing::captured_stream err;
    EXPECT_TRUE(check_settings(settings, err.get()));
    EXPECT_EQ(settings.threads, c.threads);
  }
}

}  // namespace
}  // namespace gepfit
