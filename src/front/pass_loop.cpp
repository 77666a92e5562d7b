#include "front/pass_loop.h"

namespace gepfit {

void run_passes(const run_settings&, dataset&, std::FILE*) {}

}  // namespace gepfit
