#ifndef GEPFIT_GEPKEY_MODEL_DATA_H_
#define GEPFIT_GEPKEY_MODEL_DATA_H_

#include <cstdio>
#include <optional>
#include <string>

#include "front/dataset.h"
#include "front/run_settings.h"

namespace gepfit {

// Loads a data file with gepfit's rules and without a word on success;
// a failure's message, gepfit's own, goes to `err` as a gepkey error.
std::optional<dataset> load_data_quietly(const run_settings& settings,
                                         std::FILE* err);

// The rows a model with `ninputs` inputs is applied to, read with
// gepfit's rules from every row of the file. With `has_target` the first
// column is the target and the next ninputs are the inputs; without it
// the first ninputs columns are the inputs, `target` stays empty and
// names[0] is "" so that names[1 + k] still names input k. Columns past
// the model's are not read. Prints what is wrong on `err` and returns
// nothing when the file cannot be read or has too few columns.
std::optional<dataset> load_model_data(const std::string& path,
                                       int ninputs,
                                       bool has_target,
                                       std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_MODEL_DATA_H_
