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
void write_et_with(std::FILE* stream,
                   const etnode* node,
                   const char* functions1,
                   const char* functions2,
                   const terminal_writer& write_terminal) {
  if (node == nullptr) return;
  const auto write = [&](const etnode* child) {
    write_et_with(stream, child, functions1, functions2, write_terminal);
  };
  if (in_set(functions2, node->symbol)) {
    std::fputc('(', stream);
    write(node->left.get());
    std::fprintf(stream, "%c", node->symbol);
    write(node->right.get());
    std::fputc(')', stream);
  } else if (in_set(functions1, node->symbol)) {
    if (const char* name = function_name(node->symbol)) {
      std::fprintf(stream, "%s", name);
    }
    std::fputc('(', stream);
    write(node->left.get());
    std::fputc(')', stream);
  } else {
    write_terminal(stream, node->symbol);
  }
}

void write_et(std::FILE* stream,
              const etnode* node,
              const char* /*terminals*/,
              const char* functions1,
              const char* functions2) {
  write_et_with(
      stream, node, functions1, functions2,
      [](std::FILE* out, char symbol) { std::fprintf(out, "%c", symbol); });
}

void dump_et(const etnode* node, int depth, std::FILE* stream) {
  if (node == nullptr) return;
  for (int i = 0; i < depth; ++i) std::fputc('.', stream);
  std::fprintf(stream, "%c\n", node->symbol);
  dump_et(node->left.get(), depth + 1, stream);
  dump_et(node->right.get(), depth + 1, stream);
}

}  // namespace gepfit
