#ifndef GEPFIT_FRONT_SCREENING_H_
#define GEPFIT_FRONT_SCREENING_H_

#include <cstdio>

#include "front/dataset.h"
#include "front/run_settings.h"

namespace gepfit {

// Fits the target against each input variable alone by least squares and
// prints every R-square on `out`. When one beats settings.r2_target
// (strictly), reports the best, the earliest letter among equals, with
// its fitted line and returns true: the run ends here. Needs at least one
// observation.
bool screen_variables(const run_settings& settings,
                      const dataset& data,
                      std::FILE* out);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_SCREENING_H_
