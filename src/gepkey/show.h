#ifndef GEPFIT_GEPKEY_SHOW_H_
#define GEPFIT_GEPKEY_SHOW_H_

#include <cstdio>

#include "gepkey/input_names.h"
#include "gepkey/key_model.h"

namespace gepfit {

struct show_options {
  key_source key;
  name_source names;
};

// Prints the model of a key file on `out`: the inputs, every appended
// variable as a scaled formula in gepfit's infix form with its R-square,
// and last the final model over the inputs alone. Returns the exit status;
// errors go to `err`.
int run_show(const show_options& options, std::FILE* out, std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_SHOW_H_
