// Any bytes as a command line: arguments split at NUL bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "front/options.h"
#include "front/run_settings.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace gepfit;
  std::vector<std::string> args{"gepfit"};
  std::string current;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  args.push_back(current);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  run_settings settings = default_settings();
  std::FILE* sink = fuzzing::null_stream();
  if (scan_options(static_cast<int>(args.size()), argv.data(), settings, sink,
                   sink) == scan_outcome::proceed) {
    check_settings(settings, sink);
  }
  return 0;
}
