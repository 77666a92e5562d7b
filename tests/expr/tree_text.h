#ifndef GEPFIT_TESTS_EXPR_TREE_TEXT_H_
#define GEPFIT_TESTS_EXPR_TREE_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

#include "expr/etnode.h"
#include "expr/karva.h"
#include "expr/render.h"
#include "support/capture.h"

namespace gepfit::testing {

// The three symbol sets, by default those of a run over three variables.
struct alphabet {
  const char* terminals = "abc";
  const char* functions1 = "ACDELQRS";
  const char* functions2 = "+*-/^";
};

// Decodes the first `length` symbols of `gene` (all of them when -1). The
// symbols sit in a buffer of exactly that size, so that a read past the end
// shows up under a sanitizer.
inline et_ptr decode(std::string_view gene,
                     const alphabet& sets,
                     int* count = nullptr,
                     int length = -1) {
  if (length < 0) length = static_cast<int>(gene.size());
  std::vector<char> symbols(gene.begin(), gene.begin() + length);
  return build_et(symbols.data(), length, sets.terminals, sets.functions1,
                  sets.functions2, count);
}

inline std::string infix(const etnode* tree, const alphabet& sets) {
  captured_stream out;
  write_et(out.get(), tree, sets.terminals, sets.functions1, sets.functions2);
  return out.text();
}

inline std::string dump(const etnode* tree) {
  captured_stream out;
  dump_et(tree, 0, out.get());
  return out.text();
}

// The shape of a tree with the kind of every node: symbol, kind digit and,
// when it has operands, "(left)" or "(left,right)".
inline std::string outline(const etnode* node) {
  if (node == nullptr) return "_";
  std::string text{node->symbol};
  text += static_cast<char>('0' + node->kind);
  if (node->left == nullptr && node->right == nullptr) return text;
  text += "(" + outline(node->left.get());
  if (node->right != nullptr) text += "," + outline(node->right.get());
  return text + ")";
}

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_EXPR_TREE_TEXT_H_
