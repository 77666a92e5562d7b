// A file that is not a key file: every command names it, says what is
// wrong and ends with a non-zero status, printing nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures.h"
#include "support/key_bytes.h"

namespace gepfit::testing {
namespace {

std::string lead(std::int32_t length) {
  return le_double(0.25) + le_double(1.5) + le_int(length);
}

std::string record(const std::string& gene) {
  return lead(static_cast<std::int32_t>(gene.size())) + gene + le_double(0.5);
}

TEST(BadKeyFileTest, EveryCommandNamesTheFileAndWhatIsWrong) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string error;
  } cases[] = {
      {"shorter than its header", std::string("\x04\x00\x00", 3),
       "the file is shorter than its 8-byte header: it holds 3 bytes"},
      {"record cut short", key_header(4, 1) + lead(5) + "+ab",
       "record 0 (variable e) is cut short: its gene text of 5 symbols and "
       "its R-square need 13 more bytes, 3 are left"},
      {"length below 1", key_header(4, 1) + lead(0) + le_double(0.5),
       "record 0 (variable e): gene text length 0 is outside 1 to 8193, the "
       "longest gene of any head length up to 4096"},
      {"length above any head length", key_header(4, 1) + lead(1 << 30),
       "record 0 (variable e): gene text length 1073741824 is outside 1 to "
       "8193, the longest gene of any head length up to 4096"},
      {"gene text that does not decode",
       key_header(4, 2) + record("a") + record("*+ea"),
       "record 1 (variable f): gene text \"*+ea\" does not decode: it ends "
       "with 1 operand still missing (one-operand ACDELQRS, two-operand "
       "+*-/^)"},
      {"fewer records than announced", key_header(4, 3) + record("Qa"),
       "the header announces 3 records, but the file holds 1"},
      {"more records than announced",
       key_header(4, 1) + record("Qa") + record("e"),
       "the header announces 1 record, but the file holds 2"},
      {"trailing bytes", key_header(4, 1) + record("Qa") + "\n\n",
       "2 bytes follow the last of its 1 record"},
      {"a header of other data", "y,x1,x2\n1,2,3\n",
       "the header gives 829959289 input variables; a run starts from 1 to "
       "30"},
  };
  const std::string dir = make_temp_dir();
  const std::string path = dir + "/bad.key";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write_file(path, c.bytes);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", path},
          std::vector<std::string>{"predict", path, example("formula.csv")},
          std::vector<std::string>{"export", "--lang", "c", path}}) {
      SCOPED_TRACE(args[0]);
      const run_result run = run_gepkey(args);
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, "gepkey: " + path + ": " + c.error + "\n");
    }
  }
}

TEST(BadKeyFileTest, AFileThatCannotBeReadIsNamed) {
  const std::string dir = make_temp_dir();
  const run_result missing = run_gepkey({"show", dir + "/none.key"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "gepkey: " + dir +
                             "/none.key: cannot be read: No such file or "
                             "directory\n");
  const run_result folder = run_gepkey({"show", dir});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err,
            "gepkey: " + dir + ": cannot be read: Is a directory\n");
}

}  // namespace
}  // namespace gepfit::testing
