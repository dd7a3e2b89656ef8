// Stand-in for the frame clock until its own source lands.
#include "shell/pending_frame_clock.h"

int KadrStep = 1;
uint32_t MsClock = 0;

void TimerDownRest(int* counter) {
  if (*counter > 0) *counter -= KadrStep;
}

#include "shell/clock.h"

static uint32_t gLast = 0;

void FrameTimer_Tick() {
  MsClock = TimeGetMs();
  int step = gLast ? (int)(MsClock - gLast) : 1;
  if (step < 1) step = 1;
  if (step > 100) step = 100;
  KadrStep = step;
  gLast = MsClock;
}
