#include "keychain/key_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/karva.h"
#include "keychain/key_file.h"
#include "support/capture.h"
#include "support/key_bytes.h"
#include "support/run_binary.h"

namespace gepfit {
namespace {

using testing::key_header;
using testing::le_double;
using testing::le_int;
using testing::make_key;

const char k_functions1[] = "ACDELQRS";
const char k_functions2[] = "+*-/^";

// A whole record whose length field matches its gene text.
std::string record(const std::string& gene) {
  return le_double(0.5) + le_double(2.0) +
         le_int(static_cast<std::int32_t>(gene.size())) + gene +
         le_double(0.75);
}

TEST(KeyFileReaderTest, ReadsWhatTheWriterWrites) {
  keychain chain;
  chain.append(make_key(0.057873, -0.720933, "-D*-abbc", 0.787));
  chain.append(make_key(-1.25, 0.5, "+S*eaab", 0.96));  // reads e
  chain.append(make_key(9.0, 9.0, "a", 0.99));          // the pass that stopped
  testing::captured_stream out;
  const std::string bytes = encode_keyfile(4, 2, chain.first(), out.get());

  const key_file_result read =
      decode_keyfile(bytes, k_functions1, k_functions2);
  ASSERT_TRUE(read.key) << read.error;
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(read.key->initial_nvars, 4);
  ASSERT_EQ(read.key->records.size(), 2u);
  const key_link* link = chain.first();
  for (const key_record& got : read.key->records) {
    EXPECT_EQ(got.gene, link->key.gene);
    EXPECT_EQ(got.length, link->key.length);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got.intercept),
              std::bit_cast<std::uint64_t>(link->key.intercept));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got.slope),
              std::bit_cast<std::uint64_t>(link->key.slope));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got.rsquare),
              std::bit_cast<std::uint64_t>(link->key.rsquare));
    link = link->next.get();
  }
}

// 30 inputs and 19 appended variables, the last reading the one before it,
// whose letter lies past '~'.
std::string every_variable_appended() {
  std::string bytes = key_header(30, 19);
  for (int k = 0; k < 18; ++k) bytes += record("a");
  return bytes + record(std::string(1, char('a' + 47)));
}

