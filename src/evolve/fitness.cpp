#include "evolve/fitness.h"

#include <gsl/gsl_fit.h>

#include <cmath>
#include <limits>
#include <vector>

#include "expr/eval.h"
#include "expr/karva.h"

namespace gepfit {

int compare_fit(const void* a, const void* b) {
  const double ra = static_cast<const fit_record*>(a)->rsquare;
  const double rb = static_cast<const fit_record*>(b)->rsquare;
  if (ra > rb) return -1;
  if (rb > ra) return 1;
  return 0;
}

fit_record fit_outputs(const double* x,
                       const pass_data& data,
                       double tss,
                       int index) {
  double c0, c1, cov00, cov01, cov11, sumsq;
  gsl_fit_linear(x, 1, data.target, 1, data.nrows, &c0, &c1, &cov00, &cov01,
                 &cov11, &sumsq);
  return {1.0 - sumsq / tss, c0, c1, index};
}

fit_record score_chromosome(const char* gene,
                            int gene_length,
                            int index,
                            double tss,
                            const char* functions1,
                            const char* functions2,
                            const pass_data& data,
                            std::vector<double>& output) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  et_ptr tree = build_et(gene, gene_length, data.terminals, functions1,
                         functions2, nullptr);
  // Genes that follow the layout always decode; a gene that does not is
  // scored NaN rather than evaluated.
  if (!tree) return {nan, nan, nan, index};
  const auto& rows = *data.rows;
  for (int j = 0; j < data.nrows; ++j) {
    output[j] = eval_etnode(tree.get(), data.terminals, rows[j].data());
  }
  return fit_outputs(output.data(), data, tss, index);
}

void evaluate_population(double tss,
                         population& pop,
                         fit_record* fits,
                         const char* functions1,
                         const char* functions2,
                         const pass_data& data) {
  const int popsize = pop.popsize;
  if (popsize < 1) return;
  const int gene_length = static_cast<int>(pop.gene_length());
#pragma omp parallel
  {
    std::vector<double> output(static_cast<std::size_t>(data.nrows));
#pragma omp for schedule(static)
    for (int i = 0; i < popsize; ++i) {
      fits[i] = score_chromosome(pop.chromosome(i), gene_length, i, tss,
                                 functions1, functions2, data, output);
      pop.rsquare[i] = fits[i].rsquare;
    }
  }
}

}  // namespace gepfit
