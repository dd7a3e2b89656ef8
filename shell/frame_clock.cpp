// Frame clock, countdowns, the animated millisecond timer, the random-hold frame walker and
// half floats.
#include "shell/frame_clock.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "shell/clock.h"
#include "shell/random.h"

t_FrameClock FrameClock;

// ---------------------------------------------------------------------------------------------
// Frame clock

void FrameTimer_Tick() {
  FrameClock.KadrStepPrev = FrameClock.KadrStep;
  FrameClock.MsClock = TimeGetMs();
  int d = (int)(FrameClock.MsClock - FrameClock.MsLast);
  if (d <= 0) d = 1;
  if (d > 100) d = 100;  // a minimised window or a stall must not leap the world forward
  if (!(FrameClock.FramePauseFlag && *FrameClock.FramePauseFlag)) FrameClock.GameMs += d;
  FrameClock.MsLast = FrameClock.MsClock;
  // In double, d / 1000 * 1000 is d again for every d of 1..100, so the step is exact.
  double step = d / 1000.0 * (double)FrameClock.GameSpeed;
  FrameClock.KadrStep = (int)step;
  FrameClock.KadrStepF = (float)step;
}

int TimerDown(int* counter) {
  if (*counter < 1) return 1;
  if (*counter - FrameClock.KadrStep < 1) {
    *counter = 0;
    return 1;
  }
  *counter -= FrameClock.KadrStep;
  return 0;
}

int TimerDownRest(int* counter) {
  TimerDown(counter);
  return *counter;
}

int TimerDownRest2(int* counter) {
  TimerDown(counter);
  return *counter;
}

float KadrScale(float f) { return FrameClock.KadrStep >= 2 ? f * (float)FrameClock.KadrStep : f; }

float KadrScaleAbs(float f) { return std::fabs(KadrScale(f)); }

float KadrScalePair(float f) {
  int sum = FrameClock.KadrStepPrev + FrameClock.KadrStep;
  return sum >= 2 ? f * (float)sum : f;
}

// ---------------------------------------------------------------------------------------------
// Animated value on the millisecond clock

void TimeMsTimer_Init(TimeMsTimer* t, float value, float minV, float maxV, float step, int mode,
                      int intervalMs) {
  t->lastMs = TimeGetMs();
  t->intervalMs = intervalMs;
  t->minV = minV;
  t->maxV = maxV;
  t->mode = mode;
  t->dir = 1;
  t->done = 0;
  t->value = value;
  t->step = step;
  t->cycles = 0;
}

int TimeMsTimer_Check(TimeMsTimer* t, float* factor, uint32_t now) {
  if (t->lastMs == 0) {
    *factor = 0.0f;
    t->lastMs = TimeGetMs();
    return 0;
  }
  // An interval of 0 would make the factor infinite and the value NaN.
  uint32_t interval = t->intervalMs < 1 ? 1u : (uint32_t)t->intervalMs;
  if (t->lastMs + interval >= now) return 0;
  *factor = (float)(now - t->lastMs) / (float)interval;
  t->lastMs = now;
  return 1;
}

float TimeMsTimer_Upd(TimeMsTimer* t, int unit) {
  if (t->done == -1) return 0.0f;
  float factor = 0.0f;
  if (!TimeMsTimer_Check(t, &factor, TimeGetMs())) return t->value;
  if (unit) factor = 1.0f;  // one step per due tick, however late
  float v = t->value;
  switch (t->mode) {
    case kTimerOnce:
      if (t->done == 1) break;
      v += factor * t->step;
      if (v < t->minV) {
        v = t->minV;
        t->cycles++;
        t->done = 1;
      } else if (v > t->maxV) {
        v = t->maxV;
        t->cycles++;
        t->done = 1;
      }
      break;
    case kTimerWrap:
      v += factor * t->step;
      // Wraps by the maximum, not by the width of the range.
      if (v > t->maxV) {
        v -= t->maxV;
        t->cycles++;
      } else if (v < t->minV) {
        v += t->maxV;
        t->cycles++;
      }
      break;
    case kTimerPingPong:
      if (t->dir != 1 && t->dir != -1) t->dir = 1;
      v += t->dir == 1 ? factor * t->step : -factor * t->step;
      if (v > t->maxV) {
        v = t->maxV;
        t->cycles++;
        t->dir = -t->dir;
      } else if (v < t->minV) {
        v = t->minV;
        t->cycles++;
        t->dir = -t->dir;
      }
      break;
    default: break;
  }
  t->value = v;
  if (t->cycles > 9100200) t->cycles = 0;
  return t->value;
}

