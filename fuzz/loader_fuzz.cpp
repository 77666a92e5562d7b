// Any bytes as a data file, with any -v and -n, and any answers to the
// question about extra columns.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "front/loader.h"
#include "front/run_settings.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace gepfit;
  fuzzing::byte_reader input(data, size);
  run_settings settings = default_settings();
  settings.max_vars = 1 + input.byte() % 30;
  settings.max_rows = 2 + input.byte() % 64;
  const std::string answers = input.symbols(input.byte() % 4);
  const std::string contents = input.rest();

  static const std::string path =
      "/tmp/gepfit-loader-fuzz-" + std::to_string(getpid());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(contents.data(), 1, contents.size(), file);
  std::fclose(file);
  settings.has_infile = true;
  settings.infile = path;

  std::FILE* answers_in =
      fmemopen(const_cast<char*>(answers.data()), answers.size() + 1, "r");
  if (answers_in == nullptr) return 0;
  load_dataset(settings, answers_in, fuzzing::null_stream());
  std::fclose(answers_in);
  return 0;
}
