#ifndef GEPFIT_EXPR_KEY_RECORD_H_
#define GEPFIT_EXPR_KEY_RECORD_H_

#include <cstdint>
#include <string>

namespace gepfit {

// The best solution of a pass: slope * expression(gene) + intercept.
// `gene` is the open reading frame of the best chromosome; it is always a
// valid (possibly empty) text, and `length` is its number of symbols.
struct key_record {
  double intercept = 0.0;
  double slope = 0.0;
  std::int32_t length = 0;
  std::string gene;
  double rsquare = 0.0;
};

}  // namespace gepfit

#endif  // GEPFIT_EXPR_KEY_RECORD_H_
