#ifndef GEPFIT_EVOLVE_INTERRUPT_H_
#define GEPFIT_EVOLVE_INTERRUPT_H_

namespace gepfit {

// A request to end the run early (Ctrl-C or SIGTERM): the current pass
// ends after its generation as if it had reached its iteration limit, and
// no further pass runs, so the work done so far is reported and kept.

// Installs handlers for SIGINT and SIGTERM that only set the request. A
// second signal of the same kind ends the program at once.
void install_interrupt_handlers();

// Sets the request, as the handlers do; for tests.
void request_interrupt();
void clear_interrupt();
bool interrupt_requested();

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_INTERRUPT_H_
