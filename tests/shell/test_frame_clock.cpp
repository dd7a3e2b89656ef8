// Frame clock on the manual clock, countdowns, the animated timer, the random-hold walker,
// the cyclic approach and half floats.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "shell/clock.h"
#include "shell/frame_clock.h"
#include "shell/random.h"

namespace {
uint32_t Bits(float f) {
  uint32_t b;
  memcpy(&b, &f, sizeof b);
  return b;
}

// The frame clock as the program starts, on a stopped clock at startMs.
struct FrameClockTest : ::testing::Test {
  int pause = 0;
  void SetUp() override {
    Clock_SetManual(true, 5000);
    FrameClock.KadrStep = FrameClock.KadrStepPrev = 1;
    FrameClock.KadrStepF = 1.0f;
    FrameClock.GameSpeed = 1000.0f;
    FrameClock.MsClock = FrameClock.MsLast = 0;
    FrameClock.GameMs = 0;
    FrameClock.FramePauseFlag = &pause;
  }
  void TearDown() override {
    FrameClock.FramePauseFlag = nullptr;
    FrameClock.KadrStep = FrameClock.KadrStepPrev = 1;
    Clock_SetManual(false);
  }
  void Frame(uint32_t ms) {
    Clock_Advance(ms);
    FrameTimer_Tick();
  }
};
}  // namespace

TEST_F(FrameClockTest, StepIsClampedToOneThroughHundred) {
  FrameTimer_Tick();  // the first tick measures from 0
  EXPECT_EQ(FrameClock.KadrStep, 100);
  EXPECT_EQ(FrameClock.GameMs, 100);
  EXPECT_EQ(FrameClock.MsClock, 5000u);
  Frame(250);
  EXPECT_EQ(FrameClock.KadrStep, 100);
  EXPECT_EQ(FrameClock.GameMs, 200);
  Frame(0);  // a clock that did not move counts as 1 ms
  EXPECT_EQ(FrameClock.KadrStep, 1);
  EXPECT_EQ(FrameClock.KadrStepPrev, 100);
  EXPECT_EQ(FrameClock.GameMs, 201);
  Clock_Set(FrameClock.MsClock - 50);  // a clock that went back counts as 1 ms too
  FrameTimer_Tick();
  EXPECT_EQ(FrameClock.KadrStep, 1);
  EXPECT_EQ(FrameClock.MsLast, FrameClock.MsClock);
}

TEST_F(FrameClockTest, StepEqualsTheMillisecondsExactly) {
  FrameTimer_Tick();
  for (uint32_t d = 1; d <= 100; d++) {
    Frame(d);
    EXPECT_EQ(FrameClock.KadrStep, (int)d);
    EXPECT_FLOAT_EQ(FrameClock.KadrStepF, (float)d);
  }
  FrameClock.GameSpeed = 500.0f;
  Frame(33);
  EXPECT_EQ(FrameClock.KadrStep, 16);
  EXPECT_FLOAT_EQ(FrameClock.KadrStepF, 16.5f);
}

TEST_F(FrameClockTest, PauseStopsGameTimeButNotTheStep) {
  FrameTimer_Tick();
  pause = 1;
  Frame(40);
  EXPECT_EQ(FrameClock.KadrStep, 40);
  EXPECT_EQ(FrameClock.GameMs, 100);
  pause = 0;
  Frame(40);
  EXPECT_EQ(FrameClock.GameMs, 140);
  FrameClock.FramePauseFlag = nullptr;  // unwired: never paused
  Frame(10);
  EXPECT_EQ(FrameClock.GameMs, 150);
}

TEST_F(FrameClockTest, CountdownsByTheFrameStep) {
  FrameClock.KadrStep = 5;
  int c = 0;
  EXPECT_EQ(TimerDown(&c), 1);
  EXPECT_EQ(TimerDown(&c), 1);
  EXPECT_EQ(c, 0);
  c = 5;
  EXPECT_EQ(TimerDown(&c), 1);
  EXPECT_EQ(c, 0);
  c = 6;
  EXPECT_EQ(TimerDown(&c), 0);
  EXPECT_EQ(c, 1);
  c = -3;
  EXPECT_EQ(TimerDown(&c), 1);
  EXPECT_EQ(c, -3);
  c = 12;
  EXPECT_EQ(TimerDownRest(&c), 7);
  EXPECT_EQ(TimerDownRest2(&c), 2);
  EXPECT_EQ(TimerDownRest(&c), 0);
  EXPECT_EQ(TimerDownRest(&c), 0);

  // A countdown set to a time runs out after that much frame time.
  FrameTimer_Tick();
  Frame(30);
  int t = 800;
  int frames = 0;
  while (!TimerDown(&t)) {
    Frame(30);
    frames++;
  }
  EXPECT_EQ(frames, 26);  // 26 x 30 = 780 < 800: the 27th call runs it out
}

