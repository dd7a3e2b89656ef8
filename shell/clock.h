// The millisecond clock seam. Every reader of the time (frame clock, timers, tick counts, double
// clicks, the dates of log lines and file names) goes through these calls, so the time can come
// from elsewhere than the wall: from the script of a headless run, or from a test.
#pragma once

#include <cstdint>

uint32_t TimeGetMs();  // timeGetTime: milliseconds since an arbitrary start, wraps at 2^32
uint32_t TickCount();  // GetTickCount: the same clock
void SleepMs(int ms);  // a sleep of at least ms milliseconds (1 ms resolution); 0 or less yields

// Chooses the run's clock at start-up. A headless run keeps the script's clock: it starts at
// kScriptClockStartMs, each frame drawn advances it by the script's step, and a sleep advances it
// by its length instead of waiting; the game's rules for time stay as they are, only their time
// comes from the script. Any other run keeps the wall clock.
void Clock_Start();
constexpr uint32_t kScriptClockStartMs = 1000;
// The seed of the run's random numbers: the script's on the script's clock, else the tick count.
uint32_t Clock_StartSeed();
// The whole seconds the script's clock has run, for the dates of a scripted run (they start at
// 2000-01-01 00:00:00); false on any other clock.
bool Clock_ScriptSeconds(uint32_t* seconds);

// Test seam: while manual, the clock answers only what the test sets and SleepMs advances it.
void Clock_SetManual(bool on, uint32_t startMs = 1000);
void Clock_Set(uint32_t ms);
void Clock_Advance(uint32_t ms);
