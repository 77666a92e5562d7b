#ifndef GEPFIT_FRONT_PASS_LOOP_H_
#define GEPFIT_FRONT_PASS_LOOP_H_

#include <cstdio>

#include "front/dataset.h"
#include "front/run_settings.h"

namespace gepfit {

// Runs up to settings.npass GEP passes on `data`, appending each improved
// pass's scaled formula as a new input variable, prints the progress and
// timing on `out`, and writes the key file when an output path was given.
void run_passes(const run_settings& settings, dataset& data, std::FILE* out);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_PASS_LOOP_H_
