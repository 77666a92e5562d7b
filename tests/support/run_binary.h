#ifndef GEPFIT_TESTS_SUPPORT_RUN_BINARY_H_
#define GEPFIT_TESTS_SUPPORT_RUN_BINARY_H_

#include <string>
#include <vector>

namespace gepfit::testing {

// What one run of a program printed, and how it ended.
struct run_result {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when it did not exit normally
};

// Runs the built gepfit with `args` (program name not included), feeding
// `input` on standard input, in the folder `cwd` when not empty.
run_result run_gepfit(const std::vector<std::string>& args,
                      const std::string& input = "",
                      const std::string& cwd = "");

// Runs the built gepkey with `args` (program name not included).
run_result run_gepkey(const std::vector<std::string>& args,
                      const std::string& input = "",
                      const std::string& cwd = "");

// Runs any program; args[0] is its path.
run_result run_command(const std::vector<std::string>& args,
                       const std::string& input = "",
                       const std::string& cwd = "");

// Path of a file under tests/data and under examples/.
std::string test_data(const std::string& name);
std::string example(const std::string& name);

// A fresh empty folder under the system's temporary folder.
std::string make_temp_dir();

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& contents);

// Replaces the figures of the timing lines ("Elapsed 0.0 seconds",
// "CPU time 0.0 seconds. Wall time 0.0 seconds") by "#", so that console
// text can be compared exactly.
std::string mask_timing(const std::string& text);

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_SUPPORT_RUN_BINARY_H_
