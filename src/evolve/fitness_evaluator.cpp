#include "evolve/fitness_evaluator.h"

#include <omp.h>

#include <algorithm>

namespace gepfit {
namespace {

// Frames the young cache table takes: several generations of new frames,
// within a memory budget that long genes would otherwise exceed.
int cache_capacity(int popsize, int gene_length) {
  constexpr long k_budget_bytes = 64L << 20;
  const long per_frame = 4L * (gene_length + sizeof(score_cache::entry));
  const long wanted = std::max(4L * popsize, 4096L);
  return static_cast<int>(
      std::max(1L, std::min(wanted, k_budget_bytes / per_frame)));
}

// A rough cost of scoring a frame, in units of one arithmetic operation on
// all rows: the fit, plus each function node, library calls weighing most.
int estimated_cost(const char* orf, int length, const symbol_classes& c) {
  int cost = 20;
  for (int i = 0; i < length; ++i) {
    if (c.body_arity(orf[i]) == 0) continue;
    switch (operation_of(orf[i])) {
      case operation::power:
      case operation::cube_root:
        cost += 40;
        break;
      case operation::cosine:
      case operation::sine:
        cost += 25;
        break;
      case operation::exponential:
      case operation::logarithm:
        cost += 15;
        break;
      default:
        cost += 1;
    }
  }
  return cost;
}

}  // namespace

fitness_evaluator::fitness_evaluator(const pass_data& data,
                                     const char* functions1,
                                     const char* functions2,
                                     double tss,
                                     int popsize,
                                     int gene_length,
                                     int threads,
                                     bool reuse_scores)
    : data_(data),
      functions1_(functions1),
      functions2_(functions2),
      tss_(tss),
      gene_length_(gene_length),
      classes_(data.terminals, functions1, functions2),
      columns_(*data.rows, data.nvars),
      jobs_(static_cast<std::size_t>(popsize)),
      done_(static_cast<std::size_t>(popsize)),
      job_of_(static_cast<std::size_t>(popsize)),
      cost_(static_cast<std::size_t>(popsize)) {
  ensure_scratch(threads);
  if (reuse_scores) {
    cache_.emplace(gene_length, cache_capacity(popsize, gene_length));
  }
}

void fitness_evaluator::evaluate(population& pop, fit_record* fits) {
  const int njobs = plan_jobs(pop, fits);
  run_jobs(pop, njobs);
  for (int j = 0; j < njobs; ++j) {
    if (score_cache::entry* e = jobs_[j].entry) {
      e->score = done_[j];
      e->job = -1;
    }
  }
  for (int i = 0; i < pop.popsize; ++i) {
    if (const int j = job_of_[i]; j >= 0) {
      fits[i] = {done_[j].rsquare, done_[j].intercept, done_[j].slope, i};
    }
    pop.rsquare[i] = fits[i].rsquare;
  }
}

// Decides, on the calling thread, which individuals need an evaluation:
// one job per distinct frame not yet scored; the others share a job or
// take a remembered score into `fits` at once. Returns the number of jobs.
int fitness_evaluator::plan_jobs(const population& pop, fit_record* fits) {
  if (cache_) cache_->make_room(pop.popsize);
  int njobs = 0;
  for (int i = 0; i < pop.popsize; ++i) {
    const char* gene = pop.chromosome(i);
    const int length = open_reading_frame(gene, gene_length_, classes_);
    score_cache::entry* e = nullptr;
    if (cache_ && length > 0) e = cache_->find_or_add(gene, length, njobs);
    if (e != nullptr && e->job < 0) {
      job_of_[i] = -1;
      fits[i] = {e->score.rsquare, e->score.intercept, e->score.slope, i};
    } else if (e != nullptr && e->job < njobs) {
      job_of_[i] = e->job;
    } else {
      jobs_[njobs] = {i, length, e};
      job_of_[i] = njobs++;
    }
  }
  return njobs;
}

// The one parallel loop of the fast path: one bin of jobs per thread, the
// bins dealt so that the threads finish close together even when a
// generation has only a few frames to score.
void fitness_evaluator::run_jobs(const population& pop, int njobs) {
  if (njobs == 0) return;
  const int threads = omp_get_max_threads();
  ensure_scratch(threads);
  for (int j = 0; j < njobs; ++j) {
    const job& job = jobs_[j];
    cost_[j] = estimated_cost(pop.chromosome(job.individual), job.orf_length,
                              classes_);
  }
  bins_.deal({cost_.data(), static_cast<std::size_t>(njobs)},
             std::min(threads, njobs));
#pragma omp parallel for schedule(static, 1)
  for (int b = 0; b < bins_.bins(); ++b) {
    for (const int j : bins_.jobs(b)) {
      const job& job = jobs_[j];
      done_[j] = score_job(pop.chromosome(job.individual), job.orf_length,
                           omp_get_thread_num());
    }
  }
}

orf_score fitness_evaluator::score_job(const char* gene,
                                       int orf_length,
                                       int thread) {
  flat_scratch& scratch = scratch_[thread];
  fit_record fit;
  if (orf_length == 0) {
    // No tree: the reference reports the decoding failure and scores it.
    fit = score_chromosome(gene, gene_length_, 0, tss_, functions1_,
                           functions2_, data_, scratch.output_vector());
  } else {
    flat_program& program = programs_[thread];
    decode_flat(gene, orf_length, classes_, program);
    fit =
        fit_outputs(evaluate_flat(program, columns_, scratch), data_, tss_, 0);
  }
  return {fit.rsquare, fit.intercept, fit.slope};
}

void fitness_evaluator::ensure_scratch(int threads) {
  // Function nodes below the root: fewer than the head length in a gene of
  // the layout, but room for any gene costs little.
  const int max_slots = gene_length_ - 1;
  while (static_cast<int>(scratch_.size()) < threads) {
    scratch_.emplace_back(max_slots, data_.nrows);
    programs_.emplace_back(gene_length_);
  }
}

}  // namespace gepfit
