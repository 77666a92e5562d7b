#include "evolve/evolve.h"

#include <gsl/gsl_statistics_double.h>
#include <omp.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "evolve/fitness.h"
#include "evolve/fitness_evaluator.h"
#include "evolve/interrupt.h"
#include "evolve/operators.h"
#include "evolve/population.h"
#include "evolve/selection.h"
#include "expr/gene_spec.h"
#include "expr/karva.h"
#include "expr/render.h"

namespace gepfit {

namespace {

constexpr double k_improvement_margin = 0.0005;

fitness_path g_default_fitness_path = fitness_path::flat_reusing;

void print_pass_header(const pass_settings& s, int nvars, std::FILE* out) {
  const int n_functions =
      static_cast<int>(std::strlen(s.functions1) + std::strlen(s.functions2));
  std::fprintf(out, "# terminals = %d, # functions = %d, Head Length = %d\n",
               nvars, n_functions, s.head_length);
  std::fprintf(out, "1-operand functions: %s, 2-operand functions: %s\n",
               s.functions1, s.functions2);
  std::fprintf(out,
               "Crossover = %.3f, Inversion = %.3f, Mutation = %.3f, "
               "Cutoff = %.3f\n",
               s.crossover, s.inversion, s.mutation, s.cutoff);
  std::fprintf(out, "Max iter = %ld, Popsize = %d, R-square target = %.3f\n",
               s.max_iter, s.popsize, s.r2_target);
  std::fflush(out);
}

// Records the generation's best (fits[0]) into `best` and reports it.
void record_improvement(const pass_settings& s,
                        const pass_data& data,
                        const population& pop,
                        const fit_record& top,
                        int generation,
                        key_record& best,
                        std::FILE* out) {
  const char* gene = pop.chromosome(top.index);
  const int gene_length = static_cast<int>(pop.gene_length());
  int used = 0;
  et_ptr tree = build_et(gene, gene_length, data.terminals, s.functions1,
                         s.functions2, &used);
  best.intercept = top.intercept;
  best.slope = top.slope;
  best.rsquare = top.rsquare;
  best.gene.assign(gene, static_cast<std::size_t>(used));
  best.length = used;
  if (s.verbose >= 1) {
    std::fprintf(out, "Iter %d: ", generation);
    write_et(out, tree.get(), data.terminals, s.functions1, s.functions2);
    std::fprintf(out, "\t R-square = %.3f\n", top.rsquare);
    if (s.verbose == 2) {
      const std::string whole(gene, static_cast<std::size_t>(gene_length));
      std::fprintf(out, "%s\n", whole.c_str());
      dump_et(tree.get(), 0, out);
    }
    std::fflush(out);
  }
}

}  // namespace

fitness_path default_fitness_path() { return g_default_fitness_path; }
void set_default_fitness_path(fitness_path path) {
  g_default_fitness_path = path;
}

int evolve(const pass_settings& s,
           const pass_data& data,
           key_record& best,
           random_stream& rng,
           std::FILE* out) {
  const int pool_size = selection_pool_size(s.popsize, s.cutoff);
  if (s.verbose >= 1) print_pass_header(s, data.nvars, out);
  std::vector<fit_record> fits(static_cast<std::size_t>(s.popsize));
  const gene_spec spec = new_gene_spec(data.terminals, data.nvars, s.functions1,
                                       s.functions2, s.head_length);
  population pop = new_population(
      spec, s.popsize, static_cast<float>(s.crossover),
      static_cast<float>(s.inversion), static_cast<float>(s.mutation), rng);
  const double tss = gsl_stats_tss(data.target, 1, data.nrows);
  std::optional<fitness_evaluator> evaluator;
  if (s.fitness != fitness_path::tree_walk) {
    evaluator.emplace(data, s.functions1, s.functions2, tss, s.popsize,
                      static_cast<int>(pop.gene_length()), s.threads,
                      s.fitness == fitness_path::flat_reusing);
  }

  double previous_best = 0.0;
  int improvements = 0;
  int generation = 0;
  bool converged = false;
  for (;;) {
    omp_set_dynamic(0);
    omp_set_num_threads(s.threads);
    if (evaluator) {
      evaluator->evaluate(pop, fits.data());
    } else {
      evaluate_population(tss, pop, fits.data(), s.functions1, s.functions2,
                          data);
    }
    std::qsort(fits.data(), fits.size(), sizeof(fit_record), compare_fit);
    const fit_record& top = fits[0];
    if (top.rsquare > previous_best + k_improvement_margin) {
      record_improvement(s, data, pop, top, generation, best, out);
      ++improvements;
      previous_best = top.rsquare;
    }
    if (top.rsquare > s.r2_target) {
      converged = true;
      break;
    }
    if (generation == s.max_iter || interrupt_requested()) break;
    select_next_generation(pop, fits, pool_size, rng);
    vary_population(pop, rng);
    ++generation;
  }

  if (s.verbose >= 1) {
    if (converged) {
      std::fprintf(out, "Converged at iteration %d, R-square = %.3f \n",
                   generation, fits[0].rsquare);
    } else {
      std::fprintf(out,
                   "Cannot meet the R-square target of %.3f in %d "
                   "iterations.\n",
                   s.r2_target, generation);
    }
  }
  return improvements;
}

}  // namespace gepfit
