#include "fixtures.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "front/loader.h"
#include "keychain/key_file.h"
#include "keychain/keychain.h"
#include "support/capture.h"

namespace gepfit::testing {

fitted_run fit(const std::string& data_path,
               const std::vector<std::string>& options) {
  fitted_run fitted{data_path, make_temp_dir() + "/fit.key", {}};
  std::vector<std::string> args{data_path, fitted.key_path};
  args.insert(args.end(), options.begin(), options.end());
  fitted.run = run_gepfit(args);
  return fitted;
}

std::string write_key(const std::string& dir,
                      const std::string& name,
                      int initial_nvars,
                      const std::vector<key_record>& records) {
  keychain chain;
  for (const key_record& record : records) chain.append(record);
  captured_stream out;
  const std::string path = dir + "/" + name;
  write_file(path, encode_keyfile(initial_nvars,
                                  static_cast<std::int32_t>(records.size()),
                                  chain.first(), out.get()));
  return path;
}

dataset load_example(const std::string& path) {
  run_settings settings = default_settings();
  settings.has_infile = true;
  settings.infile = path;
  return load_dataset_quietly(settings, stderr).value();
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> split_commas(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

double number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

bool same_value(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string hex_rows(const dataset& data) {
  std::string text;
  char buffer[64];
  for (const auto& row : data.rows) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      std::snprintf(buffer, sizeof buffer, "%s%a", k ? " " : "", row[k]);
      text += buffer;
    }
    text += "\n";
  }
  return text;
}

}  // namespace gepfit::testing
