#ifndef GEPFIT_FRONT_LOADER_H_
#define GEPFIT_FRONT_LOADER_H_

#include <cstdio>
#include <optional>

#include "front/dataset.h"
#include "front/run_settings.h"

namespace gepfit {

// Reads settings.infile into a dataset: detects a header, settles the
// number of input variables (asking y/n on `out`, answered from
// `answers_in`, when the file has more than max_vars input columns), reads
// up to max_rows observations, then prints the reading report and the
// echo of the first rows on `out`. The file is read once from start to
// end, so it may be a pipe. Returns nothing after printing the message of
// a failure: no infile, a file that cannot be opened, an empty file, a
// first line without a field, or the answer no.
std::optional<dataset> load_dataset(const run_settings& settings,
                                    std::FILE* answers_in,
                                    std::FILE* out);

// The same reading for a program that applies a fitted model to a file:
// no question (the first max_vars input columns are taken when the file
// has more), no report and no echo. Returns nothing after printing the
// message of a failure, the same messages as load_dataset, on `errors`.
std::optional<dataset> load_dataset_quietly(const run_settings& settings,
                                            std::FILE* errors);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_LOADER_H_
