// Stand-ins (weak) for the land patch and decal registration that a loaded figure asks for.
#include "figures/pending_figures_stages.h"

StagesPendingCalls gStagesPending;

__attribute__((weak)) void Fgr_SetSpeLosk(Fgr*, int, int) {}
__attribute__((weak)) void Fgr_SetSpeDecal(Fgr*, int) {}
