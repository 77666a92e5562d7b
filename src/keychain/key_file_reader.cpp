#include "keychain/key_file_reader.h"

#include <bit>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "expr/symbol_set.h"
#include "keychain/key_file.h"

namespace gepfit {
namespace {

// The fixed fields of a record before its gene text: intercept, slope and
// length.
constexpr std::size_t k_record_lead_size = 20;
// A gene text is shown in a message up to this many symbols.
constexpr std::size_t k_shown_symbols = 40;

[[gnu::format(printf, 1, 2)]] std::string text(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

key_file_result failure(std::string message) {
  return {std::nullopt, std::move(message)};
}

// Little-endian fields from the front of `bytes`; the caller checks that
// enough bytes are left.
class field_reader {
 public:
  explicit field_reader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t left() const { return bytes_.size() - at_; }

  std::int32_t int32() { return static_cast<std::int32_t>(u32()); }

  double real() {
    const std::uint64_t low = u32();
    const std::uint64_t high = u32();
    return std::bit_cast<double>(low | (high << 32));
  }

  std::string_view take(std::size_t n) {
    const std::string_view part = bytes_.substr(at_, n);
    at_ += n;
    return part;
  }

 private:
  std::uint32_t u32() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      value |= std::uint32_t{static_cast<unsigned char>(bytes_[at_++])}
               << shift;
    }
    return value;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
};

// A symbol as a message shows it: printable ones as they are, others as
// a hexadecimal escape.
std::string shown_symbol(char symbol) {
  const auto code = static_cast<unsigned char>(symbol);
  if (code >= 0x20 && code < 0x7F) return std::string(1, symbol);
  return text("\\x%02X", code);
}

std::string shown_gene(std::string_view gene) {
  std::string shown = "\"";
  for (std::size_t i = 0; i < gene.size() && i < k_shown_symbols; ++i) {
    shown += shown_symbol(gene[i]);
  }
  if (gene.size() > k_shown_symbols) shown += "...";
  return shown + "\"";
}

// "1 record", "2 records".
std::string records(long count) {
  return text("%ld record%s", count, count == 1 ? "" : "s");
}

std::string letters_up_to(int nvars) {
  std::string letters;
  for (int k = 0; k < nvars; ++k) letters.push_back(static_cast<char>('a' + k));
  return letters;
}

std::string record_name(int k, std::int32_t initial_nvars) {
  return text("record %d (variable %s)", k,
              shown_symbol(static_cast<char>('a' + initial_nvars + k)).c_str());
}

std::string header_error(std::int32_t initial_nvars, std::int32_t npass) {
  if (initial_nvars < 1 || initial_nvars > k_key_max_inputs) {
    return text(
        "the header gives %d input variables; a run starts from 1 to %d",
        initial_nvars, k_key_max_inputs);
  }
  if (npass < 0) return "the header announces " + records(npass);
  if (npass > k_key_max_variables - initial_nvars) {
    return text(
        "the header announces %s, but a run that starts from %d input "
        "variables appends at most %d",
        records(npass).c_str(), initial_nvars,
        k_key_max_variables - initial_nvars);
  }
  return "";
}

// Why `gene` does not decode over `terminals` and the function sets, or
// "" when it does. Follows build_et's reading: the first symbol is a
// terminal, a one-operand or a two-operand function by membership; in the
// body any symbol that is neither a terminal nor one-operand takes two
// operands, and the text must close every argument slot it opens.
std::string gene_error(std::string_view gene,
                       const std::string& terminals,
                       const char* functions1,
                       const char* functions2) {
  for (char symbol : gene) {
    if (!in_set(terminals.c_str(), symbol) && !in_set(functions1, symbol) &&
        !in_set(functions2, symbol)) {
      return text(
          "gene text %s holds '%s', which is neither one of the variables a "
          "to %s nor a function symbol (one-operand %s, two-operand %s)",
          shown_gene(gene).c_str(), shown_symbol(symbol).c_str(),
          shown_symbol(terminals.back()).c_str(), functions1, functions2);
    }
  }
  if (in_set(terminals.c_str(), gene[0])) return "";
  int open = in_set(functions1, gene[0]) ? 1 : 2;
  for (std::size_t pos = 1; pos < gene.size() && open > 0; ++pos) {
    if (in_set(terminals.c_str(), gene[pos])) {
      --open;
    } else if (!in_set(functions1, gene[pos])) {
      ++open;
    }
  }
  if (open == 0) return "";
  return text(
      "gene text %s does not decode: it ends with %d operand%s still missing "
      "(one-operand %s, two-operand %s)",
      shown_gene(gene).c_str(), open, open == 1 ? "" : "s", functions1,
      functions2);
}

// Reads record k into `record`; returns why it cannot, or "".
std::string read_record(field_reader& in,
                        int k,
                        const key_file& key,
                        const char* functions1,
                        const char* functions2,
                        key_record& record) {
  const std::string name = record_name(k, key.initial_nvars);
  if (in.left() < k_record_lead_size) {
    return text(
        "%s is cut short: %zu bytes are left of the at least %zu it "
        "takes",
        name.c_str(), in.left(), k_key_record_fixed_size + 1);
  }
  record.intercept = in.real();
  record.slope = in.real();
  record.length = in.int32();
  if (record.length < 1 || record.length > k_key_max_gene_length) {
    return text(
        "%s: gene text length %d is outside 1 to %d, the longest gene "
        "of any head length up to %d",
        name.c_str(), record.length, k_key_max_gene_length,
        k_key_max_head_length);
  }
  const std::size_t rest = static_cast<std::size_t>(record.length) + 8;
  if (in.left() < rest) {
    return text(
        "%s is cut short: its gene text of %d symbols and its "
        "R-square need %zu more bytes, %zu are left",
        name.c_str(), record.length, rest, in.left());
  }
  record.gene = std::string(in.take(static_cast<std::size_t>(record.length)));
  record.rsquare = in.real();
  const std::string terminals = letters_up_to(key.initial_nvars + k + 1);
  const std::string wrong =
      gene_error(record.gene, terminals, functions1, functions2);
  return wrong.empty() ? "" : name + ": " + wrong;
}

// The number of whole records in what follows the announced ones, or -1
// when those bytes are not a run of whole records.
int whole_records_in(field_reader in) {
  int count = 0;
  while (in.left() > 0) {
    if (in.left() < k_record_lead_size) return -1;
    in.take(16);
    const std::int32_t length = in.int32();
    if (length < 1 || in.left() < static_cast<std::size_t>(length) + 8) {
      return -1;
    }
    in.take(static_cast<std::size_t>(length) + 8);
    ++count;
  }
  return count;
}

std::string tail_error(const field_reader& in, std::int32_t npass) {
  const int more = whole_records_in(in);
  if (more > 0) {
    return text("the header announces %s, but the file holds %d",
                records(npass).c_str(), npass + more);
  }
  const std::string trailing =
      text("%zu byte%s", in.left(), in.left() == 1 ? " follows" : "s follow");
  if (npass == 0) return trailing + " a header that announces no record";
  return trailing + " the last of its " + records(npass);
}

struct file_closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole contents of the file at `path`; false, with errno set, when
// it cannot be opened or read (a folder, say).
bool read_whole_file(const std::string& path, std::string& bytes) {
  std::unique_ptr<std::FILE, file_closer> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, got);
  }
  return std::ferror(file.get()) == 0;
}

}  // namespace

