// Each test process works in a folder of its own (ctest runs the tests of this executable in
// parallel in one working directory, and many of them write files of the same names), headless.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

class ScratchDir : public testing::Environment {
 public:
  void SetUp() override {
    // Error boxes must never wait for a click while tests run.
    setenv("TOLV_VIDEO", "headless", 1);
    std::string name = testing::GTEST_FLAG(filter);
    for (char& c : name)
      if (c == '*' || c == ':' || c == '/' || c == '?') c = '_';
    name = "scratch_" + name;
    mkdir(name.c_str(), 0755);
    ASSERT_EQ(chdir(name.c_str()), 0);
  }
};

testing::Environment* const sScratch = testing::AddGlobalTestEnvironment(new ScratchDir);

}  // namespace
