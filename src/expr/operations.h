#ifndef GEPFIT_EXPR_OPERATIONS_H_
#define GEPFIT_EXPR_OPERATIONS_H_

#include <cmath>

namespace gepfit {

// What each function symbol computes, in one place: the tree walker and the
// flat evaluator both call these, so their results agree bit for bit (the
// flat evaluator rounds through an equivalent that its tests hold to
// std::round's bits). Inline so that loops over blocks of rows can
// vectorise them.
enum class operation : unsigned char {
  zero,  // a symbol without an operation
  add,
  subtract,
  multiply,
  divide,
  power,
  absolute,
  cosine,
  cube_root,
  exponential,
  logarithm,
  square_root,
  round,
  sine,
};

// The operation of a function symbol, whatever its arity.
constexpr operation operation_of(char symbol) {
  switch (symbol) {
    case '+':
      return operation::add;
    case '-':
      return operation::subtract;
    case '*':
      return operation::multiply;
    case '/':
      return operation::divide;
    case '^':
      return operation::power;
    case 'A':
      return operation::absolute;
    case 'C':
      return operation::cosine;
    case 'D':
      return operation::cube_root;
    case 'E':
      return operation::exponential;
    case 'L':
      return operation::logarithm;
    case 'Q':
      return operation::square_root;
    case 'R':
      return operation::round;
    case 'S':
      return operation::sine;
    default:
      return operation::zero;
  }
}

namespace ops {

// The compiler may swap the operands of a commutative operation, and the
// processor passes on the NaN of its first operand when both are NaN.
// Giving a NaN a in place of b pins the result to a's NaN (quieted, as
// a + b would leave it) however the expression is compiled; a select of
// inputs also keeps loops over these operations vectorisable.
inline double add(double a, double b) { return a + (a != a ? a : b); }
inline double multiply(double a, double b) { return a * (a != a ? a : b); }
inline double subtract(double a, double b) { return a - b; }

// A zero divisor gives the negated sign of the dividend instead of an
// infinity; a NaN divisor is not zero and divides as usual.
inline double divide(double a, double b) {
  if (b != 0.0) return a / b;
  if (a < 0.0) return 1.0;
  if (a > 0.0) return -1.0;
  return 0.0;
}

inline double power(double a, double b) { return std::pow(std::fabs(a), b); }
inline double absolute(double a) { return std::fabs(a); }
inline double cosine(double a) { return std::cos(a); }

// The cube root through pow with the double nearest one third, the sign
// restored afterwards; a zero or NaN argument has sign factor 0.
inline double cube_root(double a) {
  const double s = a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : 0.0);
  return s * std::pow(std::fabs(a), 0.3333333333333333);
}

inline double exponential(double a) { return std::exp(a); }
inline double logarithm(double a) { return std::log(std::fabs(a)); }
inline double square_root(double a) { return std::sqrt(std::fabs(a)); }
// Halfway cases away from zero.
inline double round(double a) { return std::round(a); }
inline double sine(double a) { return std::sin(a); }

}  // namespace ops
}  // namespace gepfit

#endif  // GEPFIT_EXPR_OPERATIONS_H_
