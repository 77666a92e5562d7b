#ifndef GEPFIT_TESTS_SUPPORT_KEY_BYTES_H_
#define GEPFIT_TESTS_SUPPORT_KEY_BYTES_H_

#include <cstdint>
#include <string>

#include "expr/key_record.h"

namespace gepfit::testing {

// Key file fields as the little-endian bytes the file holds.
std::string le_int(std::int32_t value);
std::string le_double(double value);
std::string key_header(std::int32_t initial_nvars, std::int32_t npass);

// A filled record for `gene`, its length that of the text.
key_record make_key(double intercept,
                    double slope,
                    const std::string& gene,
                    double rsquare = 0.5);

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_SUPPORT_KEY_BYTES_H_
