#include "expr/eval.h"

#include <cstdio>

#include "expr/operations.h"

namespace gepfit {

double apply_function(char symbol, double a, double b) {
  switch (operation_of(symbol)) {
    case operation::add:
      return ops::add(a, b);
    case operation::subtract:
      return ops::subtract(a, b);
    case operation::multiply:
      return ops::multiply(a, b);
    case operation::divide:
      return ops::divide(a, b);
    case operation::power:
      return ops::power(a, b);
    case operation::absolute:
      return ops::absolute(a);
    case operation::cosine:
      return ops::cosine(a);
    case operation::cube_root:
      return ops::cube_root(a);
    case operation::exponential:
      return ops::exponential(a);
    case operation::logarithm:
      return ops::logarithm(a);
    case operation::square_root:
      return ops::square_root(a);
    case operation::round:
      return ops::round(a);
    case operation::sine:
      return ops::sine(a);
    case operation::zero:
      break;
  }
  return 0.0;
}

// An absent node, the missing operand of a function, counts as 0.0.
double eval_etnode(const etnode* node,
                   const char* terminals,
                   const double* row) {
  if (node == nullptr) return 0.0;
  if (node->kind == k_terminal) {
    for (int k = 0; terminals[k] != '\0'; ++k) {
      if (terminals[k] == node->symbol) return row[k];
    }
    std::printf("Error in eval_etnode(): %c not found in terminal set. \n",
                node->symbol);
    return 0.0;
  }
  const double a = eval_etnode(node->left.get(), terminals, row);
  const double b = eval_etnode(node->right.get(), terminals, row);
  return apply_function(node->symbol, a, b);
}

}  // namespace gepfit
