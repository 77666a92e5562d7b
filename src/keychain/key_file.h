#ifndef GEPFIT_KEYCHAIN_KEY_FILE_H_
#define GEPFIT_KEYCHAIN_KEY_FILE_H_

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "keychain/keychain.h"

namespace gepfit {

// Key file layout, little-endian, no padding, no magic number:
//   header  int32 initial_nvars   input variables before the first pass
//           int32 npass           number of records that follow
//   record  double intercept
//           double slope
//           int32  length         symbols of the gene text
//           length bytes          gene text (Karva), no terminator
//           double rsquare
constexpr std::size_t k_key_header_size = 8;
constexpr std::size_t k_key_record_fixed_size = 28;  // all but the gene text

// The bytes of a key file holding the first `npass` links from `first`.
// When the chain runs out early, prints "npass and keychain do not match"
// on `out` and stops there; the header still announces npass records.
std::string encode_keyfile(std::int32_t initial_nvars,
                           std::int32_t npass,
                           const key_link* first,
                           std::FILE* out);

// Writes `size` bytes to `file`; returns the count written, like fwrite.
using write_function = std::function<std::size_t(
    const void* data, std::size_t size, std::FILE* file)>;

// Replaces the file at `path` by `bytes` as one step: the bytes go to a
// temporary file beside it, which is renamed into place only after every
// byte was written and the file closed without error. On failure the
// temporary file is removed, any earlier file at `path` is left as it was,
// and false is returned. `write` is the seam tests use to make writes fail.
bool replace_file(const std::string& path,
                  const std::string& bytes,
                  const write_function& write);

// Writes the key file; reports "Error writing key file ..." on `out` when
// it cannot be written in full.
void write_keyfile(const std::string& path,
                   std::int32_t initial_nvars,
                   std::int32_t npass,
                   const key_link* first,
                   std::FILE* out = stdout);

}  // namespace gepfit

#endif  // GEPFIT_KEYCHAIN_KEY_FILE_H_
