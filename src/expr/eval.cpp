#include "expr/eval.h"

#include <cmath>
#include <cstdio>

namespace gepfit {
namespace {

// A zero divisor gives the negated sign of the dividend instead of an
// infinity; a NaN divisor is not zero and divides as usual.
double protected_divide(double a, double b) {
  if (b != 0.0) return a / b;
  if (a < 0.0) return 1.0;
  if (a > 0.0) return -1.0;
  return 0.0;
}

// The cube root through pow with the double nearest one third, the sign
// restored afterwards; a zero or NaN argument has sign factor 0.
double signed_cube_root(double a) {
  const double s = a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : 0.0);
  return s * std::pow(std::fabs(a), 0.3333333333333333);
}

}  // namespace

double apply_function(char symbol, double a, double b) {
  switch (symbol) {
    case '+':
      return a + b;
    case '-':
      return a - b;
    case '*':
      return a * b;
    case '/':
      return protected_divide(a, b);
    case '^':
      return std::pow(std::fabs(a), b);
    case 'A':
      return std::fabs(a);
    case 'C':
      return std::cos(a);
    case 'D':
      return signed_cube_root(a);
    case 'E':
      return std::exp(a);
    case 'L':
      return std::log(std::fabs(a));
    case 'Q':
      return std::sqrt(std::fabs(a));
    case 'R':
      return std::round(a);
    case 'S':
      return std::sin(a);
    default:
      return 0.0;
  }
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
