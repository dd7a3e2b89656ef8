// The program mode switch.
#include "ui/program_mode.h"

#include "gm/org_base.h"
#include "shell/konfig.h"

int SetProgramMode(int mode) {
  if (mode < 1 || mode > 3) return 0;
  if (mode == 1) o2::anSleepEachFrame = FrameSleepMode1;
  else o2::anSleepEachFrame = mode == 2 ? 4 : 6;
  EditModeOn = mode == 3 ? 1 : 0;
  if (mode == 3) EdToolUsed = 0;
  ProgMode = mode;
  return 0;
}
