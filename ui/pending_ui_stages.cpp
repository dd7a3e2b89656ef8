// Stand-ins (weak) for the interface services the stage buttons call.
#include "figures/pending_figures_stages.h"

__attribute__((weak)) int EdToolUsed = 0;
__attribute__((weak)) GuiWin* EdBoxWin = nullptr;

__attribute__((weak)) int SetProgramMode(int mode) {
  if (mode >= 1 && mode <= 3) gStagesPending.mode = mode;
  return 0;
}
