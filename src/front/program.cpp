#include "front/program.h"

namespace gepfit {

int run_program(int, char**) { return 0; }

}  // namespace gepfit
