#ifndef GEPFIT_KEYCHAIN_KEY_FILE_READER_H_
#define GEPFIT_KEYCHAIN_KEY_FILE_READER_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expr/key_record.h"

namespace gepfit {

// A run starts from at most this many input columns (gepfit's -v limit)
// and never grows past this many variables, appended ones included.
constexpr int k_key_max_inputs = 30;
constexpr int k_key_max_variables = 49;

// The longest gene text read back. gepfit itself sets no upper bound on
// the head length, but decoding, evaluating and printing recurse once per
// tree level, so a text is held to genes of head length up to 4096.
constexpr int k_key_max_head_length = 4096;
constexpr int k_key_max_gene_length = 2 * k_key_max_head_length + 1;

// What a key file holds: record k defines the variable 'a' +
// initial_nvars + k over the variables before it.
struct key_file {
  std::int32_t initial_nvars = 0;
  std::vector<key_record> records;
};

// Either the contents of a key file or, when its bytes are not one, a
// message saying what is wrong (and where) in lower case, without the
// file's name. Exactly one of the two is present.
struct key_file_result {
  std::optional<key_file> key;
  std::string error;
};

// Reads the bytes of a key file. Besides the layout it checks that every
// gene text decodes, as the run decoded it when it appended the variable:
// over the letters of the variables before it and its own, with the
// function sets `functions1` and `functions2` (NUL-terminated), which the
// file does not record. A checked text never makes build_et fail.
key_file_result decode_keyfile(std::string_view bytes,
                               const char* functions1,
                               const char* functions2);

// decode_keyfile on the file at `path`; every message starts with the
// path, and a file that cannot be read is reported the same way.
key_file_result read_keyfile(const std::string& path,
                             const char* functions1,
                             const char* functions2);

}  // namespace gepfit

#endif  // GEPFIT_KEYCHAIN_KEY_FILE_READER_H_
