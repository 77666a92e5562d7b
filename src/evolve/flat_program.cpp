#include "evolve/flat_program.h"

#include <cassert>

namespace gepfit {

symbol_classes::symbol_classes(const char* terminals,
                               const char* functions1,
                               const char* functions2) {
  // Later sets first, so that the earlier set wins for a symbol in two.
  body_arity_.fill(2);
  root_arity_.fill(-1);
  for (const char* p = functions2; *p != '\0'; ++p) root_arity_[index(*p)] = 2;
  for (const char* p = functions1; *p != '\0'; ++p) {
    body_arity_[index(*p)] = 1;
    root_arity_[index(*p)] = 1;
  }
  for (int k = 0; terminals[k] != '\0'; ++k) {
    const unsigned char s = index(terminals[k]);
    if (body_arity_[s] == 0) continue;  // an earlier position holds it
    body_arity_[s] = 0;
    root_arity_[s] = 0;
    column_[s] = k;
  }
}

int open_reading_frame(const char* gene,
                       int length,
                       const symbol_classes& classes) {
  if (length < 1) return 0;
  int open = classes.root_arity(gene[0]);
  if (open < 0) return 0;
  int pos = 1;
  while (open > 0) {
    if (pos >= length) return 0;
    open += classes.body_arity(gene[pos]) - 1;
    ++pos;
  }
  return pos;
}

void decode_flat(const char* gene,
                 int orf_length,
                 const symbol_classes& classes,
                 flat_program& program) {
  assert(orf_length >= 1 &&
         orf_length <= static_cast<int>(program.nodes.size()));
  int next_arg = 1;
  program.slots = 0;
  for (int i = 0; i < orf_length; ++i) {
    const char symbol = gene[i];
    flat_node& node = program.nodes[i];
    node.arity =
        i == 0 ? classes.root_arity(symbol) : classes.body_arity(symbol);
    if (node.arity == 0) {
      node.column = classes.column(symbol);
      continue;
    }
    node.op = operation_of(symbol);
    node.first_arg = next_arg;
    next_arg += node.arity;
    if (i > 0) node.slot = program.slots++;
  }
  program.size = orf_length;
}

}  // namespace gepfit
