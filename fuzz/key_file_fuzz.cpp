// Any bytes as a key file: read back, every accepted record decodes,
// evaluates and prints.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expr/eval.h"
#include "expr/karva.h"
#include "expr/render.h"
#include "fuzz/fuzz_support.h"
#include "keychain/key_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace gepfit;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const key_file_result result = decode_keyfile(bytes, "ACDELQRS", "+*-/^");
  if (!result.key) {
    if (result.error.empty()) __builtin_trap();
    return 0;
  }
  const std::vector<double> row(k_key_max_variables, 1.5);
  std::string terminals;
  for (int k = 0; k < result.key->initial_nvars; ++k) {
    terminals.push_back(static_cast<char>('a' + k));
  }
  for (const key_record& record : result.key->records) {
    terminals.push_back(static_cast<char>('a' + terminals.size()));
    const et_ptr tree =
        build_et(record.gene.data(), record.length, terminals.c_str(),
                 "ACDELQRS", "+*-/^", nullptr);
    // The reader promises that accepted texts decode.
    if (!tree) __builtin_trap();
    eval_etnode(tree.get(), terminals.c_str(), row.data());
    write_et(fuzzing::null_stream(), tree.get(), terminals.c_str(), "ACDELQRS",
             "+*-/^");
  }
  return 0;
}
