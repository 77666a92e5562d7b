#include "expr/eval.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>

#include "support/capture.h"
#include "tree_text.h"

namespace gepfit {
namespace {

using testing::alphabet;
using testing::capture_stdout;
using testing::decode;

constexpr double k_nan = std::numeric_limits<double>::quiet_NaN();
constexpr double k_inf = std::numeric_limits<double>::infinity();
constexpr double k_row[] = {1.0, 2.0, 3.0};

// Equal to the last bit, so that -0.0 and 0.0 differ; any NaN matches a
// NaN, since its sign and payload are not part of the contract.
::testing::AssertionResult same_value(double got, double want) {
  if (std::isnan(got) && std::isnan(want)) return ::testing::AssertionSuccess();
  if (std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(want))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << got << ", want " << want;
}

TEST(ExpressionEvaluatorTest, EvaluatesDecodedGenes) {
  struct Case {
    const char* name;
    std::string gene;
    alphabet sets;
    double value;
  } cases[] = {
      {"sqrt of product", "Q*-+abcabca", {}, 2.0},
      {"sine of product plus a", "+Sa*bcaab", {}, std::sin(6.0) + 1.0},
      {"lone terminal", "abb", {}, 1.0},
      {"unknown one-operand symbol", "Ba", {"abc", "B", "+"}, 0.0},
      {"two-operand symbol in the one-operand set",
       "+c",
       {"abc", "+", "*"},
       3.0},
      {"one-operand symbol in the two-operand set",
       "Sab",
       {"abc", "Q", "S"},
       std::sin(1.0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    et_ptr tree = decode(c.gene, c.sets);
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(
        same_value(eval_etnode(tree.get(), c.sets.terminals, k_row), c.value));
  }
}

TEST(ExpressionEvaluatorTest, AppliesFunctionTable) {
  struct Case {
    const char* name;
    char symbol;
    double a;
    double b;
    double value;
  } cases[] = {
      {"5 / 0", '/', 5.0, 0.0, -1.0},
      {"-5 / 0", '/', -5.0, 0.0, 1.0},
      {"0 / 0", '/', 0.0, 0.0, 0.0},
      {"NaN / 0", '/', k_nan, 0.0, 0.0},
      {"5 / -0", '/', 5.0, -0.0, -1.0},
      {"5 / NaN", '/', 5.0, k_nan, k_nan},
      {"6 / 4", '/', 6.0, 4.0, 1.5},
      {"power of a negative base", '^', -2.0, 3.0, 8.0},
      {"zero to a negative power", '^', 0.0, -1.0, k_inf},
      {"zero to the zero", '^', 0.0, 0.0, 1.0},
      {"cbrt 8", 'D', 8.0, 0.0, 2.0},
      {"cbrt -8", 'D', -8.0, 0.0, -2.0},
      {"cbrt 0", 'D', 0.0, 0.0, 0.0},
      {"cbrt NaN", 'D', k_nan, 0.0, k_nan},
      {"cbrt 64 through pow", 'D', 64.0, 0.0, std::nextafter(4.0, 0.0)},
      {"log of -e", 'L', -std::numbers::e, 0.0, 1.0},
      {"log of 0", 'L', 0.0, 0.0, -k_inf},
      {"sqrt of -4", 'Q', -4.0, 0.0, 2.0},
      {"abs of -3", 'A', -3.0, 0.0, 3.0},
      {"round 2.5", 'R', 2.5, 0.0, 3.0},
      {"round -2.5", 'R', -2.5, 0.0, -3.0},
      {"round just below a half", 'R', 0.49999999999999994, 0.0, 0.0},
      {"subtract is left minus right", '-', 1.0, 2.0, -1.0},
      {"unknown symbol", 'B', 1.0, 2.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(same_value(apply_function(c.symbol, c.a, c.b), c.value));
  }
}

et_ptr node(char symbol, int kind) {
  auto made = std::make_unique<etnode>();
  made->symbol = symbol;
  made->kind = kind;
  return made;
}

// Every visit of the node prints, and the rest of the tree still counts.
TEST(ExpressionEvaluatorTest, MissingTerminalPrintsAndGivesZero) {
  et_ptr plus = node('+', k_two_operand);
  plus->left = node('d', k_terminal);
  plus->right = node('b', k_terminal);
  double value = -1.0;
  std::string printed =
      capture_stdout([&] { value = eval_etnode(plus.get(), "abc", k_row); });
  EXPECT_EQ(printed, "Error in eval_etnode(): d not found in terminal set. \n");
  EXPECT_EQ(value, 2.0);
}

}  // namespace
}  // namespace gepfit
