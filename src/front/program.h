#ifndef GEPFIT_FRONT_PROGRAM_H_
#define GEPFIT_FRONT_PROGRAM_H_

namespace gepfit {

// The whole program: options, loading, screening and the passes. Console
// output goes to standard output and standard error, the y/n answer comes
// from standard input. Returns the exit status, 0 on every path.
int run_program(int argc, char** argv);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_PROGRAM_H_
