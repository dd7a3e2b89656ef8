// In-game entry of the figure header generator: a developer wires it to a call of their own.
#include "generators/generators.h"
#include "platform/platform.h"

void FgrAuto(int run) {
  if (!run) return;
  FgrAGen();
  Plat_MessageBox("done", "FgrAuto", MB_OK);  // shown also when an input was missing
}
