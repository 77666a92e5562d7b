#include "gepkey/emit_tree.h"

#include <algorithm>
#include <charconv>

namespace gepfit {
namespace {

struct emitted {
  std::string text;
  int nesting = 0;  // function calls below and including the top one
};

class tree_emitter {
 public:
  tree_emitter(const key_model& model, int k, const code_language& language)
      : model_(model), k_(k), language_(language) {}

  emitted emit(const etnode* node) const {
    if (node == nullptr) return {language_.zero, 0};
    if (node->kind == k_terminal) return {terminal(node->symbol), 0};
    const emitted a = emit(node->left.get());
    const emitted b = emit(node->right.get());
    emitted result{language_.apply(node->symbol, a.text, b.text),
                   1 + std::max(a.nesting, b.nesting)};
    if (language_.hoist && result.nesting >= language_.max_nesting) {
      return {language_.hoist(result.text), 0};
    }
    return result;
  }

 private:
  std::string terminal(char symbol) const {
    const int index = variable_index(model_, k_, symbol);
    if (index == model_.initial_nvars() + k_) return language_.zero;
    return language_.variable(index);
  }

  const key_model& model_;
  int k_;
  const code_language& language_;
};

}  // namespace

std::string emit_record(const key_model& model,
                        int k,
                        const code_language& language) {
  const et_ptr tree = decode_record(model, k);
  return tree_emitter(model, k, language).emit(tree.get()).text;
}

std::string shortest_text(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

}  // namespace gepfit
