// gepfit: symbolic regression by Gene Expression Programming.
#include "front/program.h"

int main(int argc, char** argv) { return gepfit::run_program(argc, argv); }
