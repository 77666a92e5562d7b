#include "gepkey/export.h"

#include <cmath>

#include "gepkey/messages.h"

namespace gepfit {
namespace {

using exporter = std::string (*)(const key_model&,
                                 const std::vector<std::string>&);

struct language_entry {
  const char* name;
  exporter write;
};

constexpr language_entry k_languages[] = {
    {"c", export_c},
    {"python", export_python},
    {"latex", export_latex},
    {"sympy", export_sympy},
};

// Marks the records that the terminals below `node` of record k read.
void mark_read(const key_model& model,
               int k,
               const etnode* node,
               std::vector<bool>& read) {
  if (node == nullptr) return;
  if (node->kind == k_terminal) {
    const int record =
        variable_index(model, k, node->symbol) - model.initial_nvars();
    if (record >= 0 && record < k) read[record] = true;
    return;
  }
  mark_read(model, k, node->left.get(), read);
  mark_read(model, k, node->right.get(), read);
}

}  // namespace

std::vector<bool> records_in_model(const key_model& model) {
  std::vector<bool> read(model.nrecords(), false);
  read.back() = true;
  for (int k = model.nrecords() - 1; k >= 0; --k) {
    if (read[k]) mark_read(model, k, decode_record(model, k).get(), read);
  }
  return read;
}

std::vector<std::string> export_languages() {
  std::vector<std::string> names;
  for (const language_entry& entry : k_languages) names.push_back(entry.name);
  return names;
}

std::string scaled_text(const key_record& record,
                        const std::string& expression,
                        const std::string& times,
                        const std::function<std::string(double)>& number) {
  const bool minus =
      std::signbit(record.intercept) && !std::isnan(record.intercept);
  return number(record.slope) + " " + times + " " + expression +
         (minus ? " - " + number(-record.intercept)
                : " + " + number(record.intercept));
}

int run_export(const export_options& options, std::FILE* out, std::FILE* err) {
  const std::optional<key_model> model = load_key_model(options.key, err);
  if (!model) return 1;
  if (model->nrecords() == 0) {
    print_error(err, model->path +
                         ": no variable was appended, so there is no model "
                         "to export");
    return 1;
  }
  const std::optional<std::vector<std::string>> names =
      input_names(options.names, model->initial_nvars(), err);
  if (!names) return 1;
  for (const language_entry& entry : k_languages) {
    if (options.language == entry.name) {
      std::fputs(entry.write(*model, *names).c_str(), out);
      return 0;
    }
  }
  print_error(err, "no export to " + options.language);
  return 1;
}

std::string indexed_variable(const key_model& model, int index) {
  return index < model.initial_nvars() ? "x[" + std::to_string(index) + "]"
                                       : "v" + std::to_string(index);
}

std::string model_body(const key_model& model,
                       code_language language,
                       const assignment_writer& assign,
                       const std::function<std::string(double)>& number,
                       std::set<char>& used) {
  // Deep enough for any formula a reader follows, shallow enough for the
  // parsers of the languages (Python refuses deeply nested parentheses).
  constexpr int k_max_nesting = 32;
  std::string body;
  int temporaries = 0;
  const auto apply = language.apply;
  language.apply = [&](char symbol, const std::string& a,
                       const std::string& b) {
    used.insert(symbol);
    return apply(symbol, a, b);
  };
  language.max_nesting = k_max_nesting;
  language.hoist = [&](const std::string& expression) {
    const std::string name = "t" + std::to_string(temporaries++);
    body += assign(name, expression, "");
    return name;
  };
  const std::vector<bool> in_model = records_in_model(model);
  for (int k = 0; k < model.nrecords(); ++k) {
    if (!in_model[k]) continue;
    const std::string expression = emit_record(model, k, language);
    const int index = model.initial_nvars() + k;
    body += assign(language.variable(index),
                   scaled_text(model.key.records[k], expression, "*", number),
                   variable_letter(index));
  }
  return body;
}

}  // namespace gepfit