TEST_F(FrameClockTest, ScalingByTheStep) {
  FrameClock.KadrStep = 1;
  FrameClock.KadrStepPrev = 0;
  EXPECT_FLOAT_EQ(KadrScale(2.5f), 2.5f);
  EXPECT_FLOAT_EQ(KadrScalePair(2.5f), 2.5f);
  FrameClock.KadrStep = 4;
  EXPECT_FLOAT_EQ(KadrScale(2.5f), 10.0f);
  EXPECT_FLOAT_EQ(KadrScaleAbs(-2.5f), 10.0f);
  FrameClock.KadrStepPrev = 6;
  EXPECT_FLOAT_EQ(KadrScalePair(0.5f), 5.0f);
}

TEST_F(FrameClockTest, OnceTimerStopsAtItsEnd) {
  TimeMsTimer t;
  TimeMsTimer_Init(&t, 0.5f, 0.0f, 1.0f, 0.3f, kTimerOnce, 10);
  EXPECT_EQ(t.lastMs, 5000u);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 0.5f);  // not due yet
  Clock_Advance(10);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 0.5f);  // due only once past the interval
  Clock_Advance(1);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 0.8f);
  Clock_Advance(500);  // late, but the unit flag makes it one step
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 1.0f);
  EXPECT_EQ(t.done, 1);
  EXPECT_EQ(t.cycles, 1);
  Clock_Advance(50);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 1.0f);
  EXPECT_EQ(t.cycles, 1);
}

TEST_F(FrameClockTest, TimerFactorFollowsElapsedIntervals) {
  TimeMsTimer t;
  TimeMsTimer_Init(&t, 0.0f, 0.0f, 100.0f, 1.0f, kTimerWrap, 10);
  Clock_Advance(35);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 0), 3.5f);
  // Wrap takes the maximum off, not the width.
  TimeMsTimer_Init(&t, 9.0f, 5.0f, 10.0f, 2.0f, kTimerWrap, 10);
  Clock_Advance(11);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 1.0f);
  EXPECT_EQ(t.cycles, 1);
  // Stopped timer.
  t.done = -1;
  Clock_Advance(100);
  EXPECT_FLOAT_EQ(TimeMsTimer_Upd(&t, 1), 0.0f);
  EXPECT_FLOAT_EQ(t.value, 1.0f);
  // Not started: the first check only starts it.
  TimeMsTimer_Init(&t, 2.0f, 0.0f, 10.0f, 1.0f, kTimerWrap, 10);
  t.lastMs = 0;
  float factor = 7.0f;
  EXPECT_EQ(TimeMsTimer_Check(&t, &factor, TimeGetMs() + 100), 0);
  EXPECT_FLOAT_EQ(factor, 0.0f);
  EXPECT_EQ(t.lastMs, TimeGetMs());
}

TEST_F(FrameClockTest, PingPongTurnsAtEachEndAndCountsTurns) {
  TimeMsTimer t;
  TimeMsTimer_Init(&t, 0.5f, 0.0f, 1.0f, 0.4f, kTimerPingPong, 10);
  float seen[6];
  for (float& v : seen) {
    Clock_Advance(11);
    v = TimeMsTimer_Upd(&t, 1);
  }
  EXPECT_FLOAT_EQ(seen[0], 0.9f);
  EXPECT_FLOAT_EQ(seen[1], 1.0f);
  EXPECT_FLOAT_EQ(seen[2], 0.6f);
  EXPECT_NEAR(seen[3], 0.2f, 1e-6);
  EXPECT_FLOAT_EQ(seen[4], 0.0f);
  EXPECT_NEAR(seen[5], 0.4f, 1e-6);
  EXPECT_EQ(t.cycles, 2);
  EXPECT_EQ(t.dir, 1);
  t.dir = 7;  // a broken direction starts forward
  Clock_Advance(11);
  EXPECT_NEAR(TimeMsTimer_Upd(&t, 1), 0.8f, 1e-6);
}

