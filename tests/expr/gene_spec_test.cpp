#include "expr/gene_spec.h"

#include <gtest/gtest.h>

#include <string>

namespace gepfit {
namespace {

TEST(GeneSpecTest, CopiesAlphabetAndSetsLayout) {
  struct Case {
    const char* name;
    const char* terminals;
    int n_terminals;
    const char* functions1;
    const char* functions2;
    int head_length;
    std::string terminal_list;
    std::string function_list;
    std::uint32_t gene_length;
  } cases[] = {
      {"default sets, three variables", "abc", 3, "ACDELQRS", "+*-/^", 5, "abc",
       "ACDELQRS+*-/^", 11},
      {"custom sets, leading terminals only", "abcd", 2, "Q", "+-", 1, "ab",
       "Q+-", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gene_spec spec = new_gene_spec(c.terminals, c.n_terminals, c.functions1,
                                   c.functions2, c.head_length);
    EXPECT_EQ(spec.terminal_list, c.terminal_list);
    EXPECT_EQ(spec.function_list, c.function_list);
    EXPECT_EQ(spec.n_terminals, c.terminal_list.size());
    EXPECT_EQ(spec.n_functions, c.function_list.size());
    EXPECT_EQ(spec.head_length, static_cast<std::uint32_t>(c.head_length));
    EXPECT_EQ(spec.max_arity, 2);
    EXPECT_EQ(spec.gene_length, c.gene_length);
  }
}

}  // namespace
}  // namespace gepfit
