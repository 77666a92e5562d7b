#ifndef GEPFIT_EXPR_RENDER_H_
#define GEPFIT_EXPR_RENDER_H_

#include <cstdio>

#include "expr/etnode.h"

namespace gepfit {

// Writes the tree as a fully parenthesised infix formula, no newline. The
// class of a node is decided by membership, functions2 first.
void write_et(std::FILE* stream,
              const etnode* node,
              const char* terminals,
              const char* functions1,
              const char* functions2);

// Prints the tree in preorder, one node per line, preceded by one dot per
// level of depth (the top call passes depth 0).
void dump_et(const etnode* node, int depth, std::FILE* stream = stdout);

}  // namespace gepfit

#endif  // GEPFIT_EXPR_RENDER_H_
