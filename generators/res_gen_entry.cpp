// Entry of the resource generator for a developer's button or call: the run, then the
// closing box. Kept apart so that a tool linking only the driver needs no window layer.
#include "generators/res_gen.h"
#include "platform/platform.h"

void ResAuto(int run) {
  if (!run) return;
  ResAGen();
  Plat_MessageBox("done", "ResAuto", MB_OK);
}
