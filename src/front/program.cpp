#include "front/program.h"

#include <cstdio>
#include <new>

#include "front/loader.h"
#include "front/options.h"
#include "front/pass_loop.h"
#include "front/screening.h"
#include "front/usage.h"

namespace gepfit {
namespace {

// Screening and the passes need at least one input and one observation.
bool has_work(const run_settings& s, const dataset& data, std::FILE* out) {
  if (data.nvars == 0) {
    std::fprintf(out, "No input variable in %s.\n", s.infile.c_str());
    return false;
  }
  if (data.nrows == 0) {
    std::fprintf(out, "No complete observation in %s.\n", s.infile.c_str());
    return false;
  }
  return true;
}

void run(int argc, char** argv) {
  if (argc < 2) {
    print_usage(stdout, argc > 0 ? argv[0] : "gepfit");
    return;
  }
  print_banner(stderr);
  run_settings settings = default_settings();
  if (scan_options(argc, argv, settings, stdout, stderr) ==
      scan_outcome::stop) {
    return;
  }
  if (!check_settings(settings, stderr)) return;
  std::optional<dataset> data = load_dataset(settings, stdin, stdout);
  if (!data || !has_work(settings, *data, stdout)) return;
  if (screen_variables(settings, *data, stdout)) return;
  run_passes(settings, *data, stdout);
}

}  // namespace

int run_program(int argc, char** argv) {
  // Every path ends with status 0, running out of memory included.
  try {
    run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fprintf(stdout, "Out of memory.\n");
  }
  return 0;
}

}  // namespace gepfit
