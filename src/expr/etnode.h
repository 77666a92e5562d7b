#ifndef GEPFIT_EXPR_ETNODE_H_
#define GEPFIT_EXPR_ETNODE_H_

#include <memory>

namespace gepfit {

// Node kinds. Note the order: 1 marks two operands, 2 marks one.
enum : int {
  k_terminal = 0,
  k_two_operand = 1,
  k_one_operand = 2,
};

// One node of an expression tree. A node owns its children, so releasing
// the root releases the whole tree.
struct etnode {
  char symbol = 0;
  int kind = k_terminal;
  std::unique_ptr<etnode> left;   // the only argument of a one-operand node
  std::unique_ptr<etnode> right;  // second argument of a two-operand node
};

using et_ptr = std::unique_ptr<etnode>;

// Releases a tree; a null tree is a no-op. The same happens when an et_ptr
// goes out of scope.
inline void free_et(et_ptr tree) { tree.reset(); }

}  // namespace gepfit

#endif  // GEPFIT_EXPR_ETNODE_H_
