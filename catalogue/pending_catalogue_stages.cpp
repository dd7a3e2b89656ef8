// Stand-in (weak) for the figures of a new world.
#include "figures/pending_figures_stages.h"

__attribute__((weak)) void ProjX_CreateLandAndBunkers() { gStagesPending.newWorlds++; }
