// Log cap, the classic random sequence and the manual clock.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "test_files.h"

TEST(Log, CapWritesClosingLineAndThenFallsSilent) {
  Logger.gsFileLog = "log_cap.txt";
  std::remove(Logger.gsFileLog.c_str());
  LogResetCount();
  for (int i = 1; i <= 3502; ++i) LogInfo("\nm%d", i);
  std::string text = ReadAll(Logger.gsFileLog);
  EXPECT_NE(text.find("\nm3500\n(3500) so mach msgs and log-sys close ...\n"), std::string::npos);
  EXPECT_EQ(text.find("m3501"), std::string::npos);
  LogResetCount();
}

TEST(Log, MessageWithoutLineBreakContinuesTheLine) {
  Logger.gsFileLog = "log_cont.txt";
  std::remove(Logger.gsFileLog.c_str());
  LogResetCount();
  LogInfo("\nfirst");
  LogInfo(" %s %d", "second", 2);
  EXPECT_EQ(ReadAll(Logger.gsFileLog), "\nfirst second 2");
}

TEST(Log, UnopenableFileLosesTheMessageUncountedAndSaysSoOnce) {
  Logger.gsFileLog = "no_such_dir/log.txt";
  LogResetCount();
  testing::internal::CaptureStderr();
  LogInfo("\nlost");
  LogInfo("\nlost again");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "log: cannot write no_such_dir/log.txt (No such file or directory); this run's log lines "
            "are lost\n");
  EXPECT_EQ(LogCount(), 0);
}

TEST(Random, ReproducesTheClassicRuntimeSequence) {
  RandSeed(1);
  EXPECT_EQ(Rand(), 41);
  EXPECT_EQ(Rand(), 18467);
  EXPECT_EQ(Rand(), 6334);
  RandSeed(1);
  EXPECT_EQ(Rand(), 41);
  for (int i = 0; i < 1000; ++i) {
    int r = Rand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, kRandMax);
  }
}

TEST(Random, RangeWithMaxBelowMinAnswersMin) {
  EXPECT_EQ(RandRange(5, 2), 5);
  EXPECT_EQ(RandRange(3, 3), 3);
  for (int i = 0; i < 200; ++i) {
    int r = RandRange(-2, 2);
    ASSERT_GE(r, -2);
    ASSERT_LE(r, 2);
  }
}

TEST(Clock, ManualClockIsDrivenByTheTest) {
  Clock_SetManual(true, 500);
  EXPECT_EQ(TimeGetMs(), 500u);
  Clock_Advance(16);
  EXPECT_EQ(TickCount(), 516u);
  SleepMs(4);
  EXPECT_EQ(TimeGetMs(), 520u);
  Clock_SetManual(false);
  uint32_t a = TimeGetMs();
  SleepMs(2);
  EXPECT_GE(TimeGetMs() - a, 2u);
}