key_file_result decode_keyfile(std::string_view bytes,
                               const char* functions1,
                               const char* functions2) {
  if (bytes.size() < k_key_header_size) {
    return failure(
        text("the file is shorter than its %zu-byte header: it "
             "holds %zu bytes",
             k_key_header_size, bytes.size()));
  }
  field_reader in(bytes);
  key_file key;
  key.initial_nvars = in.int32();
  const std::int32_t npass = in.int32();
  if (std::string wrong = header_error(key.initial_nvars, npass);
      !wrong.empty()) {
    return failure(std::move(wrong));
  }
  for (int k = 0; k < npass; ++k) {
    if (in.left() == 0) {
      return failure(text("the header announces %s, but the file holds %d",
                          records(npass).c_str(), k));
    }
    key_record record;
    std::string wrong = read_record(in, k, key, functions1, functions2, record);
    if (!wrong.empty()) return failure(std::move(wrong));
    key.records.push_back(std::move(record));
  }
  if (in.left() > 0) return failure(tail_error(in, npass));
  return {std::move(key), ""};
}

key_file_result read_keyfile(const std::string& path,
                             const char* functions1,
                             const char* functions2) {
  std::string bytes;
  if (!read_whole_file(path, bytes)) {
    return failure(path + ": cannot be read: " + std::strerror(errno));
  }
  key_file_result result = decode_keyfile(bytes, functions1, functions2);
  if (!result.key) result.error = path + ": " + result.error;
  return result;
}

}  // namespace gepfit
