// A long run stopped by a signal keeps the passes it finished.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/run_binary.h"

namespace gepfit::testing {
namespace {

TEST(InterruptTest, SignalEndsThePassAndKeepsItsResult) {
  for (const char* signal : {"INT", "TERM"}) {
    SCOPED_TRACE(signal);
    const std::string dir = make_temp_dir();
    // A target no pass can beat and an iteration limit no pass reaches:
    // only the signal ends the first pass.
    const std::string script =
        std::string(GEPFIT_BIN) + " " + test_data("run_product.csv") +
        " out.key -e1 -i2000000000 -p50 -t1 > out.txt 2> err.txt & pid=$!; "
        "sleep 1; kill -" +
        signal + " $pid; wait $pid";
    const run_result run = run_command({"/bin/bash", "-c", script}, "", dir);
    EXPECT_EQ(run.status, 0);
    const std::string out = mask_timing(read_file(dir + "/out.txt"));
    EXPECT_NE(out.find("Cannot meet the R-square target of 1.000 in "),
              std::string::npos);
    EXPECT_NE(out.find("Round 0: new variable d = "), std::string::npos);
    const std::string ending =
        "Interrupted. Quit at round 0.\n"
        "CPU time # seconds. Wall time # seconds. \n";
    ASSERT_GE(out.size(), ending.size());
    EXPECT_EQ(out.substr(out.size() - ending.size()), ending);

    // The key file holds the interrupted pass's appended variable.
    const std::string key = read_file(dir + "/out.key");
    ASSERT_GE(key.size(), 28u);
    std::int32_t header[2];
    std::memcpy(header, key.data(), sizeof header);
    EXPECT_EQ(header[0], 3);
    EXPECT_EQ(header[1], 1);
    std::int32_t length;
    std::memcpy(&length, key.data() + 24, sizeof length);
    EXPECT_EQ(key.size(), 8u + 28u + static_cast<std::size_t>(length));
  }
}

}  // namespace
}  // namespace gepfit::testing
