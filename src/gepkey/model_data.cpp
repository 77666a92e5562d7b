#include "gepkey/model_data.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include "front/loader.h"
#include "gepkey/messages.h"

namespace gepfit {
namespace {

struct memstream {
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* file = open_memstream(&text, &size);
  ~memstream() {
    if (file != nullptr) std::fclose(file);
    std::free(text);
  }
  // What was written, without the final newline.
  std::string contents() {
    std::fflush(file);
    std::string written(text, size);
    if (!written.empty() && written.back() == '\n') written.pop_back();
    return written;
  }
};

// The first column, read as the target, becomes input a.
void take_target_as_input(dataset& data) {
  for (int i = 0; i < data.nrows; ++i) {
    data.rows[i].insert(data.rows[i].begin(), data.target[i]);
  }
  data.target.clear();
  data.nvars += 1;
  data.terminals = make_terminals(data.nvars);
  if (data.has_header) data.names.insert(data.names.begin(), "");
}

}  // namespace

std::optional<dataset> load_data_quietly(const run_settings& settings,
                                         std::FILE* err) {
  memstream messages;
  if (messages.file == nullptr) return load_dataset_quietly(settings, err);
  std::optional<dataset> data = load_dataset_quietly(settings, messages.file);
  if (!data) print_error(err, messages.contents());
  return data;
}

std::optional<dataset> load_model_data(const std::string& path,
                                       int ninputs,
                                       bool has_target,
                                       std::FILE* err) {
  run_settings settings = default_settings();
  settings.has_infile = true;
  settings.infile = path;
  settings.max_rows = INT_MAX;
  settings.max_vars = has_target ? ninputs : ninputs - 1;
  std::optional<dataset> data = load_data_quietly(settings, err);
  if (!data) return std::nullopt;
  if (!has_target) take_target_as_input(*data);
  if (data->nvars < ninputs) {
    print_error(err, format_text("%s: %d input columns, but the model reads %d",
                                 path.c_str(), data->nvars, ninputs));
    return std::nullopt;
  }
  return data;
}

}  // namespace gepfit
