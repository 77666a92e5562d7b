#include "keychain/key_file.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/capture.h"
#include "support/key_bytes.h"
#include "support/run_binary.h"

namespace gepfit {
namespace {

using testing::captured_stream;
using testing::le_double;
using testing::le_int;
using testing::make_key;

TEST(KeychainTest, KeepsPassOrderAndOwnsCopies) {
  keychain chain;
  key_record record = make_key(1.0, 2.0, "+ab", 0.5);
  chain.append(record);
  record.gene = "Qc";  // the link keeps its own text
  record.length = 2;
  chain.append(record);
  chain.append(key_record{});  // a record never filled: an empty text
  const key_link* link = chain.first();
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->key.gene, "+ab");
  EXPECT_EQ(link->key.length, 3);
  link = link->next.get();
  EXPECT_EQ(link->key.gene, "Qc");
  link = link->next.get();
  EXPECT_EQ(link->key.length, 0);
  EXPECT_EQ(link->next, nullptr);
}

TEST(KeyFileTest, EncodesTheLittleEndianLayout) {
  keychain chain;
  chain.append(make_key(-0.5, 1.25, "a", 0.75));
  chain.append(make_key(3.0, -2.0, "*+dab", 0.875));
  chain.append(make_key(9.0, 9.0, "b", 0.99));  // the pass that stopped
  captured_stream out;
  struct Case {
    std::int32_t npass;
    std::string expected;
  } cases[] = {
      {0, le_int(3) + le_int(0)},
      {1, le_int(3) + le_int(1) + le_double(-0.5) + le_double(1.25) +
              le_int(1) + "a" + le_double(0.75)},
      {2, le_int(3) + le_int(2) + le_double(-0.5) + le_double(1.25) +
              le_int(1) + "a" + le_double(0.75) + le_double(3.0) +
              le_double(-2.0) + le_int(5) + "*+dab" + le_double(0.875)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.npass);
    const std::string bytes =
        encode_keyfile(3, c.npass, chain.first(), out.get());
    EXPECT_EQ(bytes, c.expected);
  }
  EXPECT_EQ(encode_keyfile(3, 1, chain.first(), out.get()).size(), 8u + 29u);
  EXPECT_EQ(out.text(), "");
}

TEST(KeyFileTest, ReportsAChainShorterThanItsCount) {
  keychain chain;
  chain.append(make_key(1.0, 1.0, "a", 0.5));
  captured_stream out;
  const std::string bytes = encode_keyfile(2, 3, chain.first(), out.get());
  EXPECT_EQ(out.text(), "npass and keychain do not match\n");
  EXPECT_EQ(bytes.substr(0, 8), le_int(2) + le_int(3));
  EXPECT_EQ(bytes.size(), 8u + 29u);
}

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = opendir(dir.c_str());
  while (dirent* entry = readdir(d)) {
    if (entry->d_name[0] != '.') names.push_back(entry->d_name);
  }
  closedir(d);
  return names;
}

TEST(KeyFileTest, FailedWriteLeavesTheEarlierFileAndNoTemporary) {
  const std::string dir = testing::make_temp_dir();
  const std::string path = dir + "/model.key";
  testing::write_file(path, "earlier contents");
  const auto short_write = [](const void*, std::size_t size, std::FILE*) {
    return size / 2;
  };
  EXPECT_FALSE(replace_file(path, std::string(100, 'x'), short_write));
  EXPECT_EQ(testing::read_file(path), "earlier contents");
  EXPECT_EQ(files_in(dir), std::vector<std::string>{"model.key"});

  captured_stream out;
  keychain chain;
  write_keyfile(path, 4, 0, chain.first(), out.get());
  EXPECT_EQ(out.text(), "");
  EXPECT_EQ(testing::read_file(path), le_int(4) + le_int(0));
  EXPECT_EQ(files_in(dir), std::vector<std::string>{"model.key"});
}

TEST(KeyFileTest, UnwritablePathIsReported) {
  captured_stream out;
  write_keyfile("/nonexistent-folder/out.key", 3, 0, nullptr, out.get());
  EXPECT_EQ(out.text(),
            "Error writing key file /nonexistent-folder/out.key.\n");
}

}  // namespace
}  // namespace gepfit
