// Each render test works in a folder of its own (ctest runs the tests of this executable side by
// side in one working folder, and many of them write files of the same names), headless.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test_files.h"

namespace {

class ScratchDirs : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    base_ = std::filesystem::current_path();
    std::filesystem::current_path(TestScratchDir("scratch_"));
  }
  void OnTestEnd(const testing::TestInfo&) override { std::filesystem::current_path(base_); }

 private:
  std::filesystem::path base_;
};

class Headless : public testing::Environment {
 public:
  // Error boxes must never wait for a click while tests run.
  void SetUp() override { setenv("TOLV_VIDEO", "headless", 1); }
};

testing::Environment* const sHeadless = testing::AddGlobalTestEnvironment(new Headless);
const bool sScratchDirs = (testing::UnitTest::GetInstance()->listeners().Append(new ScratchDirs), true);

}  // namespace
