#ifndef GEPFIT_FRONT_OPTIONS_H_
#define GEPFIT_FRONT_OPTIONS_H_

#include <cstdio>

#include "front/run_settings.h"

namespace gepfit {

enum class scan_outcome { proceed, stop };

// Reads the options and positional arguments of argv[1..argc-1] into
// `settings`. Option errors and "Argument count error." go to `out`, the
// help to `err`. Returns stop when the run must end now (a bad option,
// a bad -o/-O word, or -! after printing the help).
scan_outcome scan_options(int argc,
                          char** argv,
                          run_settings& settings,
                          std::FILE* out,
                          std::FILE* err);

// Checks the values in a fixed order and reports the first failure on
// `err`; returns false when the run must end. A thread count below 1 is
// replaced by the OpenMP runtime's default.
bool check_settings(run_settings& settings, std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_OPTIONS_H_
