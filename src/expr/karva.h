#ifndef GEPFIT_EXPR_KARVA_H_
#define GEPFIT_EXPR_KARVA_H_

#include "expr/etnode.h"

namespace gepfit {

// Decodes a gene in Karva notation, breadth first, into an expression tree.
// Reads at most `length` symbols of `gene` (no terminator needed). The class
// of a symbol: in `terminals` -> terminal; else in `functions1` -> one
// operand; else two operands (the first symbol only when in `functions2`).
// When `count` is given it receives the open reading frame length.
// When the symbols run out with slots open, prints "pos=.., len=.., count=.."
// and "ERROR!" on standard output and returns null.
// Keeps no state: safe to call from many threads at once.
et_ptr build_et(const char* gene,
                int length,
                const char* terminals,
                const char* functions1,
                const char* functions2,
                int* count);

}  // namespace gepfit

#endif  // GEPFIT_EXPR_KARVA_H_
