#include "evolve/job_bins.h"

#include <algorithm>
#include <numeric>

namespace gepfit {

void job_bins::deal(std::span<const int> cost, int bins) {
  order_.resize(cost.size());
  std::iota(order_.begin(), order_.end(), 0);
  std::sort(order_.begin(), order_.end(), [&](int a, int b) {
    return cost[a] != cost[b] ? cost[a] > cost[b] : a < b;
  });
  load_.assign(static_cast<std::size_t>(bins), 0);
  bin_of_.resize(cost.size());
  for (const int j : order_) {
    const auto least = std::min_element(load_.begin(), load_.end());
    *least += cost[j];
    bin_of_[j] = static_cast<int>(least - load_.begin());
  }
  // Group the jobs by bin, each bin's in dealing order.
  start_.assign(static_cast<std::size_t>(bins) + 1, 0);
  for (const int j : order_) ++start_[bin_of_[j] + 1];
  std::partial_sum(start_.begin(), start_.end(), start_.begin());
  cursor_.assign(start_.begin(), start_.end() - 1);
  grouped_.resize(cost.size());
  for (const int j : order_) grouped_[cursor_[bin_of_[j]]++] = j;
}

}  // namespace gepfit
