#include "front/loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "front/fields.h"
#include "support/capture.h"
#include "support/run_binary.h"

namespace gepfit {
namespace {

using namespace std::string_literals;

struct load_run {
  std::optional<dataset> data;
  std::string out;  // the data file's path shown as FILE, timing masked
};

class LoaderTest : public ::testing::Test {
 protected:
  ~LoaderTest() override { std::filesystem::remove_all(dir_); }

  // Loads `contents` from a file, answering a prompt with `answers`.
  load_run load(const std::string& contents,
                run_settings settings = default_settings(),
                const std::string& answers = "") {
    settings.has_infile = true;
    settings.infile = dir_ + "/data.txt";
    testing::write_file(settings.infile, contents);
    return load_file(settings, answers);
  }

  load_run load_file(const run_settings& settings,
                     const std::string& answers = "") {
    testing::captured_stream in, out;
    std::fputs(answers.c_str(), in.get());
    std::rewind(in.get());
    std::optional<dataset> data = load_dataset(settings, in.get(), out.get());
    return {std::move(data), shown(out.text(), settings.infile)};
  }

  // `text` with the data file's path shown as FILE and timing masked.
  static std::string shown(std::string text, const std::string& path) {
    for (std::size_t at = text.find(path);
         !path.empty() && at != std::string::npos; at = text.find(path, at)) {
      text.replace(at, path.size(), "FILE");
    }
    return testing::mask_timing(text);
  }

  std::string dir_ = testing::make_temp_dir();
};

TEST_F(LoaderTest, ReadsObservations) {
  struct Case {
    const char* name;
    std::string contents;
    std::vector<std::string> names;  // empty when there is no header
    int ncols;
    int nvars;
    std::vector<double> target;
    std::vector<std::vector<double>> rows;
    int max_rows = 10000;
  } cases[] = {
      {"header",
       "y,x1,x2\n1,2,3\n4,5,6\n",
       {"y", "x1", "x2"},
       3,
       2,
       {1, 4},
       {{2, 3}, {5, 6}}},
      {"numeric first line",
       "1.5 2 3\n4 5 6\n",
       {},
       3,
       2,
       {1.5, 4},
       {{2, 3}, {5, 6}}},
      {"runs of separators",
       "1,,2\t;3\n  4;5 \t6\n",
       {},
       3,
       2,
       {1, 4},
       {{2, 3}, {5, 6}}},
      {"trailing separator",
       "y,x1,x2,\n1,2,3,\n",
       {"y", "x1", "x2"},
       3,
       2,
       {1},
       {{2, 3}}},
      {"short line ends reading",
       "1 2 3\n4 5\n7 8 9\n",
       {},
       3,
       2,
       {1},
       {{2, 3}}},
      {"empty line ends reading", "1 2 3\n\n7 8 9\n", {}, 3, 2, {1}, {{2, 3}}},
      {"letters read as 0",
       "y x\n1 abc\nfoo 2\n",
       {"y", "x"},
       2,
       1,
       {1, 0},
       {{0}, {2}}},
      {"extra fields ignored", "1 2\n3 4 5\n", {}, 2, 1, {1, 3}, {{2}, {4}}},
      {"carriage returns",
       "y;x1\r\n1;2\r\n3;4\r\n",
       {"y", "x1"},
       2,
       1,
       {1, 3},
       {{2}, {4}}},
      {"long line read whole",
       "1" + std::string(5000, ' ') + "2\n3 4\n",
       {},
       2,
       1,
       {1, 3},
       {{2}, {4}}},
      {"NUL byte ends the line",
       "1 2\0 3\n4 5 6\n"s,
       {},
       2,
       1,
       {1, 4},
       {{2}, {5}}},
      {"no final newline", "y x\n1 2", {"y", "x"}, 2, 1, {1}, {{2}}},
      {"single column is a header", "5\n6\n7\n", {"5"}, 1, 0, {6, 7}, {{}, {}}},
      {"header only", "y,x1\n", {"y", "x1"}, 2, 1, {}, {}},
      {"max rows after a header",
       "y x\n1 2\n3 4\n5 6\n",
       {"y", "x"},
       2,
       1,
       {1, 3},
       {{2}, {4}},
       2},
      {"max rows without a header",
       "1 2\n3 4\n5 6\n",
       {},
       2,
       1,
       {1, 3},
       {{2}, {4}},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    run_settings settings = default_settings();
    settings.max_rows = c.max_rows;
    load_run run = load(c.contents, settings);
    ASSERT_TRUE(run.data.has_value());
    const dataset& data = *run.data;
    EXPECT_EQ(data.has_header, !c.names.empty());
    EXPECT_EQ(data.names, c.names);
    EXPECT_EQ(data.ncols, c.ncols);
    EXPECT_EQ(data.nvars, c.nvars);
    EXPECT_EQ(data.terminals, std::string("abc").substr(0, c.nvars));
    EXPECT_EQ(data.nrows, static_cast<int>(c.target.size()));
    EXPECT_EQ(data.target, c.target);
    EXPECT_EQ(data.rows, c.rows);
  }
}

TEST_F(LoaderTest, ReportsAndEchoes) {
  struct Case {
    const char* name;
    std::string contents;
    std::string out;
  } cases[] = {
      {"header, two rows of three", "y,x1,x2\n1,2,3\n4,5,6\n7,8,9\n",
       "Reading 2 input variables per row.\n"
       "2 rows are read from FILE. Elapsed # seconds. \n"
       "The first 10 rows (with the header line):\n"
       "y(target) x1(a) x2(b) \n"
       "1.000000 2.000000 3.000000 \n"
       "4.000000 5.000000 6.000000 \n"},
      {"no header", "1.5 2 3\n",
       "Reading 2 input variables per row.\n"
       "1 rows are read from FILE. Elapsed # seconds. \n"
       "The first 10 rows (with internal header line):\n"
       "target a b \n"
       "1.500000 2.000000 3.000000 \n"},
  };
  run_settings settings = default_settings();
  settings.max_rows = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(load(c.contents, settings).out, c.out);
  }
}

TEST_F(LoaderTest, AsksBeforeDroppingColumns) {
  const std::string prompt =
      "5 input vars are detected in FILE, use only the first 3. [y/n]? ";
  struct Case {
    std::string answers;
    std::string before_reading;  // everything printed before "Reading"
    bool loads;
  } cases[] = {
      {"y", prompt + "\n", true},
      {"Y", prompt + "\n", true},
      {"x\ny", prompt + prompt + prompt + "\n", true},
      {"n", prompt + "Terminated.\n", false},
      {"N", prompt + "Terminated.\n", false},
      {"", prompt + "Terminated.\n", false},
  };
  run_settings settings = default_settings();
  settings.max_vars = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.answers));
    load_run run = load("y a b c d e\n1 2 3 4 5 6\n", settings, c.answers);
    EXPECT_EQ(run.out.substr(0, run.out.find("Reading")), c.before_reading);
    ASSERT_EQ(run.data.has_value(), c.loads);
    if (!c.loads) continue;
    EXPECT_EQ(run.data->nvars, 3);
    EXPECT_EQ(run.data->ncols, 6);
    EXPECT_EQ(run.data->rows, (std::vector<std::vector<double>>{{2, 3, 4}}));
    EXPECT_NE(run.out.find("y(target) a(a) b(b) c(c) d(d) e(e) \n"
                           "1.000000 2.000000 3.000000 4.000000 \n"),
              std::string::npos);
  }
}

