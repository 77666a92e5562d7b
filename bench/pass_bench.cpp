// A whole pass of 200 generations with each fitness path; both must print
// the same text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_setup.h"
#include "evolve/evolve.h"

namespace gepfit::bench {
namespace {

constexpr int k_pass_rows = 10000;

// The console text of each path's last pass, to compare them.
std::map<fitness_path, std::string>& texts() {
  static std::map<fitness_path, std::string> by_path;
  return by_path;
}

std::string read_all(std::FILE* f) {
  std::string text;
  std::rewind(f);
  for (int ch; (ch = std::fgetc(f)) != EOF;)
    text.push_back(static_cast<char>(ch));
  return text;
}

void run_pass(benchmark::State& state, fitness_path path, int threads) {
  const synthetic_data& data = data_of(k_pass_rows);
  pass_settings s;
  s.max_iter = 200;
  s.r2_target = 2.0;  // never met: all 200 generations run
  s.threads = threads;
  s.fitness = path;
  for (auto _ : state) {
    std::FILE* out = std::tmpfile();
    key_record best;
    random_stream rng;
    evolve(s, data.view(), best, rng, out);
    state.PauseTiming();
    texts()[path] = read_all(out);
    std::fclose(out);
    state.ResumeTiming();
  }
  const auto& all = texts();
  const auto reference = all.find(fitness_path::tree_walk);
  if (reference != all.end() && all.at(path) != reference->second) {
    state.SkipWithError("the pass printed other text than the reference");
  }
}

}  // namespace

void register_pass_benchmarks() {
  const struct {
    const char* name;
    fitness_path path;
  } paths[] = {{"reference", fitness_path::tree_walk},
               {"fast", fitness_path::flat_reusing}};
  for (const auto& p : paths) {
    const std::string name = std::string("pass/200 generations/rows:") +
                             std::to_string(k_pass_rows) + "/threads:2/" +
                             p.name;
    benchmark::RegisterBenchmark(name.c_str(), run_pass, p.path, 2)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
  }
}

}  // namespace gepfit::bench
