#include "expr/render.h"

#include <gtest/gtest.h>

#include <string>

#include "support/capture.h"
#include "tree_text.h"

namespace gepfit {
namespace {

using testing::alphabet;
using testing::capture_stdout;
using testing::decode;
using testing::dump;
using testing::infix;

TEST(InfixWriterTest, WritesByMembership) {
  struct Case {
    const char* name;
    std::string gene;
    alphabet sets;
    std::string text;
  } cases[] = {
      {"sum", "+ab", {}, "(a+b)"},
      {"lone terminal", "abb", {}, "a"},
      {"one-operand over two-operand",
       "Q*-+abcabca",
       {},
       "sqrt(((a-b)*(c+a)))"},
      {"breadth-first tree", "+Sa*bcaab", {}, "(sin((b*c))+a)"},
      {"power", "^ab", {}, "(a^b)"},
      {"cube root", "Da", {}, "cbrt(a)"},
      {"unnamed one-operand", "Ba", {"abc", "B", "+"}, "(a)"},
      {"symbol in no set drops its operands",
       "+Babc",
       {"abc", "Q", "+"},
       "(B+a)"},
      {"terminal in the one-operand set", "Qa", {"abc", "Qa", "+"}, "sqrt(())"},
      {"terminal in the two-operand set", "+ab", {"abc", "Q", "+a"}, "((a)+b)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    et_ptr tree = decode(c.gene, c.sets);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(infix(tree.get(), c.sets), c.text);
  }
}

TEST(TreeDumpTest, PrintsPreorderWithDepthDots) {
  struct Case {
    const char* name;
    std::string gene;
    alphabet sets;
    std::string text;
  } cases[] = {
      {"breadth-first tree", "+Sa*bcaab", {}, "+\n.S\n..*\n...b\n...c\n.a\n"},
      {"operands that the infix text leaves out",
       "+Babc",
       {"abc", "Q", "+"},
       "+\n.B\n..b\n..c\n.a\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    et_ptr tree = decode(c.gene, c.sets);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(dump(tree.get()), c.text);
  }
}

TEST(TreeDumpTest, NullTreePrintsNothing) {
  EXPECT_EQ(infix(nullptr, alphabet{}), "");
  EXPECT_EQ(capture_stdout([] { dump_et(nullptr, 0); }), "");
  free_et(nullptr);
}

}  // namespace
}  // namespace gepfit
