// Stand-ins (weak) for the selection and land services of a stage load and a new world.
#include "figures/pending_figures_stages.h"

__attribute__((weak)) void SelList_Clear() { gStagesPending.selClears++; }
__attribute__((weak)) void Land_InitCellFlags() {}