TEST_F(FrameClockTest, ZeroIntervalStaysFinite) {
  TimeMsTimer t;
  TimeMsTimer_Init(&t, 0.5f, 0.0f, 1.0f, 0.001f, kTimerPingPong, 0);
  for (int i = 0; i < 5; i++) {
    Clock_Advance(3);
    EXPECT_TRUE(std::isfinite(TimeMsTimer_Upd(&t, 0)));
  }
  EXPECT_NEAR(t.value, 0.515f, 1e-6);
}

TEST(RandTimer, LastFrameZeroNeverMoves) {
  RandTimer r{};
  r.range[kRandHoldFirst][0] = 1;
  r.range[kRandHoldFirst][1] = 3;
  for (int i = 0; i < 20; i++) {
    RandTimer_Tick(&r, &r.frame[0], &r.hold[0], 0);
    EXPECT_EQ(r.frame[0], 0);
  }
}

TEST(RandTimer, WalksAndWrapsBothWays) {
  RandTimer r{};
  r.lastFrame = 3;
  int f = 2, h = 0;
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 3);
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 0);
  RandTimer_Tick(&r, &f, &h, 1);  // direction 1 steps backward
  EXPECT_EQ(f, 3);
  RandTimer_Tick(&r, &f, &h, 1);
  EXPECT_EQ(f, 2);
  EXPECT_EQ(h, 0);
}

TEST(RandTimer, HoldsAtHoldPointsForTheRandomCount) {
  RandSeed(1);
  RandTimer r{};
  r.lastFrame = 4;
  r.midFrame = 2;
  r.range[kRandHoldMid][0] = 3;  // hold 3 steps: the middle is the only present range
  r.range[kRandHoldMid][1] = 3;
  int f = 2, h = 0;
  RandTimer_Tick(&r, &f, &h, 0);  // arrival with no hold: the next hold is drawn, then it moves
  EXPECT_EQ(f, 3);
  EXPECT_EQ(h, 3);
  RandTimer_Tick(&r, &f, &h, 0);
  RandTimer_Tick(&r, &f, &h, 0);
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 1);
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 2);
  EXPECT_EQ(h, 3);
  RandTimer_Tick(&r, &f, &h, 0);
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 2);  // held two calls
  EXPECT_EQ(h, 1);
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(f, 3);
  EXPECT_EQ(h, 3);
}

TEST(RandTimer, BadRangeDoesNotDivideByZero) {
  RandTimer r{};
  r.lastFrame = 2;
  r.range[kRandHoldFirst][0] = 5;
  r.range[kRandHoldFirst][1] = -2;  // max below min: the minimum
  int f = 0, h = 0;
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(h, 5);
  EXPECT_EQ(f, 1);
  // A range of one value still draws in order to keep the random sequence.
  RandSeed(7);
  int expectFirst = Rand();
  RandSeed(7);
  r.range[kRandHoldFirst][1] = 5;
  f = 0;
  h = 0;
  RandTimer_Tick(&r, &f, &h, 0);
  EXPECT_EQ(h, 5);
  EXPECT_NE(Rand(), expectFirst);
}

TEST(RandTimer, NextRangeFollowsThePreferenceOrder) {
  RandTimer r{};
  r.lastFrame = 5;
  r.midFrame = 2;
  r.range[kRandHoldFirst][0] = r.range[kRandHoldFirst][1] = 10;
  r.range[kRandHoldMid][0] = r.range[kRandHoldMid][1] = 20;
  r.range[kRandHoldLast][0] = r.range[kRandHoldLast][1] = 30;
  int f = 0, h = 0;
  RandTimer_Tick(&r, &f, &h, 0);  // at frame 0: the middle range next
  EXPECT_EQ(h, 20);
  f = 5;
  h = 0;
  RandTimer_Tick(&r, &f, &h, 0);  // at the last frame: frame 0's range next
  EXPECT_EQ(h, 10);
  EXPECT_EQ(f, 0);
  f = 2;
  h = 0;
  RandTimer_Tick(&r, &f, &h, 0);  // at the middle: the last range next
  EXPECT_EQ(h, 30);
  r.midFrame = 5;
  f = 5;
  h = 0;
  RandTimer_Tick(&r, &f, &h, 0);  // middle and last the same frame: the last range
  EXPECT_EQ(h, 30);
}