TEST_F(LoaderTest, FailsWithOneMessage) {
  const char no_field[] =
      "The first line of the input file does not look right.\n";
  struct Case {
    const char* name;
    std::string contents;
    std::string out;
  } cases[] = {
      {"empty file", "", "The input file FILE is empty.\n"},
      {"separators only", " ,;", no_field},
      {"NUL first", "\0 1 2\n"s, no_field},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    load_run run = load(c.contents);
    EXPECT_FALSE(run.data.has_value());
    EXPECT_EQ(run.out, c.out);
  }
}

TEST_F(LoaderTest, NeedsAFileToOpen) {
  run_settings settings = default_settings();
  load_run run = load_file(settings);
  EXPECT_FALSE(run.data.has_value());
  EXPECT_EQ(run.out, "No input file given.\n");

  settings.has_infile = true;
  settings.infile = dir_ + "/missing.csv";
  run = load_file(settings);
  EXPECT_FALSE(run.data.has_value());
  EXPECT_EQ(run.out, "Cannot open file FILE for reading.\n");
}

TEST(IsNumberTest, WholeTextMustBeANumber) {
  const struct {
    const char* text;
    bool number;
  } cases[] = {{"2.5", true}, {"-1e3", true}, {"2.5\n", false}, {" 2.5", false},
               {"x1", false}, {"", false},    {nullptr, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(none)");
    EXPECT_EQ(is_number(c.text), c.number);
  }
}

}  // namespace
}  // namespace gepfit
