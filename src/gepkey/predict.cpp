#include "gepkey/predict.h"

#include <vector>

#include "front/append_variable.h"
#include "gepkey/messages.h"
#include "gepkey/model_data.h"
#include "gepkey/score.h"

namespace gepfit {
namespace {

// Every value is written with 17 significant digits, enough to read back
// the same double.
void print_value(std::FILE* out, double value) {
  std::fprintf(out, "%.17g", value);
}

void print_header(const dataset& data,
                  bool has_target,
                  int ninputs,
                  std::FILE* out) {
  const char* separator = "";
  if (has_target) {
    std::fputs(data.has_header ? data.names[0].c_str() : "target", out);
    separator = ",";
  }
  for (int k = 0; k < data.nvars; ++k) {
    const bool named = data.has_header && k < ninputs;
    std::fprintf(
        out, "%s%s", separator,
        named ? data.names[1 + k].c_str() : variable_letter(k).c_str());
    separator = ",";
  }
  std::fputc('\n', out);
}

void print_columns(const dataset& data,
                   bool has_target,
                   int ninputs,
                   std::FILE* out) {
  print_header(data, has_target, ninputs, out);
  for (int i = 0; i < data.nrows; ++i) {
    if (has_target) {
      print_value(out, data.target[i]);
      std::fputc(',', out);
    }
    for (int k = 0; k < data.nvars; ++k) {
      if (k > 0) std::fputc(',', out);
      print_value(out, data.rows[i][k]);
    }
    std::fputc('\n', out);
  }
}

std::vector<double> last_column(const dataset& data) {
  std::vector<double> column;
  for (const auto& row : data.rows) column.push_back(row.back());
  return column;
}

}  // namespace

int run_predict(const predict_options& options,
                std::FILE* out,
                std::FILE* err) {
  const std::optional<key_model> model = load_key_model(options.key, err);
  if (!model) return 1;
  if (model->nrecords() == 0 && !options.all) {
    print_error(err, model->path +
                         ": no variable was appended, so there is no model "
                         "to predict with");
    return 1;
  }
  std::optional<dataset> data = load_model_data(
      options.data_path, model->initial_nvars(), !options.no_target, err);
  if (!data) return 1;
  if (options.score && data->nrows == 0) {
    print_error(err, options.data_path + ": no rows to score");
    return 1;
  }
  for (const key_record& record : model->key.records) {
    append_variable(*data, record, model->functions1.c_str(),
                    model->functions2.c_str());
  }
  if (options.all) {
    print_columns(*data, !options.no_target, model->initial_nvars(), out);
  } else if (options.score) {
    print_score(score_of(data->target, last_column(*data)), out);
  } else {
    for (double value : last_column(*data)) {
      print_value(out, value);
      std::fputc('\n', out);
    }
  }
  return 0;
}

}  // namespace gepfit
