#ifndef GEPFIT_EXPR_EVAL_H_
#define GEPFIT_EXPR_EVAL_H_

#include "expr/etnode.h"

namespace gepfit {

// The value of a tree on one row; element k of the row is terminal k.
// The operation is chosen by symbol, not by kind; both subtrees are
// evaluated when present, left first. A terminal missing from `terminals`
// prints a message on standard output and gives 0.0. Allocates nothing and
// keeps no state.
double eval_etnode(const etnode* node, const char* terminals, const double* row);

// The operation of a function symbol on its arguments (b is 0.0 for a
// one-operand node); 0.0 for a symbol without an operation.
double apply_function(char symbol, double a, double b);

}  // namespace gepfit

#endif  // GEPFIT_EXPR_EVAL_H_
