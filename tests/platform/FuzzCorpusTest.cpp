// Replays the reader's fuzz corpus as an ordinary test, so every input that ever showed a
// fault stays checked in every build.

#include "tests/platform/StreamTestClasses.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vx::streamtest {
namespace {

TEST(ReaderFuzzCorpus, EveryInputIsReadOrRefusedCleanly) {
  const std::filesystem::path Dir = std::filesystem::path(VX_TEST_DATA_DIR) / "fuzz";
  int Files = 0, Accepted = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
    std::ifstream In(Entry.path(), std::ios::binary);
    std::ostringstream Text;
    Text << In.rdbuf();
    ++Files;
    try {
      Accepted += CheckDescription(Text.str()) ? 1 : 0;
    } catch (const std::exception& E) {
      ADD_FAILURE() << Entry.path() << ": " << E.what();
    }
    EXPECT_EQ(Counters().Live, 0) << Entry.path();
  }
  EXPECT_GE(Files, 5);
  EXPECT_GE(Accepted, 1) << "the corpus holds at least one valid description";
}

} // namespace
} // namespace vx::streamtest
