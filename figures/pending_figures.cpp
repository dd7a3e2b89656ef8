// Stand-ins for the figure services not built yet (see the header).
#include "figures/pending_figures.h"

StagesPendingCalls gStagesPending;

void Fgr_SetSpeLosk(Fgr*, int, int) {}
void Fgr_SetSpeDecal(Fgr*, int) {}
