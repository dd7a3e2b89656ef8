// Stand-in for the frame clock until its own source lands.
#include "shell/pending_frame_clock.h"

int KadrStep = 1;
uint32_t MsClock = 0;

void TimerDownRest(int* counter) {
  if (*counter > 0) *counter -= KadrStep;
}
