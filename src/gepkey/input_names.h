#ifndef GEPFIT_GEPKEY_INPUT_NAMES_H_
#define GEPFIT_GEPKEY_INPUT_NAMES_H_

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace gepfit {

// Where the names of the inputs come from: a comma-separated list, the
// header line of a data file, or (both empty) their letters a, b, c, ...
struct name_source {
  std::string names;
  std::string header_path;
};

// One name per input, `ninputs` of them. A list must name every input and
// no more; a header names the inputs by the columns after the target, and
// may have more. Prints what is wrong on `err` and returns nothing when a
// source does not name the inputs.
std::optional<std::vector<std::string>> input_names(const name_source& source,
                                                    int ninputs,
                                                    std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_INPUT_NAMES_H_
