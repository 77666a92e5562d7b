#include "expr/render.h"

#include "expr/symbol_set.h"

namespace gepfit {
namespace {

// The printed name of a one-operand function; null for a symbol without
// one, which is written as its bare parentheses.
const char* function_name(char symbol) {
  switch (symbol) {
    case 'A':
      return "abs";
    case 'C':
      return "cos";
    case 'D':
      return "cbrt";
    case 'E':
      return "exp";
    case 'L':
      return "log";
    case 'Q':
      return "sqrt";
    case 'R':
      return "round";
    case 'S':
      return "sin";
    default:
      return nullptr;
  }
}

}  // namespace

// The form follows set membership rather than the node's kind, so a
// terminal that is also a function symbol prints as a function.
void write_et(std::FILE* stream,
              const etnode* node,
              const char* terminals,
              const char* functions1,
              const char* functions2) {
  if (node == nullptr) return;
  if (in_set(functions2, node->symbol)) {
    std::fputc('(', stream);
    write_et(stream, node->left.get(), terminals, functions1, functions2);
    std::fprintf(stream, "%c", node->symbol);
    write_et(stream, node->right.get(), terminals, functions1, functions2);
    std::fputc(')', stream);
  } else if (in_set(functions1, node->symbol)) {
    if (const char* name = function_name(node->symbol)) {
      std::fprintf(stream, "%s", name);
    }
    std::fputc('(', stream);
    write_et(stream, node->left.get(), terminals, functions1, functions2);
    std::fputc(')', stream);
  } else {
    std::fprintf(stream, "%c", node->symbol);
  }
}

void dump_et(const etnode* node, int depth, std::FILE* stream) {
  if (node == nullptr) return;
  for (int i = 0; i < depth; ++i) std::fputc('.', stream);
  std::fprintf(stream, "%c\n", node->symbol);
  dump_et(node->left.get(), depth + 1, stream);
  dump_et(node->right.get(), depth + 1, stream);
}

}  // namespace gepfit
