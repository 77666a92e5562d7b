#ifndef GEPFIT_EVOLVE_FLAT_PROGRAM_H_
#define GEPFIT_EVOLVE_FLAT_PROGRAM_H_

#include <array>
#include <vector>

#include "expr/operations.h"

namespace gepfit {

// How the symbols of one pass decode, looked up by byte. Classifies exactly
// as build_et does: in `terminals` -> terminal; else in `functions1` -> one
// operand; else two operands, except that a first symbol in no set has no
// reading.
class symbol_classes {
 public:
  symbol_classes(const char* terminals,
                 const char* functions1,
                 const char* functions2);

  // Arguments a symbol takes in the body of a gene: 0, 1 or 2.
  int body_arity(char symbol) const { return body_arity_[index(symbol)]; }
  // Arguments of a first symbol, or -1 when it is in no set.
  int root_arity(char symbol) const { return root_arity_[index(symbol)]; }
  // The first position of a terminal symbol in `terminals`.
  int column(char symbol) const { return column_[index(symbol)]; }

 private:
  static unsigned char index(char symbol) {
    return static_cast<unsigned char>(symbol);
  }
  std::array<signed char, 256> body_arity_{};
  std::array<signed char, 256> root_arity_{};
  std::array<int, 256> column_{};
};

// The length of a gene's open reading frame, the prefix its tree uses, or 0
// when the gene has no tree (a first symbol in no set, or symbols that run
// out within `length`). Reads nothing at or beyond `length`.
int open_reading_frame(const char* gene,
                       int length,
                       const symbol_classes& classes);

// One node of a flat program. The nodes stand in Karva order (breadth
// first, the gene's own order), so the arguments of a node follow it: its
// first argument is node first_arg and its second, if any, the next one.
struct flat_node {
  operation op = operation::zero;  // for a function node
  int arity = 0;                   // 0 for a terminal
  int first_arg = 0;               // for a function node
  int column = 0;                  // for a terminal: its input variable
  int slot = 0;  // for a function node below the root: its scratch block
};

// A decoded open reading frame. Holds room for the longest gene of a pass,
// so decoding allocates nothing.
struct flat_program {
  std::vector<flat_node> nodes;  // the first `size` are in use
  int size = 0;
  int slots = 0;  // function nodes below the root

  explicit flat_program(int gene_length)
      : nodes(static_cast<std::size_t>(gene_length)) {}
};

// Decodes the first `orf_length` symbols of a gene, a length that
// open_reading_frame gave for it, into `program`.
void decode_flat(const char* gene,
                 int orf_length,
                 const symbol_classes& classes,
                 flat_program& program);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_FLAT_PROGRAM_H_
