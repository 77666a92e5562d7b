#include "gepkey/show.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "expr/render.h"

namespace gepfit {
namespace {

// The final model is written out only up to this many symbols: past it
// the text is no help to a reader, and every symbol of it is one level of
// recursion deep at most.
constexpr std::uint64_t k_max_written_symbols = 20000;

// Writes the formulas of a model's records, naming the inputs.
class formula_writer {
 public:
  formula_writer(const key_model& model, std::vector<std::string> names)
      : model_(model), names_(std::move(names)) {
    for (int k = 0; k < model.nrecords(); ++k) {
      trees_.push_back(decode_record(model, k));
      sizes_.push_back(tree_size(trees_[k].get(), k));
    }
  }

  // Record k's formula over the variables before it.
  void write(std::FILE* out, int k) const { write_tree(out, k, false); }

  // Record k's formula with every appended variable replaced by its own
  // scaled formula, down to the inputs.
  void write_substituted(std::FILE* out, int k) const {
    write_tree(out, k, true);
  }

  // At least the number of symbols write_substituted writes for record
  // k's tree, each name counted as one; saturates.
  std::uint64_t substituted_size(int k) const { return sizes_[k]; }

 private:
  void write_tree(std::FILE* out, int k, bool substitute) const {
    write_et_with(out, trees_[k].get(), model_.functions1.c_str(),
                  model_.functions2.c_str(), [&](std::FILE* s, char symbol) {
                    write_variable(s, k, variable_index(model_, k, symbol),
                                   substitute);
                  });
  }

  // Writes what terminal `index` of record k stands for; -1 is a symbol
  // of no variable, which a checked key file does not hold.
  void write_variable(std::FILE* out, int k, int index, bool substitute) const {
    const int own = model_.initial_nvars() + k;
    if (index < 0) {
      std::fputs("0", out);  // no variable: the evaluator reads 0.0
    } else if (index < model_.initial_nvars()) {
      std::fputs(names_[index].c_str(), out);
    } else if (index == own) {
      std::fputs("0", out);  // its own place holds 0.0 while computed
    } else if (!substitute) {
      std::fputs(variable_letter(index).c_str(), out);
    } else {
      const int record = index - model_.initial_nvars();
      const key_record& key = model_.key.records[record];
      std::fprintf(out, "(%.6g*", key.slope);
      write_tree(out, record, true);
      std::fprintf(out, "%+.6g)", key.intercept);
    }
  }

  // Sizes of the earlier records are known when record k's is counted.
  std::uint64_t tree_size(const etnode* node, int k) const {
    if (node == nullptr) return 0;
    if (node->kind == k_terminal) {
      const int record =
          variable_index(model_, k, node->symbol) - model_.initial_nvars();
      return record >= 0 && record < k ? sizes_[record] : 1;
    }
    const std::uint64_t left = tree_size(node->left.get(), k);
    const std::uint64_t right = tree_size(node->right.get(), k);
    const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    return left > most - 1 - right ? most : 1 + left + right;
  }

  const key_model& model_;
  std::vector<std::string> names_;
  std::vector<et_ptr> trees_;
  std::vector<std::uint64_t> sizes_;
};

const char* plural(int count) { return count == 1 ? "" : "s"; }

void print_inputs(const key_model& model,
                  const std::vector<std::string>& names,
                  std::FILE* out) {
  std::fprintf(
      out, "Key file %s: %d input variable%s, %d appended variable%s.\n",
      model.path.c_str(), model.initial_nvars(), plural(model.initial_nvars()),
      model.nrecords(), plural(model.nrecords()));
  std::fprintf(out, "Inputs:");
  for (const std::string& name : names) std::fprintf(out, " %s", name.c_str());
  std::fprintf(out, "\n");
}

void print_record(const key_model& model,
                  const formula_writer& writer,
                  int k,
                  std::FILE* out) {
  const key_record& key = model.key.records[k];
  std::fprintf(out, "%s = %.6g * ",
               variable_letter(model.initial_nvars() + k).c_str(), key.slope);
  writer.write(out, k);
  std::fprintf(out, " + (%.6g)\t R-square = %.6f\n", key.intercept,
               key.rsquare);
}

void print_final_model(const key_model& model,
                       const formula_writer& writer,
                       std::FILE* out) {
  const int last = model.nrecords() - 1;
  const std::uint64_t size = writer.substituted_size(last);
  if (size > k_max_written_symbols) {
    std::fprintf(out,
                 "Final model over the inputs: too large to write out (%llu "
                 "symbols); the variables above define it.\n",
                 static_cast<unsigned long long>(size));
    return;
  }
  const key_record& key = model.key.records[last];
  std::fprintf(out, "Final model over the inputs:\n%s = %.6g * ",
               variable_letter(model.nvars() - 1).c_str(), key.slope);
  writer.write_substituted(out, last);
  std::fprintf(out, " + (%.6g)\n", key.intercept);
}

}  // namespace

int run_show(const show_options& options, std::FILE* out, std::FILE* err) {
  const std::optional<key_model> model = load_key_model(options.key, err);
  if (!model) return 1;
  std::optional<std::vector<std::string>> names =
      input_names(options.names, model->initial_nvars(), err);
  if (!names) return 1;
  print_inputs(*model, *names, out);
  if (model->nrecords() == 0) {
    std::fprintf(out, "No variable was appended: the file holds no model.\n");
    return 0;
  }
  const formula_writer writer(*model, std::move(*names));
  for (int k = 0; k < model->nrecords(); ++k) {
    print_record(*model, writer, k, out);
  }
  print_final_model(*model, writer, out);
  return 0;
}

}  // namespace gepfit
