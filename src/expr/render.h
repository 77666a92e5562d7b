#ifndef GEPFIT_EXPR_RENDER_H_
#define GEPFIT_EXPR_RENDER_H_

#include <cstdio>
#include <functional>

#include "expr/etnode.h"

namespace gepfit {

// Writes the tree as a fully parenthesised infix formula, no newline. The
// class of a node is decided by membership, functions2 first.
void write_et(std::FILE* stream,
              const etnode* node,
              const char* terminals,
              const char* functions1,
              const char* functions2);

// Writes what stands for a terminal in write_et's formula: every node
// whose symbol is in neither function set, given that symbol.
using terminal_writer = std::function<void(std::FILE* stream, char symbol)>;

// write_et with the terminals written by `write_terminal`, for callers
// that name variables or put a formula in their place.
void write_et_with(std::FILE* stream,
                   const etnode* node,
                   const char* functions1,
                   const char* functions2,
                   const terminal_writer& write_terminal);

// Prints the tree in preorder, one node per line, preceded by one dot per
// level of depth (the top call passes depth 0).
void dump_et(const etnode* node, int depth, std::FILE* stream = stdout);

}  // namespace gepfit

#endif  // GEPFIT_EXPR_RENDER_H_
