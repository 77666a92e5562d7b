#ifndef GEPFIT_FRONT_APPEND_VARIABLE_H_
#define GEPFIT_FRONT_APPEND_VARIABLE_H_

#include "expr/key_record.h"
#include "front/dataset.h"

namespace gepfit {

// Grows `data` by one input variable: on every row, slope * (the record's
// gene text over the variables before it) + intercept. The terminal set
// grows by the new letter 'a' + nvars.
void append_variable(dataset& data,
                     const key_record& record,
                     const char* functions1,
                     const char* functions2);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_APPEND_VARIABLE_H_
