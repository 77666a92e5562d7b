#ifndef GEPFIT_FRONT_USAGE_H_
#define GEPFIT_FRONT_USAGE_H_

#include <cstdio>

namespace gepfit {

// The 21 usage lines with the built-in defaults; `prog` is the program
// name as invoked.
void print_usage(std::FILE* out, const char* prog);

// The one-line banner printed before the arguments are scanned.
void print_banner(std::FILE* err);

// The 13 lines of extended help (-!).
void print_help(std::FILE* err);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_USAGE_H_
