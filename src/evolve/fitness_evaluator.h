#ifndef GEPFIT_EVOLVE_FITNESS_EVALUATOR_H_
#define GEPFIT_EVOLVE_FITNESS_EVALUATOR_H_

#include <optional>
#include <vector>

#include "evolve/fitness.h"
#include "evolve/flat_eval.h"
#include "evolve/flat_program.h"
#include "evolve/job_bins.h"
#include "evolve/pass_data.h"
#include "evolve/population.h"
#include "evolve/score_cache.h"

namespace gepfit {

// The fast path of fitness evaluation for one pass. Gives every individual
// the fit_record that evaluate_population gives it, bit for bit, but
// evaluates each open reading frame as a flat program over blocks of
// column-major rows, and scores each distinct frame of a generation once;
// with score reuse on, frames scored in earlier generations of the pass
// cost a look-up.
//
// Owns the column copy of the inputs, one scratch per thread and the score
// cache, all allocated when the pass starts (scratch for threads beyond
// `threads` when a team first has them). `data`, the symbol strings and the
// target must outlive the evaluator and stay unchanged.
class fitness_evaluator {
 public:
  fitness_evaluator(const pass_data& data,
                    const char* functions1,
                    const char* functions2,
                    double tss,
                    int popsize,
                    int gene_length,
                    int threads,
                    bool reuse_scores);

  // Scores pop.current: writes pop.rsquare[i] and fits[i] for each i, as
  // evaluate_population does. One parallel loop, static schedule, over
  // bins of frames to score; the results do not depend on the thread count.
  void evaluate(population& pop, fit_record* fits);

 private:
  // A frame to score: the first individual that carries it and its open
  // reading frame length (0 for a gene without a tree).
  struct job {
    int individual;
    int orf_length;
    score_cache::entry* entry;  // where its score is remembered, if anywhere
  };

  int plan_jobs(const population& pop, fit_record* fits);
  void run_jobs(const population& pop, int njobs);
  orf_score score_job(const char* gene, int orf_length, int thread);
  void ensure_scratch(int threads);

  pass_data data_;
  const char* functions1_;
  const char* functions2_;
  double tss_;
  int gene_length_;
  symbol_classes classes_;
  column_data columns_;
  std::optional<score_cache> cache_;  // none when scores are not reused

  std::vector<job> jobs_;               // this generation's frames to score
  std::vector<orf_score> done_;         // their scores, by job
  std::vector<int> job_of_;             // per individual: its job, or -1
  std::vector<int> cost_;               // by job: its estimated cost
  job_bins bins_;                       // the jobs, shared among threads
  std::vector<flat_program> programs_;  // one per thread
  std::vector<flat_scratch> scratch_;   // one per thread
};

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_FITNESS_EVALUATOR_H_
