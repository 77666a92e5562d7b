#include "expr/gene_spec.h"

#include <cassert>
#include <cstring>

namespace gepfit {

gene_spec new_gene_spec(const char* terminals,
                        int n_terminals,
                        const char* functions1,
                        const char* functions2,
                        int head_length) {
  assert(n_terminals >= 0 && head_length >= 1);
  const auto n = static_cast<std::size_t>(n_terminals);
  assert(std::strlen(terminals) >= n);

  gene_spec spec;
  // Never read past the terminator; a short set is padded so that the
  // list always holds exactly n_terminals symbols.
  spec.terminal_list.assign(terminals, ::strnlen(terminals, n));
  spec.terminal_list.resize(n, '\0');
  spec.function_list = std::string(functions1) + functions2;
  spec.n_terminals = static_cast<std::uint32_t>(n);
  spec.n_functions = static_cast<std::uint32_t>(spec.function_list.size());
  spec.head_length = static_cast<std::uint32_t>(head_length);
  spec.max_arity = 2;
  spec.gene_length = 2 * spec.head_length + 1;
  return spec;
}

}  // namespace gepfit
