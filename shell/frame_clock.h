// Frame clock and small timers: the frame step every timed piece of logic counts by, the game
// time that stands still in pause, countdowns, an animated value on the millisecond clock, a
// frame walker with random holds, and half-float conversion. Timer records belong to callers.
#pragma once

#include <cstdint>

// Frame clock state, advanced by FrameTimer_Tick once per mode frame.
struct t_FrameClock {
  int KadrStep = 1;           // frame step in ms, 1..100 after clamping and speed scaling
  int KadrStepPrev = 1;       // KadrStep of the previous frame
  float KadrStepF = 1.0f;     // the same step unrounded
  float GameSpeed = 1000.0f;  // speed factor per 1000
  uint32_t MsClock = 0;       // the clock at the start of the current frame
  uint32_t MsLast = 0;        // MsClock of the previous frame
  int GameMs = 0;             // game time in ms; stands still while paused
  // The pause flag the frame clock reads. Start-up points it at the game's pause variable; null
  // means never paused.
  const int* FramePauseFlag = nullptr;
  int CyclicApproachDir = 0;  // CyclicApproach's way of the last move: +1 forward, -1 back
};
extern t_FrameClock FrameClock;

void FrameTimer_Tick();

// Countdowns by the frame step.
int TimerDown(int* counter);      // 1 when it was already below 1 or has just run out
int TimerDownRest(int* counter);  // the same step; answers what is left
int TimerDownRest2(int* counter);

// Frame-step scaling of per-millisecond speeds.
float KadrScale(float f);
float KadrScaleAbs(float f);
float KadrScalePair(float f);

// An animated value on the millisecond clock.
enum { kTimerWrap = 0, kTimerOnce = 1, kTimerPingPong = 2 };
struct TimeMsTimer {
  uint32_t lastMs;  // 0 = not started
  int intervalMs;
  float minV;
  float maxV;
  int mode;  // kTimerWrap, kTimerOnce, kTimerPingPong
  int dir;   // +1 or -1, ping-pong only
  int done;  // 0 running, 1 finished (once), -1 stopped
  float value;
  float step;  // change per interval
  int cycles;  // wraps, turns and ends; back to 0 once above 9100200
};
static_assert(sizeof(TimeMsTimer) == 40, "ten 4-byte words");

void TimeMsTimer_Init(TimeMsTimer* t, float value, float minV, float maxV, float step, int mode,
                      int intervalMs);
int TimeMsTimer_Check(TimeMsTimer* t, float* factor, uint32_t now);
float TimeMsTimer_Upd(TimeMsTimer* t, int unit);

// A frame walker of three channels that holds for a random number of steps at its hold points.
enum { kRandHoldFirst = 0, kRandHoldMid = 1, kRandHoldLast = 2 };
struct RandTimer {
  int midFrame;
  int lastFrame;
  int frame[3];     // current frame of each channel
  int hold[3];      // hold counter of each channel
  int on;           // tested by the callers before stepping
  int range[3][2];  // (min, max) hold ranges at frame 0, the middle and the last frame; min 0 = none
};
static_assert(sizeof(RandTimer) == 60, "fifteen ints");

// One step of one channel; direction 1 steps backward, anything else forward.
void RandTimer_Tick(RandTimer* r, int* frame, int* hold, int direction);

void MsToMinSecMs(int ms, int* minutes, int* seconds, int* milliseconds);

// Moves *value one step round a cycle of length |period| toward target; 1 once it is there.
// The way of the move is left in FrameClock.CyclicApproachDir.
int CyclicApproach(float* value, float step, float target, float tolerance, float period, float* moved);

// IEEE 754 binary16 from and to binary32 (the float given and taken as its bits).
void FloatToHalf(uint16_t* out, uint32_t floatBits);
void FloatToHalf2(uint16_t* out, uint32_t floatBits);
float HalfToFloat(const uint16_t* in);
