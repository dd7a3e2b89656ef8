#include "shell/clock.h"

#include <ctime>

namespace {
struct ClockState {
  bool manual = false;
  uint32_t manualMs = 0;
};
ClockState clk;

uint32_t MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + ts.tv_nsec / 1000000);
}
}  // namespace

uint32_t TimeGetMs() { return clk.manual ? clk.manualMs : MonotonicMs(); }
uint32_t TickCount() { return TimeGetMs(); }

void SleepMs(int ms) {
  if (clk.manual) {
    if (ms > 0) clk.manualMs += static_cast<uint32_t>(ms);
    return;
  }
  timespec ts{};
  if (ms > 0) {
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
  }
  nanosleep(&ts, nullptr);
}

void Clock_SetManual(bool on, uint32_t startMs) {
  clk.manual = on;
  clk.manualMs = startMs;
}
void Clock_Set(uint32_t ms) { clk.manualMs = ms; }
void Clock_Advance(uint32_t ms) { clk.manualMs += ms; }
