// gepkey: reads a gepfit key file back to show, apply and export its model.
#include "gepkey/cli.h"

int main(int argc, char** argv) { return gepfit::run_gepkey(argc, argv); }
