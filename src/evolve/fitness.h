#ifndef GEPFIT_EVOLVE_FITNESS_H_
#define GEPFIT_EVOLVE_FITNESS_H_

#include <vector>

#include "evolve/pass_data.h"
#include "evolve/population.h"

namespace gepfit {

// The score of one individual in one generation. The layout (three doubles
// and an int) is what the sort sees; keep it.
struct fit_record {
  double rsquare;    // 1 - RSS / TSS of the least-squares line; the sort key
  double intercept;  // target ~ intercept + slope * expression
  double slope;
  int index;  // the individual's slot in current when it was scored
};

// qsort order: descending R-square. 0 for equal keys and whenever either key
// is NaN, so it is not a consistent order when NaN keys are present.
int compare_fit(const void* a, const void* b);

// The score of outputs x (data.nrows values, one per row): gsl_fit_linear
// of the target on x, and R-square = 1 - RSS / tss.
fit_record fit_outputs(const double* x,
                       const pass_data& data,
                       double tss,
                       int index);

// The reference scoring of one chromosome: decode with build_et, evaluate
// the tree row by row with eval_etnode into `output` (data.nrows values),
// fit. A gene without a tree scores NaN. The fast path must match it bit
// for bit.
fit_record score_chromosome(const char* gene,
                            int gene_length,
                            int index,
                            double tss,
                            const char* functions1,
                            const char* functions2,
                            const pass_data& data,
                            std::vector<double>& output);

// Scores every individual of pop.current in one parallel loop (static
// schedule) with score_chromosome: the reference path, kept as the oracle
// of the fast one (fitness_evaluator). Writes pop.rsquare[i] and fits[i]
// for each i. No random draws; the result does not depend on the thread
// count. `fits` holds pop.popsize records.
void evaluate_population(double tss,
                         population& pop,
                         fit_record* fits,
                         const char* functions1,
                         const char* functions2,
                         const pass_data& data);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_FITNESS_H_
