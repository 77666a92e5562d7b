#include "evolve/flat_eval.h"

#include <algorithm>
#include <cassert>

#include "evolve/block_kernels.h"

namespace gepfit {
namespace {

// Rows per block: the blocks of a typical program stay in the first-level
// cache. Very long genes get shorter blocks, so that scratch stays bounded.
constexpr int k_block_rows = 256;
constexpr long k_slot_budget = 1L << 17;  // doubles of slot blocks per thread

int block_rows_for(int max_slots) {
  if (max_slots <= 0) return k_block_rows;
  const long rows = std::min<long>(k_block_rows, k_slot_budget / max_slots);
  return static_cast<int>(std::max<long>(rows & ~1L, 2));
}

// Where node i's values on the current block are: a terminal reads its
// column, a function node its slot.
const double* values_of(const flat_node& node,
                        const column_data& data,
                        flat_scratch& scratch,
                        int begin) {
  if (node.arity == 0) return data.column(node.column) + begin;
  return scratch.slot(node.slot);
}

// Computes the function nodes of rows [begin, begin + n), the last node
// first, so that every argument is ready before its node; the root's values
// go to `root_out`.
void evaluate_block(const flat_program& program,
                    const column_data& data,
                    flat_scratch& scratch,
                    int begin,
                    int n,
                    double* root_out) {
  for (int i = program.size - 1; i >= 0; --i) {
    const flat_node& node = program.nodes[i];
    if (node.arity == 0) continue;
    const flat_node* args = &program.nodes[node.first_arg];
    const double* a = values_of(args[0], data, scratch, begin);
    const double* b = node.arity == 2 ? values_of(args[1], data, scratch, begin)
                                      : scratch.zeros();
    double* out = i == 0 ? root_out : scratch.slot(node.slot);
    apply_block(node.op, a, b, out, n);
  }
}

}  // namespace

column_data::column_data(const std::vector<std::vector<double>>& rows,
                         int nvars)
    : nrows_(static_cast<int>(rows.size())),
      values_(static_cast<std::size_t>(nvars) * rows.size()) {
  for (int j = 0; j < nrows_; ++j) {
    for (int k = 0; k < nvars; ++k) {
      values_[static_cast<std::size_t>(k) * nrows_ + j] = rows[j][k];
    }
  }
}

flat_scratch::flat_scratch(int max_slots, int nrows)
    : max_slots_(std::max(max_slots, 0)),
      block_rows_(block_rows_for(max_slots)),
      slots_(static_cast<std::size_t>(max_slots_) * block_rows_),
      zeros_(static_cast<std::size_t>(block_rows_), 0.0),
      output_(static_cast<std::size_t>(nrows)) {}

const double* evaluate_flat(const flat_program& program,
                            const column_data& data,
                            flat_scratch& scratch) {
  assert(program.slots <= scratch.max_slots());
  const flat_node& root = program.nodes[0];
  if (root.arity == 0) return data.column(root.column);
  double* output = scratch.output();
  const int nrows = data.nrows();
  for (int begin = 0; begin < nrows; begin += scratch.block_rows()) {
    const int n = std::min(scratch.block_rows(), nrows - begin);
    evaluate_block(program, data, scratch, begin, n, output + begin);
  }
  return output;
}

}  // namespace gepfit
