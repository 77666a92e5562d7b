#include "front/options.h"

#include <omp.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "front/usage.h"

namespace gepfit {
namespace {

// The longest -o/-O word: the symbol sets have room for 10 characters.
constexpr std::size_t k_max_symbols = 10;
// The most input columns a run may take from the data file.
constexpr int k_max_file_vars = 30;

// Truncates toward zero and clamps into [low, high]; a NaN reads as 0.
// Converting an out-of-range double to an integer would be undefined.
long truncate_clamped(double value, long low, long high) {
  if (std::isnan(value)) return 0;
  double whole = std::trunc(value);
  if (whole < static_cast<double>(low)) return low;
  if (whole > static_cast<double>(high)) return high;
  return static_cast<long>(whole);
}

// strtod at `text`; when no number stands there the value is 0 and the
// end is `text` itself. Returns where scanning resumes.
const char* read_real(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end;
}

const char* read_int(const char* text, int& value) {
  double real = 0;
  const char* end = read_real(text, real);
  value = static_cast<int>(truncate_clamped(real, INT_MIN, INT_MAX));
  return end;
}

// -i: decimal, hexadecimal after "0x", octal after a leading 0, kept
// within the 32-bit range.
const char* read_iterations(const char* text, long& value) {
  char* end = nullptr;
  long read = std::strtol(text, &end, 0);
  value = read < INT32_MIN ? INT32_MIN : read > INT32_MAX ? INT32_MAX : read;
  return end;
}

int* int_field(run_settings& s, char letter) {
  switch (letter) {
    case 'v':
      return &s.max_vars;
    case 'n':
      return &s.max_rows;
    case 'h':
      return &s.head_length;
    case 'p':
      return &s.popsize;
    case 'b':
      return &s.npass;
    case 'q':
      return &s.verbose;
    case 't':
      return &s.threads;
    case 's':
      return &s.seed;
    default:
      return nullptr;
  }
}

double* real_field(run_settings& s, char letter) {
  switch (letter) {
    case 'c':
      return &s.cutoff;
    case 'e':
      return &s.r2_target;
    case 'm':
      return &s.mutation;
    case 'x':
      return &s.crossover;
    case 'X':
      return &s.inversion;
    default:
      return nullptr;
  }
}

// The first space-delimited word of `text` into `symbols`; false when
// there is none or it is too long.
bool take_word(const char* text, std::string& symbols) {
  text += std::strspn(text, " ");
  std::size_t length = std::strcspn(text, " ");
  if (length == 0 || length > k_max_symbols) return false;
  symbols.assign(text, length);
  return true;
}

// Acts on the chained options of one argument such as "-p200q2".
scan_outcome scan_group(const char* group,
                        run_settings& s,
                        std::FILE* out,
                        std::FILE* err) {
  const char* at = group + 1;
  while (*at != '\0') {
    char letter = *at++;
    if (int* field = int_field(s, letter)) {
      at = read_int(at, *field);
    } else if (double* field = real_field(s, letter)) {
      at = read_real(at, *field);
    } else if (letter == 'i') {
      at = read_iterations(at, s.max_iter);
    } else if (letter == 'o') {
      if (take_word(at, s.functions1)) return scan_outcome::proceed;
      std::fprintf(out, "-o error.\n");
      return scan_outcome::stop;
    } else if (letter == 'O') {
      if (take_word(at, s.functions2)) return scan_outcome::proceed;
      std::fprintf(out, "-O error.\n");
      return scan_outcome::stop;
    } else if (letter == '!') {
      print_help(err);
      return scan_outcome::stop;
    } else {
      std::fprintf(out, "No such option: %c\n", letter);
      return scan_outcome::stop;
    }
  }
  return scan_outcome::proceed;
}

// A lone '-' is a positional argument with empty text.
void take_positional(const char* arg, run_settings& s, std::FILE* out) {
  const char* text = std::strcmp(arg, "-") == 0 ? "" : arg;
  if (!s.has_infile) {
    s.has_infile = true;
    s.infile = text;
  } else if (!s.has_outfile) {
    s.has_outfile = true;
    s.outfile = text;
  } else {
    std::fprintf(out, "Argument count error.\n");
  }
}

bool in_unit_range(double value) { return value >= 0 && value <= 1; }

}  // namespace

scan_outcome scan_options(int argc,
                          char** argv,
                          run_settings& settings,
                          std::FILE* out,
                          std::FILE* err) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (arg[0] == '-' && arg[1] != '\0') {
      if (scan_group(arg, settings, out, err) == scan_outcome::stop) {
        return scan_outcome::stop;
      }
    } else {
      take_positional(arg, settings, out);
    }
  }
  return scan_outcome::proceed;
}

bool check_settings(run_settings& s, std::FILE* err) {
  // In this order; only the first failure is reported. A NaN rate is out
  // of range too.
  const struct {
    bool fails;
    const char* message;
  } checks[] = {
      {s.popsize < 2, "-p error: Population size must be greater than 1.\n"},
      {s.max_rows < 2, "-n error: Max rows must be greater than 1.\n"},
      {s.head_length < 1,
       "-h error: Gene head length must be greater than 0.\n"},
      {!in_unit_range(s.cutoff),
       "-c error: Cutoff rate must range in 0 ~ 1.\n"},
      {!in_unit_range(s.r2_target),
       "-e error: R-square threshold must range in 0 ~ 1.\n"},
      {!in_unit_range(s.mutation),
       "-m error: Permution rate must range in 0 ~ 1.\n"},
      {!in_unit_range(s.crossover),
       "-x error: Crossover rate must range in 0 ~ 1.\n"},
      {!in_unit_range(s.inversion),
       "-X error: Inversion rate must range in 0 ~ 1.\n"},
      {s.max_vars > k_max_file_vars, "# terminals cannot exceed 30. \n"},
      {s.max_vars < 1,
       "-v error: Number of input vars must be greater than 0.\n"},
  };
  for (const auto& check : checks) {
    if (check.fails) {
      std::fputs(check.message, err);
      return false;
    }
  }
  if (s.threads < 1) s.threads = omp_get_max_threads();
  return true;
}

}  // namespace gepfit
