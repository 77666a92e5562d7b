#ifndef GEPFIT_EVOLVE_FLAT_EVAL_H_
#define GEPFIT_EVOLVE_FLAT_EVAL_H_

#include <vector>

#include "evolve/flat_program.h"

namespace gepfit {

// The input rows of a pass copied column by column, so that a node reads
// one variable over a block of rows from consecutive doubles.
class column_data {
 public:
  // `rows` holds nrows rows of at least nvars values.
  column_data(const std::vector<std::vector<double>>& rows, int nvars);

  int nrows() const { return nrows_; }
  const double* column(int k) const {
    return values_.data() + static_cast<std::size_t>(k) * nrows_;
  }

 private:
  int nrows_;
  std::vector<double> values_;
};

// One thread's working memory for the flat evaluator: a block of values for
// each function node below the root, a block of zeros for the missing
// operand of one-operand nodes, and the root's values on every row.
// Allocated once per pass and reused for every program.
class flat_scratch {
 public:
  // Room for programs of up to max_slots slots over nrows rows.
  flat_scratch(int max_slots, int nrows);

  int block_rows() const { return block_rows_; }
  int max_slots() const { return max_slots_; }
  double* slot(int k) {
    return slots_.data() + static_cast<std::size_t>(k) * block_rows_;
  }
  const double* zeros() const { return zeros_.data(); }
  double* output() { return output_.data(); }
  std::vector<double>& output_vector() { return output_; }

 private:
  int max_slots_;
  int block_rows_;
  std::vector<double> slots_;
  std::vector<double> zeros_;
  std::vector<double> output_;
};

// The values of `program` on every row of `data`, the same bits that
// eval_etnode gives for the decoded tree row by row. Points into `data` when
// the root is a terminal, otherwise into scratch.output(); valid until the
// scratch is used again. Allocates nothing.
const double* evaluate_flat(const flat_program& program,
                            const column_data& data,
                            flat_scratch& scratch);

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_FLAT_EVAL_H_
