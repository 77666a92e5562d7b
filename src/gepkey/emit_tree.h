#ifndef GEPFIT_GEPKEY_EMIT_TREE_H_
#define GEPFIT_GEPKEY_EMIT_TREE_H_

#include <functional>
#include <string>

#include "gepkey/key_model.h"

namespace gepfit {

// How one language writes the parts of a formula.
struct code_language {
  // The text of variable `index`: the inputs first, then the appended
  // variables in order.
  std::function<std::string(int index)> variable;
  // The text of 0.0: a missing operand, and the variable being computed,
  // whose place holds 0.0 while the run computes it.
  std::string zero;
  // The text of function `symbol` on `a` and `b`, which the language
  // computes as apply_function(symbol, a, b) does.
  std::function<std::string(
      char symbol, const std::string& a, const std::string& b)>
      apply;
  // When `hoist` is set, a subexpression nested `max_nesting` functions
  // deep is handed to it, and the text it returns (a temporary) stands for
  // the subexpression from then on.
  int max_nesting = 0;
  std::function<std::string(const std::string& expression)> hoist;
};

// The text of record k's expression before scaling, which computes what
// eval_etnode computes on its decoded tree: a terminal reads its variable,
// a function node applies its symbol to its operands (0.0 for a missing
// one), whatever its kind.
std::string emit_record(const key_model& model,
                        int k,
                        const code_language& language);

// The shortest decimal text that reads back as `value`; finite values only.
std::string shortest_text(double value);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_EMIT_TREE_H_
