#include "expr/karva.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "expr/symbol_set.h"

namespace gepfit {
namespace {

struct symbol_sets {
  const char* terminals;
  const char* functions1;
  const char* functions2;
};

// Class of a symbol in the body of a gene: anything that is neither a
// terminal nor one-operand takes two operands.
int body_kind(const symbol_sets& sets, char symbol) {
  if (in_set(sets.terminals, symbol)) return k_terminal;
  if (in_set(sets.functions1, symbol)) return k_one_operand;
  return k_two_operand;
}

// Change in the number of open argument slots when a node of `kind` fills
// one of them.
int slot_change(int kind) {
  switch (kind) {
    case k_terminal:
      return -1;
    case k_one_operand:
      return 0;
    default:
      return 1;
  }
}

et_ptr new_node(char symbol, int kind) {
  auto node = std::make_unique<etnode>();
  node->symbol = symbol;
  node->kind = kind;
  return node;
}

// Gives `child` to `parent`; true when the parent has all its operands.
bool attach(etnode* parent, et_ptr child) {
  if (parent->kind == k_two_operand && parent->left == nullptr) {
    parent->left = std::move(child);
    return false;
  }
  if (parent->kind == k_two_operand) {
    parent->right = std::move(child);
  } else {
    parent->left = std::move(child);
  }
  return true;
}

}  // namespace

et_ptr build_et(const char* gene,
                int length,
                const char* terminals,
                const char* functions1,
                const char* functions2,
                int* count) {
  const symbol_sets sets{terminals, functions1, functions2};
  int used = 0;
  auto report = [&] {
    if (count != nullptr) *count = used;
  };
  report();
  if (length < 1) return nullptr;

  // The root: a terminal ends the reading; a first symbol in no set has no
  // defined reading and gives no tree.
  const char first = gene[0];
  int root_kind;
  if (in_set(terminals, first)) {
    root_kind = k_terminal;
  } else if (in_set(functions1, first)) {
    root_kind = k_one_operand;
  } else if (in_set(functions2, first)) {
    root_kind = k_two_operand;
  } else {
    return nullptr;
  }
  et_ptr root = new_node(first, root_kind);
  used = 1;
  if (root_kind == k_terminal) {
    report();
    return root;
  }
  int open = root_kind == k_two_operand ? 2 : 1;
  int pos = 1;

  // Parents of the level being filled, and the function nodes of the next
  // level in the order they were read. The nodes belong to the tree.
  std::vector<etnode*> level{root.get()};
  std::vector<etnode*> next;
  while (open > 0 && pos < length) {
    next.clear();
    std::size_t cursor = 0;
    while (cursor < level.size() && open > 0 && pos < length) {
      const char symbol = gene[pos];
      const int kind = body_kind(sets, symbol);
      et_ptr node = new_node(symbol, kind);
      open += slot_change(kind);
      ++used;
      ++pos;
      if (kind != k_terminal) next.push_back(node.get());
      if (attach(level[cursor], std::move(node))) ++cursor;
    }
    level.swap(next);
  }
  report();

  if (open > 0) {
    std::printf("pos=%d, len=%d, count=%d\n", pos, length, open);
    std::printf("ERROR!\n");
    return nullptr;
  }
  return root;
}

}  // namespace gepfit