// ---------------------------------------------------------------------------------------------
// Frame walker with random holds

static bool RangePresent(const RandTimer* r, int k) { return r->range[k][0] != 0; }

// rand() % (max - min + 1) + min; a range with max below min holds for min steps.
static int HoldFrom(const RandTimer* r, int k) {
  int lo = r->range[k][0], hi = r->range[k][1];
  if (hi < lo) return lo;
  return Rand() % (hi - lo + 1) + lo;
}

// The hold for the next hold point: the first present range in the order given.
static int NextHold(const RandTimer* r, int a, int b, int c) {
  if (RangePresent(r, a)) return HoldFrom(r, a);
  if (RangePresent(r, b)) return HoldFrom(r, b);
  return HoldFrom(r, c);
}

void RandTimer_Tick(RandTimer* r, int* frame, int* hold, int direction) {
  int step = direction == 1 ? -1 : 1;
  int f = *frame;
  int point = -1;
  if (f == 0 && RangePresent(r, kRandHoldFirst)) point = kRandHoldFirst;
  else if (f == r->lastFrame && RangePresent(r, kRandHoldLast)) point = kRandHoldLast;
  else if (f == r->midFrame && RangePresent(r, kRandHoldMid)) point = kRandHoldMid;

  if (point >= 0) {
    if (*hold > 0) {
      (*hold)--;
      if (*hold > 0) return;
    } else {
      *hold = 0;
    }
    if (point == kRandHoldFirst) {
      *hold = NextHold(r, kRandHoldMid, kRandHoldLast, kRandHoldFirst);
    } else if (point == kRandHoldLast) {
      if (r->lastFrame == 0) *hold = NextHold(r, kRandHoldMid, kRandHoldLast, kRandHoldFirst);
      else if (r->midFrame == r->lastFrame)
        *hold = NextHold(r, kRandHoldLast, kRandHoldFirst, kRandHoldMid);
      else *hold = NextHold(r, kRandHoldFirst, kRandHoldMid, kRandHoldLast);
    } else {
      if (r->midFrame == 0) *hold = NextHold(r, kRandHoldMid, kRandHoldLast, kRandHoldFirst);
      else *hold = NextHold(r, kRandHoldLast, kRandHoldFirst, kRandHoldMid);
    }
  }

  if (r->lastFrame >= 1) {
    int g = f + step;
    int n = r->lastFrame + 1;
    if (g > r->lastFrame) g = g % n;
    else if (g < 0) g = (g - r->lastFrame) % n + r->lastFrame;
    *frame = g;
  }
}

void MsToMinSecMs(int ms, int* minutes, int* seconds, int* milliseconds) {
  if (ms < 1) {
    *minutes = *seconds = *milliseconds = 0;
    return;
  }
  int total = ms / 1000;
  *minutes = total / 60;
  *seconds = total % 60;
  *milliseconds = ms % 1000;
}

// ---------------------------------------------------------------------------------------------
// Cyclic approach

static float WrapOnce(float v, float p) {
  if (v < 0.0f) return v + p;
  if (v > p) return v - p;
  return v;
}

// The window [target - tol, target + tol] taken round the cycle.
static bool InWindow(float v, float target, float tol, float p) {
  float lo = target - tol, hi = target + tol;
  if (v >= lo && v <= hi) return true;
  if (lo < 0.0f && v >= lo + p) return true;
  if (hi > p && v <= hi - p) return true;
  return false;
}

