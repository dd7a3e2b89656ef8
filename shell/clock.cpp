#include "shell/clock.h"

#include "platform/platform.h"

namespace {
struct ClockState {
  bool manual = false;
  uint32_t manualMs = 0;
};
ClockState clk;
}  // namespace

uint32_t TimeGetMs() { return clk.manual ? clk.manualMs : Plat_TimeMs(); }
uint32_t TickCount() { return TimeGetMs(); }

void SleepMs(int ms) {
  if (clk.manual) {
    if (ms > 0) clk.manualMs += static_cast<uint32_t>(ms);
    return;
  }
  Plat_SleepMs(ms);
}

void Clock_SetManual(bool on, uint32_t startMs) {
  clk.manual = on;
  clk.manualMs = startMs;
}
void Clock_Set(uint32_t ms) { clk.manualMs = ms; }
void Clock_Advance(uint32_t ms) { clk.manualMs += ms; }