TEST(KeyFileReaderTest, AcceptsTheEdgesOfWhatARunWrites) {
  struct Case {
    const char* name;
    std::string bytes;
    int records;
  } cases[] = {
      {"header alone", key_header(4, 0), 0},
      {"one-symbol gene", key_header(1, 1) + record("a"), 1},
      {"widest start", key_header(30, 1) + record("+a~"), 1},
      {"every variable appended", every_variable_appended(), 19},
      {"longest gene",
       key_header(1, 1) +
           record(std::string(k_key_max_gene_length - 1, 'S') + "a"),
       1},
      // Symbols the run decoded as it appended the variable, whatever the
      // pass made of them: its own letter, and unused symbols after the
      // tree.
      {"own letter", key_header(1, 1) + record("+ab"), 1},
      {"symbols past the tree", key_header(2, 1) + record("aQ+"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const key_file_result read =
        decode_keyfile(c.bytes, k_functions1, k_functions2);
    ASSERT_TRUE(read.key) << read.error;
    EXPECT_EQ(static_cast<int>(read.key->records.size()), c.records);
  }
}

TEST(KeyFileReaderTest, SaysWhatIsWrongWithABadFile) {
  const std::string lead = le_double(0.5) + le_double(2.0);
  struct Case {
    const char* name;
    std::string bytes;
    std::string error;
  } cases[] = {
      {"empty file", "",
       "the file is shorter than its 8-byte header: it holds 0 bytes"},
      {"part of a header", key_header(4, 1).substr(0, 5),
       "the file is shorter than its 8-byte header: it holds 5 bytes"},
      {"no input variable", key_header(0, 0),
       "the header gives 0 input variables; a run starts from 1 to 30"},
      {"too many input variables", key_header(31, 0),
       "the header gives 31 input variables; a run starts from 1 to 30"},
      {"negative npass", key_header(4, -1), "the header announces -1 records"},
      {"more records than letters", key_header(4, 46),
       "the header announces 46 records, but a run that starts from 4 input "
       "variables appends at most 45"},
      {"record cut in its fixed fields", key_header(4, 1) + lead.substr(0, 10),
       "record 0 (variable e) is cut short: 10 bytes are left of the at "
       "least 29 it takes"},
      {"record cut in its gene text",
       key_header(4, 1) + lead + le_int(5) + "+ab",
       "record 0 (variable e) is cut short: its gene text of 5 symbols and "
       "its R-square need 13 more bytes, 3 are left"},
      {"record cut in its R-square",
       key_header(4, 2) + record("a") + lead + le_int(3) + "+ab" + "1234",
       "record 1 (variable f) is cut short: its gene text of 3 symbols and "
       "its R-square need 11 more bytes, 7 are left"},
      {"length zero", key_header(4, 1) + lead + le_int(0) + le_double(0.5),
       "record 0 (variable e): gene text length 0 is outside 1 to 8193, the "
       "longest gene of any head length up to 4096"},
      {"negative length", key_header(4, 1) + lead + le_int(-5),
       "record 0 (variable e): gene text length -5 is outside 1 to 8193, the "
       "longest gene of any head length up to 4096"},
      {"length past any head length", key_header(4, 1) + lead + le_int(8194),
       "record 0 (variable e): gene text length 8194 is outside 1 to 8193, "
       "the longest gene of any head length up to 4096"},
      {"symbol of no set", key_header(4, 1) + record("+aZ"),
       "record 0 (variable e): gene text \"+aZ\" holds 'Z', which is neither "
       "one of the variables a to e nor a function symbol (one-operand "
       "ACDELQRS, two-operand +*-/^)"},
      {"variable not yet appended",
       key_header(4, 2) + record("a") + record("*ag"),
       "record 1 (variable f): gene text \"*ag\" holds 'g', which is neither "
       "one of the variables a to f nor a function symbol (one-operand "
       "ACDELQRS, two-operand +*-/^)"},
      {"unprintable symbol", key_header(4, 1) + record(std::string("Q\x01", 2)),
       "record 0 (variable e): gene text \"Q\\x01\" holds '\\x01', which is "
       "neither one of the variables a to e nor a function symbol "
       "(one-operand ACDELQRS, two-operand +*-/^)"},
      {"one operand missing", key_header(4, 1) + record("+a"),
       "record 0 (variable e): gene text \"+a\" does not decode: it ends with "
       "1 operand still missing (one-operand ACDELQRS, two-operand +*-/^)"},
      {"two operands missing", key_header(4, 1) + record("*+a"),
       "record 0 (variable e): gene text \"*+a\" does not decode: it ends "
       "with 2 operands still missing (one-operand ACDELQRS, two-operand "
       "+*-/^)"},
      {"fewer records than announced",
       key_header(4, 3) + record("a") + record("Se"),
       "the header announces 3 records, but the file holds 2"},
      {"more records than announced",
       key_header(4, 1) + record("a") + record("Se") + record("b"),
       "the header announces 1 record, but the file holds 3"},
      {"trailing bytes", key_header(4, 1) + record("a") + "xyz",
       "3 bytes follow the last of its 1 record"},
      {"trailing bytes after an empty chain", key_header(4, 0) + "\n",
       "1 byte follows a header that announces no record"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const key_file_result read =
        decode_keyfile(c.bytes, k_functions1, k_functions2);
    EXPECT_FALSE(read.key);
    EXPECT_EQ(read.error, c.error);
  }
}

TEST(KeyFileReaderTest, ShowsOnlyTheStartOfALongGeneText) {
  const std::string gene = std::string(60, 'Q') + "+a";
  const key_file_result read = decode_keyfile(key_header(1, 1) + record(gene),
                                              k_functions1, k_functions2);
  EXPECT_EQ(read.error,
            "record 0 (variable b): gene text \"" + std::string(40, 'Q') +
                "...\" does not decode: it ends with 1 operand still missing "
                "(one-operand ACDELQRS, two-operand +*-/^)");
}

TEST(KeyFileReaderTest, TheFunctionSetsDecideWhatDecodes) {
  const std::string bytes = key_header(2, 1) + record("Bab");
  EXPECT_FALSE(decode_keyfile(bytes, k_functions1, k_functions2).key);
  EXPECT_TRUE(decode_keyfile(bytes, "Q", "B").key);
  // As a one-operand symbol B leaves b unused, which decodes.
  EXPECT_TRUE(decode_keyfile(bytes, "B", "+").key);
}

// Every gene over a small alphabet that the reader accepts is one the
// decoder builds a tree for, and the other way round.
TEST(KeyFileReaderTest, AcceptsExactlyTheGenesTheDecoderDecodes) {
  const std::string alphabet = "abcQS+*";  // c is the record's own letter
  std::vector<std::string> genes{""};
  int checked = 0;
  testing::capture_stdout([&] {
    for (int length = 1; length <= 5; ++length) {
      std::vector<std::string> longer;
      for (const std::string& gene : genes) {
        for (char symbol : alphabet) longer.push_back(gene + symbol);
      }
      genes.swap(longer);
      for (const std::string& gene : genes) {
        const bool accepted =
            decode_keyfile(key_header(2, 1) + record(gene), "QS", "+*")
                .key.has_value();
        const bool decoded = build_et(gene.data(), length, "abc", "QS", "+*",
                                      nullptr) != nullptr;
        EXPECT_EQ(accepted, decoded) << gene;
        ++checked;
      }
    }
  });
  EXPECT_EQ(checked, 7 + 49 + 343 + 2401 + 16807);
}

TEST(KeyFileReaderTest, NamesTheFileInEveryMessage) {
  const std::string dir = testing::make_temp_dir();
  const std::string path = dir + "/short.key";
  testing::write_file(path, key_header(4, 2) + record("a"));
  EXPECT_EQ(read_keyfile(path, k_functions1, k_functions2).error,
            path + ": the header announces 2 records, but the file holds 1");
  EXPECT_EQ(read_keyfile(dir + "/none.key", k_functions1, k_functions2).error,
            dir + "/none.key: cannot be read: No such file or directory");
  EXPECT_EQ(read_keyfile(dir, k_functions1, k_functions2).error,
            dir + ": cannot be read: Is a directory");
}

}  // namespace
}  // namespace gepfit
