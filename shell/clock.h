// The millisecond clock seam. Every reader of the time (frame clock, timers, tick counts, double
// clicks) goes through these calls, so a test can stop the clock and drive the frame step by hand.
#pragma once

#include <cstdint>

uint32_t TimeGetMs();   // timeGetTime: milliseconds since an arbitrary start, wraps at 2^32
uint32_t TickCount();   // GetTickCount: the same clock
void SleepMs(int ms);   // a sleep of at least ms milliseconds (1 ms resolution); 0 or less yields

// Test seam: while manual, the clock answers only what the test sets and SleepMs advances it.
void Clock_SetManual(bool on, uint32_t startMs = 1000);
void Clock_Set(uint32_t ms);
void Clock_Advance(uint32_t ms);