// Whether the target lies on the way from a to a + delta (delta may be negative), across the
// wrap point too.
static bool Passes(float a, float delta, float target, float p) {
  float b = a + delta;
  float lo = delta < 0.0f ? b : a;
  float hi = delta < 0.0f ? a : b;
  for (float t : {target - p, target, target + p})
    if (t >= lo && t <= hi) return true;
  return false;
}

static float CycleDistance(float a, float target, float p) {
  float d = std::fabs(a - target);
  float other = std::fabs(p - d);
  return other < d ? other : d;
}

static int CyclicApproachStep(float* value, float v, float s, float target, float tol, float p) {
  float back = v - s, fwd = v + s;
  if (InWindow(WrapOnce(back, p), target, tol, p) || InWindow(WrapOnce(fwd, p), target, tol, p) ||
      Passes(v, -s, target, p) || Passes(v, s, target, p)) {
    *value = target;
    return 1;
  }
  float moved;
  if (CycleDistance(fwd, target, p) < CycleDistance(back, target, p)) {
    moved = fwd;
    FrameClock.CyclicApproachDir = 1;
  } else {
    moved = back;
    FrameClock.CyclicApproachDir = -1;
  }
  moved = WrapOnce(moved, p);
  if (InWindow(moved, target, tol, p)) {
    *value = target;
    return 1;
  }
  *value = moved;
  return 0;
}

int CyclicApproach(float* value, float step, float target, float tolerance, float period, float* moved) {
  *moved = 0.0f;
  float p = std::fabs(period);
  float s = std::fabs(step);
  if (s > 0.2f * p) s = 0.2f * p;
  float tol = std::fabs(tolerance);
  if (tol > 0.1f * p) tol = 0.1f * p;
  float v = WrapOnce(*value, p);
  if (v == target || InWindow(v, target, tol, p)) {
    *value = target;
    return 1;
  }
  int done = CyclicApproachStep(value, v, s, target, tol, p);
  if (!done) *moved = std::fabs(step) * (float)FrameClock.CyclicApproachDir;
  return done;
}

// ---------------------------------------------------------------------------------------------
// Half floats

void FloatToHalf(uint16_t* out, uint32_t floatBits) {
  uint32_t sign = (floatBits >> 16) & 0x8000u;
  int e = (int)((floatBits >> 23) & 0xFFu) - 112;
  uint32_t m = floatBits & 0x7FFFFFu;
  if (e <= 0) {
    if (e < 102 - 112) {  // below the smallest subnormal half
      *out = (uint16_t)sign;
      return;
    }
    m = (m | 0x800000u) >> (1 - e);
    *out = (uint16_t)(sign | ((m + 0x1000u) >> 13));
    return;
  }
  if (e == 143) {  // infinity or NaN
    uint32_t frac = m >> 13;
    if (m != 0 && frac == 0) frac = 1;  // keep a NaN a NaN
    *out = (uint16_t)(sign | 0x7C00u | frac);
    return;
  }
  m += 0x1000u;  // round half up
  if (m & 0x800000u) {
    m = 0;
    e++;
  }
  if (e > 30) {
    *out = (uint16_t)(sign | 0x7C00u);
    return;
  }
  *out = (uint16_t)(sign | ((uint32_t)e << 10) | (m >> 13));
}

void FloatToHalf2(uint16_t* out, uint32_t floatBits) { FloatToHalf(out, floatBits); }

float HalfToFloat(const uint16_t* in) {
  uint32_t h = *in;
  uint32_t sign = (h & 0x8000u) << 16;
  int e = (int)((h >> 10) & 0x1Fu);
  uint32_t m = h & 0x3FFu;
  uint32_t bits;
  if (e == 0 && m == 0) {
    bits = sign;
  } else if (e == 31) {
    bits = sign | 0x7F800000u | (m << 13);
  } else {
    if (e == 0) {
      e = 1;
      while (!(m & 0x400u)) {
        m <<= 1;
        e--;
      }
      m &= 0x3FFu;
    }
    bits = sign | ((uint32_t)(e + 112) << 23) | (m << 13);
  }
  float f;
  memcpy(&f, &bits, sizeof f);
  return f;
}
