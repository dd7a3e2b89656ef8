// Shared set-up for the figure model tests: an empty container, free record pools, cleared named
// variables and a log file of the test's own.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "figures/fgrs.h"
#include "gm/org_base.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "test_files.h"

class FiguresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // What an earlier test of the process left is reset first, so that what its reset logs (a
    // loop it made on purpose) stays out of this test's log and count.
    Records_ResetPools();
    Fgrs.ResetAll();
    // CTest runs the tests side by side in one folder: each keeps files of its own.
    Logger.gsFileLog = TestFileName("log.txt");
    std::remove(Logger.gsFileLog.c_str());
    LogResetCount();
    org2_Init();
    orgF_Init();
    RandSeed(12345);
    FrameClock.KadrStep = 10;  // every countdown below runs in steps of 10 ms
  }

  static std::string LogText() { return ReadAll(Logger.gsFileLog); }

  // A live figure of the kind (newborn state already ended).
  static Fgr* Make(int kind, int forBase = 0) {
    Fgr* f = Fgrs.AddFgr(kind, forBase);
    if (f) {
      f->novorod = 0;
      f->active = 1;
    }
    return f;
  }
};
