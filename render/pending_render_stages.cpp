// Stand-in (weak) for the terrain tile build run after a stage load.
#include "figures/pending_figures_stages.h"

__attribute__((weak)) void PlitTextures_Build(int flag) {
  gStagesPending.plitBuilds++;
  gStagesPending.plitLastFlag = flag;
}
