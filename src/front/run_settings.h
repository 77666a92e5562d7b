#ifndef GEPFIT_FRONT_RUN_SETTINGS_H_
#define GEPFIT_FRONT_RUN_SETTINGS_H_

#include <string>

namespace gepfit {

// The parsed command line: one record for the whole run.
struct run_settings {
  int max_vars = 26;                   // -v
  std::string functions1 = "ACDELQRS";  // -o, 1 to 10 symbols
  std::string functions2 = "+*-/^";     // -O, 1 to 10 symbols
  long max_iter = 10000;               // -i, within the 32-bit range
  int max_rows = 10000;                // -n
  int head_length = 5;                 // -h
  double cutoff = 0.1;                 // -c
  double r2_target = 0.95;             // -e
  double mutation = 0.5;               // -m
  double crossover = 0.4;              // -x
  double inversion = 0.1;              // -X
  int popsize = 100;                   // -p
  int npass = 3;                       // -b
  int verbose = 1;                     // -q
  int threads = 1;                     // -t; see default_threads()
  int seed = 8888;                     // -s
  bool has_infile = false;
  std::string infile;   // first positional argument ("" for a lone '-')
  bool has_outfile = false;
  std::string outfile;  // second positional argument
  std::string delimiters = " \t,;";
};

// The smaller of the OpenMP runtime's thread count and 4.
int default_threads();

// The built-in defaults, threads included.
run_settings default_settings();

}  // namespace gepfit

#endif  // GEPFIT_FRONT_RUN_SETTINGS_H_
