#include "front/pass_loop.h"

#include <omp.h>

#include <ctime>

#include "evolve/evolve.h"
#include "evolve/interrupt.h"
#include "evolve/population.h"
#include "front/append_variable.h"
#include "keychain/key_file.h"
#include "keychain/keychain.h"

namespace gepfit {
namespace {

pass_settings settings_for_pass(const run_settings& s) {
  pass_settings p;
  p.functions1 = s.functions1.c_str();
  p.functions2 = s.functions2.c_str();
  p.max_iter = s.max_iter;
  p.head_length = s.head_length;
  p.popsize = s.popsize;
  p.threads = s.threads;
  p.verbose = s.verbose;
  p.crossover = s.crossover;
  p.inversion = s.inversion;
  p.mutation = s.mutation;
  p.cutoff = s.cutoff;
  p.r2_target = s.r2_target;
  return p;
}

pass_data data_for_pass(const dataset& data) {
  return {data.terminals.c_str(), &data.rows, data.target.data(), data.nrows,
          data.nvars};
}

}  // namespace

void run_passes(const run_settings& settings, dataset& data, std::FILE* out) {
  if (settings.npass > 0 &&
      !population_fits(settings.popsize, settings.head_length)) {
    std::fprintf(out,
                 "Not enough memory for a population of %d genes of %.0f "
                 "symbols.\n",
                 settings.popsize, 2.0 * settings.head_length + 1.0);
    return;
  }
  key_record best;  // an empty gene text until a pass records one
  std::fprintf(out, "Using %d of the %d processors on this machine.\n",
               settings.threads, omp_get_num_procs());
  const double wall_start = omp_get_wtime();
  const std::clock_t cpu_start = std::clock();

  install_interrupt_handlers();
  random_stream rng(settings.seed);
  const pass_settings pass = settings_for_pass(settings);
  const int initial_nvars = data.nvars;
  keychain chain;
  double best_r2 = 0.0;
  int pass_no = 0;
  while (pass_no < settings.npass) {
    if (data.nvars >= k_max_variables) {
      std::fprintf(out,
                   "Cannot append more than %d variables. Quit at round %d.\n",
                   k_max_variables, pass_no);
      break;
    }
    const int improvements = evolve(pass, data_for_pass(data), best, rng, out);
    chain.append(best);
    if (improvements == 0 || best_r2 > best.rsquare) {
      std::fprintf(out, "Cannot do better! Quit at round %d.\n", pass_no);
      break;
    }
    if (best.rsquare > settings.r2_target) {
      std::fprintf(out, "R-square target reached at round %d. Done.\n",
                   pass_no);
      break;
    }
    best_r2 = best.rsquare;
    append_variable(data, best, pass.functions1, pass.functions2);
    std::fprintf(out, "Round %d: new variable %c = %f * %s + (%f) appended. \n",
                 pass_no, data.terminals.back(), best.slope, best.gene.c_str(),
                 best.intercept);
    ++pass_no;
    if (interrupt_requested()) {
      std::fprintf(out, "Interrupted. Quit at round %d.\n", pass_no - 1);
      break;
    }
  }

  const double cpu_seconds =
      static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  std::fprintf(out, "CPU time %.1f seconds. Wall time %.1f seconds. \n",
               cpu_seconds, omp_get_wtime() - wall_start);
  if (settings.has_outfile) {
    std::fflush(out);
    write_keyfile(settings.outfile, initial_nvars, pass_no, chain.first(), out);
  }
}

}  // namespace gepfit
