#include "front/loader.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "front/fields.h"
#include "front/line_reader.h"

namespace gepfit {
namespace {

// The echo always announces this many rows, however many were read.
constexpr int k_echo_rows = 10;

struct file_closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using file_handle = std::unique_ptr<std::FILE, file_closer>;

// The first field counts; further ones count until one begins with a
// newline: the bare newline after a trailing separator is no column.
int count_columns(const std::vector<std::string>& fields) {
  int ncols = 1;
  while (ncols < static_cast<int>(fields.size()) && fields[ncols][0] != '\n') {
    ++ncols;
  }
  return ncols;
}

// A folder opens like a file but has no lines to read.
bool is_directory(std::FILE* file) {
  struct stat status;
  return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
}

// The first ncols header fields, without the newline of the last one.
std::vector<std::string> header_names(const std::vector<std::string>& fields,
                                      int ncols) {
  std::vector<std::string> names(fields.begin(), fields.begin() + ncols);
  std::string& last = names.back();
  last.erase(std::min(last.find('\n'), last.size()));
  return names;
}

// Every character read counts as an answer, the newline of a typed line
// included; the end of input answers no.
bool ask_to_continue(int found,
                     const run_settings& s,
                     std::FILE* in,
                     std::FILE* out) {
  for (;;) {
    std::fprintf(out,
                 "%d input vars are detected in %s, use only the first %d. "
                 "[y/n]? ",
                 found, s.infile.c_str(), s.max_vars);
    std::fflush(out);
    int answer = std::fgetc(in);
    if (answer == 'Y' || answer == 'y') {
      std::fprintf(out, "\n");
      return true;
    }
    if (answer == 'N' || answer == 'n' || answer == EOF) {
      std::fprintf(out, "Terminated.\n");
      return false;
    }
  }
}

// Adds the observation of one line: the target, then nvars inputs.
// False, adding nothing, when the line has too few fields; that ends the
// reading.
bool add_observation(const std::string& line,
                     const std::string& delimiters,
                     dataset& data) {
  std::vector<std::string> fields = split_fields(line, delimiters);
  if (fields.size() < static_cast<std::size_t>(data.nvars) + 1) return false;
  std::vector<double> row(data.nvars);
  for (int k = 0; k < data.nvars; ++k) row[k] = field_value(fields[k + 1]);
  data.target.push_back(field_value(fields[0]));
  data.rows.push_back(std::move(row));
  ++data.nrows;
  return true;
}

// Reads observations up to max_rows; `first` is the first line of the
// file, already taken, which is observation 0 unless it is the header.
void read_observations(const std::string& first,
                       line_reader& reader,
                       const run_settings& s,
                       dataset& data) {
  std::string line = first;
  bool pending = !data.has_header;
  while (data.nrows < s.max_rows) {
    if (!pending && !reader.next(line)) break;
    pending = false;
    if (!add_observation(line, s.delimiters, data)) break;
  }
}

void print_titles(const dataset& data, std::FILE* out) {
  if (data.has_header) {
    std::fprintf(out, "%s(target) ", data.names[0].c_str());
    for (int i = 1; i < data.ncols; ++i) {
      std::fprintf(out, "%s(%c) ", data.names[i].c_str(), 'a' + i - 1);
    }
  } else {
    std::fprintf(out, "%s ", "target");
    for (int i = 1; i < data.ncols; ++i) std::fprintf(out, "%c ", 'a' + i - 1);
  }
  std::fprintf(out, "\n");
}

// Titles for every column of the file, values for the nvars in use.
void echo_first_rows(const dataset& data, std::FILE* out) {
  std::fprintf(out, "The first %d rows", k_echo_rows);
  if (data.has_header) {
    std::fprintf(out, " (with the header line)");
  } else {
    std::fprintf(out, " (with internal header line)");
  }
  std::fprintf(out, ":\n");
  print_titles(data, out);
  for (int i = 0; i < std::min(k_echo_rows, data.nrows); ++i) {
    std::fprintf(out, "%f ", data.target[i]);
    for (double value : data.rows[i]) std::fprintf(out, "%f ", value);
    std::fprintf(out, "\n");
  }
}

// Where the loader talks: `report` is null for a quiet reading, which
// takes the first max_vars input columns without asking.
struct load_streams {
  std::FILE* answers_in;
  std::FILE* report;
  std::FILE* errors;
};

std::optional<dataset> load(const run_settings& s, const load_streams& io) {
  if (!s.has_infile) {
    std::fprintf(io.errors, "No input file given.\n");
    return std::nullopt;
  }
  file_handle file(std::fopen(s.infile.c_str(), "r"));
  if (!file || is_directory(file.get())) {
    std::fprintf(io.errors, "Cannot open file %s for reading.\n",
                 s.infile.c_str());
    return std::nullopt;
  }
  line_reader reader(file.get());
  std::string first;
  if (!reader.next(first)) {
    std::fprintf(io.errors, "The input file %s is empty.\n", s.infile.c_str());
    return std::nullopt;
  }
  std::vector<std::string> fields = split_fields(first, s.delimiters);
  if (fields.empty()) {
    std::fprintf(io.errors,
                 "The first line of the input file does not look right.\n");
    return std::nullopt;
  }
  dataset data;
  data.has_header = !is_number(fields[0].c_str());
  data.ncols = count_columns(fields);
  data.nvars = data.ncols - 1;
  if (data.nvars > s.max_vars) {
    if (io.report != nullptr &&
        !ask_to_continue(data.nvars, s, io.answers_in, io.report)) {
      return std::nullopt;
    }
    data.nvars = s.max_vars;
  }
  if (data.has_header) data.names = header_names(fields, data.ncols);
  data.terminals = make_terminals(data.nvars);
  if (io.report == nullptr) {
    read_observations(first, reader, s, data);
    return data;
  }
  std::fprintf(io.report, "Reading %d input variables per row.\n", data.nvars);
  std::clock_t start = std::clock();
  read_observations(first, reader, s, data);
  double elapsed = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  std::fprintf(io.report, "%d rows are read from %s. Elapsed %.1f seconds. \n",
               data.nrows, s.infile.c_str(), elapsed);
  echo_first_rows(data, io.report);
  return data;
}

}  // namespace

std::optional<dataset> load_dataset(const run_settings& settings,
                                    std::FILE* answers_in,
                                    std::FILE* out) {
  return load(settings, {answers_in, out, out});
}

std::optional<dataset> load_dataset_quietly(const run_settings& settings,
                                            std::FILE* errors) {
  return load(settings, {nullptr, nullptr, errors});
}

}  // namespace gepfit
