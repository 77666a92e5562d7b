// Any bytes as a gene over any symbol sets of 1 to 10 symbols and any head
// length: decoding, evaluation and rendering never fail.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "expr/gene_spec.h"
#include "expr/karva.h"
#include "expr/render.h"
#include "fuzz/fuzz_support.h"

// The decoder reports genes that run out of symbols on standard output.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return std::freopen("/dev/null", "w", stdout) == nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace gepfit;
  fuzzing::byte_reader input(data, size);
  const int head_length = 1 + input.byte() % 64;
  const std::string terminals = input.symbols(1 + input.byte() % 10);
  const std::string functions1 = input.symbols(1 + input.byte() % 10);
  const std::string functions2 = input.symbols(1 + input.byte() % 10);
  if (terminals.empty() || functions1.empty() || functions2.empty()) return 0;
  const std::string gene = input.rest();
  if (gene.empty()) return 0;

  const gene_spec spec =
      new_gene_spec(terminals.c_str(), static_cast<int>(terminals.size()),
                    functions1.c_str(), functions2.c_str(), head_length);
  (void)spec;
  int count = 0;
  const et_ptr tree =
      build_et(gene.data(), static_cast<int>(gene.size()), terminals.c_str(),
               functions1.c_str(), functions2.c_str(), &count);
  if (!tree) return 0;
  const std::vector<double> row{0.0,  -1.5, 2.0, 1e308,  -0.0,
                                3.25, -7.0, 0.5, 1e-300, 42.0};
  eval_etnode(tree.get(), terminals.c_str(), row.data());
  std::FILE* sink = fuzzing::null_stream();
  write_et(sink, tree.get(), terminals.c_str(), functions1.c_str(),
           functions2.c_str());
  dump_et(tree.get(), 0, sink);
  // The open reading frame decodes alone to the same length.
  int again = 0;
  const et_ptr frame = build_et(gene.data(), count, terminals.c_str(),
                                functions1.c_str(), functions2.c_str(), &again);
  if (!frame || again != count) __builtin_trap();
  return 0;
}
