#include "front/append_variable.h"

#include <limits>

#include "expr/eval.h"
#include "expr/karva.h"

namespace gepfit {

void append_variable(dataset& data,
                     const key_record& record,
                     const char* functions1,
                     const char* functions2) {
  data.nvars += 1;
  data.terminals = make_terminals(data.nvars);
  const et_ptr tree =
      build_et(record.gene.data(), record.length, data.terminals.c_str(),
               functions1, functions2, nullptr);
  for (auto& row : data.rows) {
    // The new place starts at 0.0, so a tree that could name it reads a
    // defined value.
    row.push_back(0.0);
    const double value =
        tree ? eval_etnode(tree.get(), data.terminals.c_str(), row.data())
             : std::numeric_limits<double>::quiet_NaN();
    row.back() = record.slope * value + record.intercept;
  }
}

}  // namespace gepfit
