#include "gepkey/key_model.h"

#include "expr/karva.h"
#include "front/dataset.h"
#include "gepkey/messages.h"

namespace gepfit {

static_assert(k_key_max_variables == k_max_variables,
              "the reader must accept every run the pass loop can write");

std::optional<key_model> load_key_model(const key_source& source,
                                        std::FILE* err) {
  key_file_result read = read_keyfile(source.path, source.functions1.c_str(),
                                      source.functions2.c_str());
  if (!read.key) {
    print_error(err, read.error);
    return std::nullopt;
  }
  return key_model{source.path, std::move(*read.key), source.functions1,
                   source.functions2};
}

std::string record_terminals(const key_model& model, int k) {
  return make_terminals(model.initial_nvars() + k + 1);
}

et_ptr decode_record(const key_model& model, int k) {
  const key_record& record = model.key.records[k];
  return build_et(record.gene.data(), record.length,
                  record_terminals(model, k).c_str(), model.functions1.c_str(),
                  model.functions2.c_str(), nullptr);
}

int variable_index(const key_model& model, int k, char symbol) {
  return static_cast<int>(record_terminals(model, k).find(symbol));
}

std::string variable_letter(int k) {
  const int code = 'a' + k;
  if (code <= '~') return std::string(1, static_cast<char>(code));
  char escaped[16];
  std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
  return escaped;
}

}  // namespace gepfit