TEST(TimeSplit, MinutesSecondsMilliseconds) {
  int m = -1, s = -1, ms = -1;
  MsToMinSecMs(61001, &m, &s, &ms);
  EXPECT_EQ(m, 1);
  EXPECT_EQ(s, 1);
  EXPECT_EQ(ms, 1);
  MsToMinSecMs(0, &m, &s, &ms);
  EXPECT_EQ(m + s + ms, 0);
  MsToMinSecMs(-5, &m, &s, &ms);
  EXPECT_EQ(m + s + ms, 0);
  MsToMinSecMs(3725999, &m, &s, &ms);
  EXPECT_EQ(m, 62);
  EXPECT_EQ(s, 5);
  EXPECT_EQ(ms, 999);
}

TEST(CyclicApproach, TakesTheShortWayRoundAndArrives) {
  float v = 350.0f, moved = 0.0f;
  // From 350 toward 10 on a 360 cycle the short way is forward across the wrap.
  EXPECT_EQ(CyclicApproach(&v, 5.0f, 10.0f, 1.0f, 360.0f, &moved), 0);
  EXPECT_FLOAT_EQ(v, 355.0f);
  EXPECT_FLOAT_EQ(moved, 5.0f);
  EXPECT_EQ(FrameClock.CyclicApproachDir, 1);
  EXPECT_EQ(CyclicApproach(&v, 5.0f, 10.0f, 1.0f, 360.0f, &moved), 0);
  EXPECT_FLOAT_EQ(v, 360.0f);
  EXPECT_EQ(CyclicApproach(&v, 5.0f, 10.0f, 1.0f, 360.0f, &moved), 0);
  EXPECT_FLOAT_EQ(v, 5.0f);
  EXPECT_EQ(CyclicApproach(&v, 5.0f, 10.0f, 1.0f, 360.0f, &moved), 1);
  EXPECT_FLOAT_EQ(v, 10.0f);
  EXPECT_FLOAT_EQ(moved, 0.0f);
  // Backward, with a step larger than a fifth of the cycle cut down.
  v = 50.0f;
  EXPECT_EQ(CyclicApproach(&v, -200.0f, 0.0f, 0.0f, 100.0f, &moved), 0);
  EXPECT_FLOAT_EQ(v, 30.0f);
  EXPECT_FLOAT_EQ(moved, -200.0f);
  // Inside the tolerance window across the wrap point.
  v = 99.5f;
  EXPECT_EQ(CyclicApproach(&v, 1.0f, 0.0f, 1.0f, 100.0f, &moved), 1);
  EXPECT_FLOAT_EQ(v, 0.0f);
}

TEST(HalfFloat, KnownValues) {
  uint16_t h = 0;
  FloatToHalf(&h, Bits(1.0f));
  EXPECT_EQ(h, 0x3C00);
  FloatToHalf(&h, Bits(-2.0f));
  EXPECT_EQ(h, 0xC000);
  FloatToHalf(&h, Bits(65520.0f));  // rounds past the largest half
  EXPECT_EQ(h, 0x7C00);
  FloatToHalf(&h, Bits(65504.0f));
  EXPECT_EQ(h, 0x7BFF);
  FloatToHalf(&h, Bits(std::ldexp(1.0f, -30)));
  EXPECT_EQ(h, 0x0000);
  FloatToHalf2(&h, Bits(-std::ldexp(1.0f, -30)));
  EXPECT_EQ(h, 0x8000);
  FloatToHalf(&h, Bits(std::ldexp(1.0f, -24)));
  EXPECT_EQ(h, 0x0001);
  FloatToHalf(&h, 0x7F800001u);  // a NaN whose kept fraction is 0 stays a NaN
  EXPECT_EQ(h, 0x7C01);
  FloatToHalf(&h, Bits(INFINITY));
  EXPECT_EQ(h, 0x7C00);
  h = 0x0001;
  EXPECT_EQ(HalfToFloat(&h), std::ldexp(1.0f, -24));
  h = 0x3555;
  EXPECT_NEAR(HalfToFloat(&h), 1.0f / 3.0f, 1e-4);
}

TEST(HalfFloat, EveryHalfRoundTrips) {
  for (uint32_t i = 0; i < 0x10000u; i++) {
    uint16_t in = (uint16_t)i, out = 0;
    float f = HalfToFloat(&in);
    FloatToHalf(&out, Bits(f));
    ASSERT_EQ(out, in) << std::hex << i;
  }
}
