#include "gepkey/input_names.h"

#include <climits>

#include "gepkey/key_model.h"
#include "gepkey/messages.h"
#include "gepkey/model_data.h"

namespace gepfit {
namespace {

std::vector<std::string> split_list(const std::string& list) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    parts.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::optional<std::vector<std::string>> listed_names(const std::string& list,
                                                     int ninputs,
                                                     std::FILE* err) {
  std::vector<std::string> names = split_list(list);
  if (static_cast<int>(names.size()) != ninputs) {
    print_error(err, format_text("--names gives %zu name%s for %d input%s",
                                 names.size(), names.size() == 1 ? "" : "s",
                                 ninputs, ninputs == 1 ? "" : "s"));
    return std::nullopt;
  }
  for (const std::string& name : names) {
    if (name.empty()) {
      print_error(err, "--names holds an empty name");
      return std::nullopt;
    }
  }
  return names;
}

// The header is read with gepfit's rules, and no observation is needed.
std::optional<std::vector<std::string>> header_names(const std::string& path,
                                                     int ninputs,
                                                     std::FILE* err) {
  run_settings settings = default_settings();
  settings.has_infile = true;
  settings.infile = path;
  settings.max_vars = INT_MAX;
  settings.max_rows = 0;
  const std::optional<dataset> data = load_data_quietly(settings, err);
  if (!data) return std::nullopt;
  if (!data->has_header) {
    print_error(err, path + ": the first line is not a header");
    return std::nullopt;
  }
  if (data->nvars < ninputs) {
    print_error(err, format_text("%s: the header names %d input%s, the model "
                                 "has %d",
                                 path.c_str(), data->nvars,
                                 data->nvars == 1 ? "" : "s", ninputs));
    return std::nullopt;
  }
  return std::vector<std::string>(data->names.begin() + 1,
                                  data->names.begin() + 1 + ninputs);
}

}  // namespace

std::optional<std::vector<std::string>> input_names(const name_source& source,
                                                    int ninputs,
                                                    std::FILE* err) {
  if (!source.names.empty()) return listed_names(source.names, ninputs, err);
  if (!source.header_path.empty()) {
    return header_names(source.header_path, ninputs, err);
  }
  std::vector<std::string> letters;
  for (int k = 0; k < ninputs; ++k) letters.push_back(variable_letter(k));
  return letters;
}

}  // namespace gepfit
