#ifndef GEPFIT_GEPKEY_CLI_H_
#define GEPFIT_GEPKEY_CLI_H_

namespace gepfit {

// Parses gepkey's command line and runs its command; returns the exit
// status: 0 on success, non-zero after an error on standard error.
int run_gepkey(int argc, char** argv);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_CLI_H_
