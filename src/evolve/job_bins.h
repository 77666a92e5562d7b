#ifndef GEPFIT_EVOLVE_JOB_BINS_H_
#define GEPFIT_EVOLVE_JOB_BINS_H_

#include <span>
#include <vector>

namespace gepfit {

// Shares jobs of known estimated cost among a number of bins, one per
// thread, so that the bins' total costs come out close: the most costly
// job first, each into the bin with the least cost so far (the first such
// bin on a tie). The sharing depends only on the costs, and no result
// depends on it. Allocates only when a call needs more room than before.
class job_bins {
 public:
  // Shares jobs 0 to cost.size() - 1 among `bins` bins (at least 1).
  void deal(std::span<const int> cost, int bins);

  int bins() const { return static_cast<int>(start_.size()) - 1; }
  // The jobs of bin b, most costly first.
  std::span<const int> jobs(int b) const {
    return {grouped_.data() + start_[b], grouped_.data() + start_[b + 1]};
  }

 private:
  std::vector<int> order_;    // the jobs, most costly first
  std::vector<int> bin_of_;   // by job
  std::vector<long> load_;    // by bin: its cost so far
  std::vector<int> start_;    // by bin: where its jobs begin in grouped_
  std::vector<int> cursor_;   // by bin: where its next job goes
  std::vector<int> grouped_;  // the jobs, bin by bin
};

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_JOB_BINS_H_
