#ifndef GEPFIT_GEPKEY_EXPORT_H_
#define GEPFIT_GEPKEY_EXPORT_H_

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "gepkey/emit_tree.h"
#include "gepkey/input_names.h"
#include "gepkey/key_model.h"

namespace gepfit {

struct export_options {
  key_source key;
  name_source names;
  std::string language;  // one of export_languages()
};

// The languages a model is exported to, in the order help shows them.
std::vector<std::string> export_languages();

// Prints the final model of a key file on `out` as code in the chosen
// language. Returns the exit status; errors go to `err`.
int run_export(const export_options& options, std::FILE* out, std::FILE* err);

// The exports, each the whole text for a model with at least one record;
// `names` names its inputs.
std::string export_c(const key_model& model,
                     const std::vector<std::string>& names);
std::string export_python(const key_model& model,
                          const std::vector<std::string>& names);
std::string export_latex(const key_model& model,
                         const std::vector<std::string>& names);
std::string export_sympy(const key_model& model,
                         const std::vector<std::string>& names);

// Which records the final model reads: the last one, and every record
// that a record it reads reads, down to the inputs.
std::vector<bool> records_in_model(const key_model& model);

// "S * E + I", or "S * E - |I|" for a negative intercept, with the numbers
// written by `number`: the same value as slope * E + intercept, as
// subtracting a number adds its negation.
std::string scaled_text(const key_record& record,
                        const std::string& expression,
                        const std::string& times,
                        const std::function<std::string(double)>& number);

// Variable names for code that takes the inputs as an array: x[k] for
// input k, vN for the appended variable at index N.
std::string indexed_variable(const key_model& model, int index);

// How a language writes one assignment of a model's body: `name` takes
// `expression`; `letter` names the appended variable it computes, or is
// empty for a temporary. The text ends with its line end.
using assignment_writer =
    std::function<std::string(const std::string& name,
                              const std::string& expression,
                              const std::string& letter)>;

// The body that computes, in order, the appended variables the final model
// reads, each scaled, with numbers written by `number`. Subexpressions
// nested too deep for the language are assigned to temporaries t0, t1, ...
// first. `language` gives the variables, the zero and the functions; every
// function symbol it applies is added to `used`, for the helpers to emit.
std::string model_body(const key_model& model,
                       code_language language,
                       const assignment_writer& assign,
                       const std::function<std::string(double)>& number,
                       std::set<char>& used);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_EXPORT_H_
