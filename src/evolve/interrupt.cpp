#include "evolve/interrupt.h"

#include <csignal>

namespace gepfit {
namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void on_interrupt(int) { requested = 1; }

}  // namespace

void install_interrupt_handlers() {
  struct sigaction action {};
  action.sa_handler = on_interrupt;
  sigemptyset(&action.sa_mask);
  // The handler runs once; the next signal takes the default action.
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

void request_interrupt() { requested = 1; }
void clear_interrupt() { requested = 0; }
bool interrupt_requested() { return requested != 0; }

}  // namespace gepfit
