#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "tree_text.h"

namespace gepfit {
namespace {

using testing::alphabet;
using testing::decode;
using testing::dump;
using testing::infix;

// The terminal set of a run at its widest: 'a' + 0 to 'a' + 48, so that
// the last symbols are bytes above 127.
std::string wide_terminals() {
  std::string set;
  for (int k = 0; k <= 48; ++k) set += static_cast<char>('a' + k);
  return set;
}

// A gene of the run's layout: a head of h symbols drawn from the whole
// alphabet and a tail of h + 1 terminals.
std::string random_gene(std::mt19937& rng, const alphabet& sets, int h) {
  const std::string terminals = sets.terminals;
  const std::string all =
      terminals + sets.functions1 + std::string(sets.functions2);
  std::string gene;
  for (int i = 0; i < h; ++i) gene += all[rng() % all.size()];
  for (int i = 0; i <= h; ++i) gene += terminals[rng() % terminals.size()];
  return gene;
}

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Every gene of the layout decodes within its length, and its open reading
// frame alone decodes to the same tree with the same value.
TEST(KarvaPropertyTest, OpenReadingFrameDecodesToTheSameTree) {
  const std::string wide = wide_terminals();
  struct Case {
    const char* name;
    alphabet sets;
  } cases[] = {
      {"default sets", {}},
      {"small custom sets", {"abc", "Q", "+-"}},
      {"symbols without an operation", {"abcde", "BQx", "+Z%"}},
      {"terminals that are also functions", {"abc", "Qa", "+b"}},
      {"widest terminal set", {wide.c_str(), "ACDELQRS", "+*-/^"}},
  };
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> value(-3.0, 3.0);
  for (const Case& c : cases) {
    std::vector<double> row(std::string(c.sets.terminals).size());
    for (double& x : row) x = value(rng);
    row[0] = 0.0;  // exercises the zero rules of / and ^
    for (int h = 1; h <= 10; ++h) {
      for (int trial = 0; trial < 100; ++trial) {
        const std::string gene = random_gene(rng, c.sets, h);
        SCOPED_TRACE(std::string(c.name) + ", gene " + gene);
        int count = -1;
        et_ptr whole = decode(gene, c.sets, &count);
        ASSERT_NE(whole, nullptr);
        ASSERT_GE(count, 1);
        ASSERT_LE(count, 2 * h + 1);

        int frame_count = -1;
        et_ptr frame = decode(gene, c.sets, &frame_count, count);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame_count, count);
        EXPECT_EQ(infix(frame.get(), c.sets), infix(whole.get(), c.sets));
        EXPECT_EQ(dump(frame.get()), dump(whole.get()));
        EXPECT_EQ(bits(eval_etnode(frame.get(), c.sets.terminals, row.data())),
                  bits(eval_etnode(whole.get(), c.sets.terminals, row.data())));
        if (HasFailure()) return;
      }
    }
  }
}

}  // namespace
}  // namespace gepfit
