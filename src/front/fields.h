#ifndef GEPFIT_FRONT_FIELDS_H_
#define GEPFIT_FRONT_FIELDS_H_

#include <string>
#include <vector>

namespace gepfit {

// The fields of `line`, separated by runs of any of the `delimiters`
// characters; leading separators are skipped, so no field is empty. The
// newline is not a separator: it stays on the last field.
std::vector<std::string> split_fields(const std::string& line,
                                      const std::string& delimiters);

// True when `text` is present, not empty, does not begin with white space
// and strtod consumes all of it ("2.5\n" is not a number).
bool is_number(const char* text);

// The number at the start of `field` by strtod; 0 when there is none.
double field_value(const std::string& field);

}  // namespace gepfit

#endif  // GEPFIT_FRONT_FIELDS_H_
