// The clock seam's three sources behind one switch per call: the wall clock of a window run, the
// script's clock of a headless run (its frames plus the sleeps the loop asked for, so a scripted
// run's times, pictures and files do not depend on how busy the machine is) and a manual clock that
// tests set and advance. The program chooses once, at its start; every reader then asks the one
// chosen, so no reader can mix two clocks.
#include "shell/clock.h"

#include "platform/platform.h"

namespace {
enum ClockSource { kClockWall, kClockScript, kClockManual };

struct ClockState {
  ClockSource source = kClockWall;
  uint32_t manualMs = 0;
  uint32_t sleptMs = 0;  // the script's clock: what the loop's sleeps advanced it by
};
ClockState clk;

// The script's clock in milliseconds since its start (wraps as the wall clock does).
uint32_t ScriptMs() {
  PlatScriptClock sc{};
  Plat_ScriptClock(&sc);
  return (uint32_t)sc.frameMs + clk.sleptMs;
}
}  // namespace

uint32_t TimeGetMs() {
  switch (clk.source) {
    case kClockManual: return clk.manualMs;
    case kClockScript: return kScriptClockStartMs + ScriptMs();
    case kClockWall: break;
  }
  return Plat_TimeMs();
}

uint32_t TickCount() { return TimeGetMs(); }

void SleepMs(int ms) {
  switch (clk.source) {
    case kClockManual:
      if (ms > 0) clk.manualMs += static_cast<uint32_t>(ms);
      return;
    case kClockScript:
      if (ms > 0) clk.sleptMs += static_cast<uint32_t>(ms);
      return;
    case kClockWall: break;
  }
  Plat_SleepMs(ms);
}

void Clock_Start() {
  clk.sleptMs = 0;
  clk.source = Plat_ScriptClock(nullptr) ? kClockScript : kClockWall;
}

uint32_t Clock_StartSeed() {
  PlatScriptClock sc{};
  if (clk.source == kClockScript && Plat_ScriptClock(&sc)) return sc.seed;
  return TickCount();
}

bool Clock_ScriptSeconds(uint32_t* seconds) {
  if (clk.source != kClockScript) return false;
  *seconds = ScriptMs() / 1000;
  return true;
}

void Clock_SetManual(bool on, uint32_t startMs) {
  clk.source = on ? kClockManual : kClockWall;
  clk.manualMs = startMs;
}
void Clock_Set(uint32_t ms) { clk.manualMs = ms; }
void Clock_Advance(uint32_t ms) { clk.manualMs += ms; }
