#ifndef GEPFIT_EXPR_GENE_SPEC_H_
#define GEPFIT_EXPR_GENE_SPEC_H_

#include <cstdint>
#include <string>

namespace gepfit {

// Alphabet and layout of the genes of one pass. A gene is 2h + 1 symbols:
// a head of h symbols of any class and a tail of h + 1 terminals.
struct gene_spec {
  std::string terminal_list;  // the first n_terminals symbols of terminals
  std::string function_list;  // functions1 followed by functions2
  std::uint32_t n_terminals = 0;
  std::uint32_t n_functions = 0;
  std::uint32_t head_length = 0;
  std::int32_t max_arity = 2;  // the largest arity; tail and length follow
  std::uint32_t gene_length = 0;  // 2h + 1
};

// Builds the alphabet from the NUL-terminated symbol sets. Copies the first
// n_terminals symbols of terminals; head_length is at least 1.
gene_spec new_gene_spec(const char* terminals,
                        int n_terminals,
                        const char* functions1,
                        const char* functions2,
                        int head_length);

}  // namespace gepfit

#endif  // GEPFIT_EXPR_GENE_SPEC_H_
