#include "evolve/flat_eval.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "evolve/flat_program.h"
#include "evolve/random_genes.h"
#include "expr/eval.h"
#include "expr/karva.h"
#include "support/capture.h"

namespace gepfit {
namespace {

using testing::bits;
using testing::gene_alphabet;
using testing::table;

const gene_alphabet k_alphabets[] = {
    {"default sets, head 1", "abc", "ACDELQRS", "+*-/^", "", 1},
    {"default sets, head 6", "abc", "ACDELQRS", "+*-/^", "", 6},
    {"default sets, head 12", "abcde", "ACDELQRS", "+*-/^", "", 12},
    {"custom sets", "ab", "Q", "+-", "", 5},
    {"symbols without an operation", "abc", "BQ", "Z+", "?%\x01", 7},
    {"symbols of either arity in the other set", "abcd", "+-S", "SRE*", "", 8},
    {"a function letter that is a terminal", "abc", "Ab", "a/", "", 4},
};

// The tree walk, row by row: the reference.
std::vector<double> tree_values(const std::string& gene,
                                const gene_alphabet& a,
                                const table& t) {
  const et_ptr tree =
      build_et(gene.data(), static_cast<int>(gene.size()), a.terminals.c_str(),
               a.functions1, a.functions2, nullptr);
  std::vector<double> values;
  for (const auto& row : t.rows) {
    values.push_back(eval_etnode(tree.get(), a.terminals.c_str(), row.data()));
  }
  return values;
}

// Many genes of each alphabet, on rows full of corner values and on
// ordinary rows, over more rows than one block and a partial block.
TEST(FlatEvaluatorTest, GivesTheTreeWalksValuesBitForBit) {
  std::mt19937_64 rng(20240611);
  for (const auto& a : k_alphabets) {
    SCOPED_TRACE(a.name);
    const int nvars = static_cast<int>(a.terminals.size());
    const table tables[] = {
        testing::wild_table(nvars, 600, rng),
        testing::make_table(nvars, 300, [](const double* r) { return r[0]; })};
    const symbol_classes classes(a.terminals.c_str(), a.functions1,
                                 a.functions2);
    const int gene_length = 2 * a.head_length + 1;
    flat_program program(gene_length);
    for (const table& t : tables) {
      const column_data columns(t.rows, nvars);
      flat_scratch scratch(gene_length - 1, t.view().nrows);
      for (int g = 0; g < 250; ++g) {
        const std::string gene = testing::random_gene(a, rng);
        SCOPED_TRACE(gene);
        int count = 0;
        ASSERT_TRUE(build_et(gene.data(), gene_length, a.terminals.c_str(),
                             a.functions1, a.functions2, &count));
        const int length =
            open_reading_frame(gene.data(), gene_length, classes);
        ASSERT_EQ(length, count);
        decode_flat(gene.data(), length, classes, program);
        const double* flat = evaluate_flat(program, columns, scratch);
        const std::vector<double> expected = tree_values(gene, a, t);
        for (std::size_t j = 0; j < expected.size(); ++j) {
          ASSERT_EQ(bits(flat[j]), bits(expected[j])) << "row " << j;
        }
      }
    }
  }
}

// Genes outside the layout: functions in the tail, symbols in no set
// first. The frame length agrees with the decoder's count, and there is a
// frame exactly when there is a tree.
TEST(FlatProgramTest, FindsTheFrameWhereTheDecoderFindsATree) {
  std::mt19937_64 rng(7);
  const gene_alphabet& a = k_alphabets[4];
  const std::string symbols =
      a.terminals + a.functions1 + a.functions2 + a.strangers;
  const symbol_classes classes(a.terminals.c_str(), a.functions1, a.functions2);
  int with_tree = 0;
  for (int g = 0; g < 3000; ++g) {
    std::string gene;
    const int length = 1 + static_cast<int>(rng() % 9);
    for (int i = 0; i < length; ++i)
      gene.push_back(symbols[rng() % symbols.size()]);
    SCOPED_TRACE(gene);
    int count = -1;
    bool decoded = false;
    testing::capture_stdout([&] {
      decoded = build_et(gene.data(), length, a.terminals.c_str(), a.functions1,
                         a.functions2, &count) != nullptr;
    });
    const int frame = open_reading_frame(gene.data(), length, classes);
    EXPECT_EQ(frame != 0, decoded);
    if (decoded) {
      EXPECT_EQ(frame, count);
      ++with_tree;
    }
  }
  EXPECT_GT(with_tree, 300);
}

}  // namespace
}  // namespace gepfit
