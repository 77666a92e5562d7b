#include "evolve/job_bins.h"

#include <gtest/gtest.h>

#include <vector>

namespace gepfit {
namespace {

TEST(JobBinsTest, DealsTheMostCostlyJobFirstToTheLeastLoadedBin) {
  struct Case {
    const char* name;
    std::vector<int> cost;
    int bins;
    std::vector<std::vector<int>> expected;  // jobs by bin
  } cases[] = {
      {"one bin: all jobs, most costly first", {1, 3, 2}, 1, {{1, 2, 0}}},
      {"two bins, totals 8 and 7", {5, 1, 4, 2, 3}, 2, {{0, 3, 1}, {2, 4}}},
      {"equal costs alternate, earlier jobs first",
       {2, 2, 2},
       2,
       {{0, 2}, {1}}},
      {"as many bins as jobs", {1, 9}, 2, {{1}, {0}}},
  };
  job_bins bins;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bins.deal(c.cost, c.bins);
    ASSERT_EQ(bins.bins(), c.bins);
    for (int b = 0; b < c.bins; ++b) {
      const auto jobs = bins.jobs(b);
      EXPECT_EQ(std::vector<int>(jobs.begin(), jobs.end()), c.expected[b])
          << "bin " << b;
    }
  }
}

}  // namespace
}  // namespace gepfit
