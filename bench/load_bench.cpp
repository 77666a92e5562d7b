// Loading a data file of 10^6 rows and 6 columns: throughput and the peak
// memory of the process while loading.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_setup.h"
#include "front/loader.h"

namespace gepfit::bench {
namespace {

constexpr int k_load_rows = 1000000;

// A text file of k_load_rows rows: the target and 5 inputs. Removed when
// the program ends.
class data_file {
 public:
  data_file() {
    char name[] = "/tmp/gepfit_load_XXXXXX";
    const int fd = mkstemp(name);
    close(fd);
    path_ = name;
    std::FILE* f = std::fopen(name, "w");
    for (int i = 0; i < k_load_rows; ++i) {
      const double x = i * 0.001;
      std::fprintf(f, "%.6f,%.6f,%.6f,%.6f,%.6f,%.6f\n", 3.0 * x + 1.0, x,
                   -x * 0.5, x * x, 1.0 / (1.0 + x), 7.25);
    }
    std::fclose(f);
    std::ifstream in(path_, std::ios::ate | std::ios::binary);
    bytes_ = static_cast<long>(in.tellg());
  }
  ~data_file() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }
  long bytes() const { return bytes_; }

 private:
  std::string path_;
  long bytes_ = 0;
};

// A figure of /proc/self/status in MB, such as "VmHWM" (peak resident set).
double status_mb(const char* field) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = std::string(field) + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(prefix, 0) == 0) {
      return std::atof(line.c_str() + prefix.size()) / 1024.0;
    }
  }
  return 0.0;
}

// Lets VmHWM start again from the current resident set.
void reset_peak() {
  std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
  if (f == nullptr) return;
  std::fputs("5", f);
  std::fclose(f);
}

void run_load(benchmark::State& state) {
  static const data_file file;
  run_settings settings = default_settings();
  settings.has_infile = true;
  settings.infile = file.path();
  settings.max_rows = k_load_rows;
  std::FILE* sink = std::fopen("/dev/null", "w+");
  double peak = 0.0, before = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    reset_peak();
    before = status_mb("VmRSS");
    state.ResumeTiming();
    const auto data = load_dataset(settings, sink, sink);
    if (!data || data->nrows != k_load_rows) state.SkipWithError("not loaded");
    peak = status_mb("VmHWM");
  }
  std::fclose(sink);
  state.SetBytesProcessed(state.iterations() * file.bytes());
  state.counters["peak_MB"] = peak;
  state.counters["growth_MB"] = peak - before;
}

}  // namespace

void register_load_benchmarks() {
  benchmark::RegisterBenchmark("load/rows:1000000/columns:6", run_load)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(3);
}

}  // namespace gepfit::bench
