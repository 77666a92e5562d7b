// Runs the benchmarks, then prints reference / fast ratios from the same
// run, and the loading figures.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_setup.h"

namespace gepfit::bench {
namespace {

// Keeps the wall time per iteration and the counters of every run while
// printing as usual.
class recording_reporter : public benchmark::ConsoleReporter {
 public:
  struct result {
    double seconds;
    std::map<std::string, double> counters;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      result& r = results_[run.run_name.function_name];
      r.seconds = run.real_accumulated_time / run.iterations;
      for (const auto& [name, counter] : run.counters) {
        r.counters[name] = counter.value;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const result* find(const std::string& name) const {
    const auto it = results_.find(name);
    return it == results_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, result> results_;
};

double seconds_of(const recording_reporter& r, const std::string& name) {
  const auto* result = r.find(name);
  return result == nullptr ? 0.0 : result->seconds;
}

// "a / b" of two runs' times, or "-" when either is missing.
void print_ratio(const recording_reporter& r,
                 const std::string& label,
                 const std::string& a,
                 const std::string& b) {
  const double ta = seconds_of(r, a), tb = seconds_of(r, b);
  if (ta > 0 && tb > 0) {
    std::printf("  %-58s %7.2f\n", label.c_str(), ta / tb);
  } else {
    std::printf("  %-58s %7s\n", label.c_str(), "-");
  }
}

std::string generation(const std::string& sets,
                       const std::string& kind,
                       int popsize,
                       int nrows,
                       int threads,
                       const std::string& path) {
  return "generation/" + sets + "/" + kind + "/pop:" + std::to_string(popsize) +
         "/rows:" + std::to_string(nrows) +
         "/threads:" + std::to_string(threads) + "/" + path;
}

void print_generation_ratios(const recording_reporter& r) {
  std::printf("\nreference / fast, one generation (same threads):\n");
  const struct {
    const char* sets;
    int popsize;
    int nrows;
  } cases[] = {{"default", 100, 1000},    {"default", 100, 10000},
               {"default", 100, 100000},  {"default", 1000, 1000},
               {"default", 1000, 10000},  {"default", 1000, 100000},
               {"arithmetic", 100, 10000}};
  for (const char* kind : {"evolved", "random"}) {
    for (const auto& c : cases) {
      for (int threads : {1, 2}) {
        const std::string label = std::string(c.sets) + " " + kind + " pop " +
                                  std::to_string(c.popsize) + " rows " +
                                  std::to_string(c.nrows) + " threads " +
                                  std::to_string(threads);
        print_ratio(
            r, label,
            generation(c.sets, kind, c.popsize, c.nrows, threads, "reference"),
            generation(c.sets, kind, c.popsize, c.nrows, threads, "fast"));
      }
    }
  }
  std::printf(
      "\nreference / flat evaluator without reuse, pop 100 rows 10000:\n");
  for (const char* sets : {"default", "arithmetic"}) {
    for (const char* kind : {"evolved", "random"}) {
      for (int threads : {1, 2}) {
        const std::string label = std::string(sets) + " " + kind + " threads " +
                                  std::to_string(threads);
        print_ratio(r, label,
                    generation(sets, kind, 100, 10000, threads, "reference"),
                    generation(sets, kind, 100, 10000, threads, "flat"));
      }
    }
  }
  std::printf("\nreference on 1 thread / fast on 2 threads:\n");
  for (const char* kind : {"evolved", "random"}) {
    const std::string label =
        std::string("default ") + kind + " pop 100 rows 10000";
    print_ratio(r, label,
                generation("default", kind, 100, 10000, 1, "reference"),
                generation("default", kind, 100, 10000, 2, "fast"));
  }
  std::printf("\nthread scaling of the fast path, 1 thread / 2 threads:\n");
  for (const char* kind : {"evolved", "random"}) {
    for (int popsize : {100, 1000}) {
      for (int nrows : {10000, 100000}) {
        const std::string label = std::string("default ") + kind + " pop " +
                                  std::to_string(popsize) + " rows " +
                                  std::to_string(nrows);
        print_ratio(r, label,
                    generation("default", kind, popsize, nrows, 1, "fast"),
                    generation("default", kind, popsize, nrows, 2, "fast"));
      }
    }
  }
}

void print_pass_and_load(const recording_reporter& r) {
  std::printf("\nwhole pass, reference / fast:\n");
  print_ratio(r, "200 generations rows 10000 threads 2",
              "pass/200 generations/rows:10000/threads:2/reference",
              "pass/200 generations/rows:10000/threads:2/fast");
  if (const auto* load = r.find("load/rows:1000000/columns:6")) {
    std::printf(
        "\nloading 10^6 rows x 6 columns: %.1f MB/s, peak %.1f MB "
        "(%.1f MB more than before loading)\n",
        load->counters.at("bytes_per_second") / 1e6,
        load->counters.at("peak_MB"), load->counters.at("growth_MB"));
  }
}

}  // namespace
}  // namespace gepfit::bench

int main(int argc, char** argv) {
  using namespace gepfit::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Loading first, while the process holds little else.
  register_load_benchmarks();
  register_generation_benchmarks();
  register_pass_benchmarks();
  recording_reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  print_generation_ratios(reporter);
  print_pass_and_load(reporter);
  benchmark::Shutdown();
  return 0;
}
