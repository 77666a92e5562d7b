#include "expr/karva.h"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.h"
#include "tree_text.h"

namespace gepfit {
namespace {

using testing::alphabet;
using testing::capture_stdout;
using testing::decode;
using testing::outline;

TEST(KarvaDecoderTest, ReadsBreadthFirst) {
  struct Case {
    const char* name;
    std::string gene;
    alphabet sets;
    int count;
    std::string outline;
  } cases[] = {
      {"lone terminal", "abb", {}, 1, "a0"},
      {"one-operand root over a full level",
       "Q*-+abcabca",
       {},
       8,
       "Q2(*1(-1(a0,b0),+1(c0,a0)))"},
      {"levels read left to right, not depth first",
       "+Sa*bcaab",
       {},
       6,
       "+1(S2(*1(b0,c0)),a0)"},
      {"whole gene used", "*+-abca", {}, 7, "*1(+1(a0,b0),-1(c0,a0))"},
      {"body symbol in no set takes two operands",
       "+Babc",
       {"abc", "Q", "+"},
       5,
       "+1(B1(b0,c0),a0)"},
      {"terminal wins over one-operand",
       "Qab",
       {"abc", "Qa", "+"},
       2,
       "Q2(a0)"},
      {"terminal wins over two-operand",
       "+ab",
       {"abc", "Q", "+a"},
       3,
       "+1(a0,b0)"},
      {"first symbol that is also a function is a terminal",
       "ab",
       {"abc", "a", "+"},
       1,
       "a0"},
      {"symbols above 127",
       "*\x90\x91",
       {"\x90\x91", "Q", "*"},
       3,
       "*1(\x90"
       "0,\x91"
       "0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int count = -1;
    et_ptr tree = decode(c.gene, c.sets, &count);
    EXPECT_EQ(outline(tree.get()), c.outline);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(outline(decode(c.gene, c.sets).get()), c.outline)
        << "without a count";
  }
}

TEST(KarvaDecoderTest, RunningOutOfSymbolsReportsOpenSlots) {
  struct Case {
    const char* name;
    std::string gene;
    int length;
    std::string printed;
  } cases[] = {
      {"one slot left", "+a", 2, "pos=2, len=2, count=1\nERROR!\n"},
      {"function alone", "Q", 1, "pos=1, len=1, count=1\nERROR!\n"},
      {"level cut short", "*+-ab", 5, "pos=5, len=5, count=2\nERROR!\n"},
      {"symbols beyond length are not read", "Q*-+abcabca", 7,
       "pos=7, len=7, count=1\nERROR!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    et_ptr tree;
    int count = -1;
    std::string printed = capture_stdout(
        [&] { tree = decode(c.gene, alphabet{}, &count, c.length); });
    EXPECT_EQ(printed, c.printed);
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(count, c.length);
  }
}

// No gene of a run starts with such a symbol; the decoder gives no tree
// rather than guess an arity.
TEST(KarvaDecoderTest, FirstSymbolInNoSetGivesNoTree) {
  et_ptr tree;
  int count = -1;
  std::string printed =
      capture_stdout([&] { tree = decode("Bab", alphabet{}, &count); });
  EXPECT_EQ(tree, nullptr);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(printed, "");
}

}  // namespace
}  // namespace gepfit
