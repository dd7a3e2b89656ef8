// Stand-ins for the game-world services the figure container calls (see the header).
#include "world/pending_world_figures.h"

int PlayerSide = 0;
int FoundBoss[5];

int SelList_Contains(const Fgr*) { return 0; }
// No counters are kept yet: every unit stays alive.
int UN_UpdCounters(Fgr*) { return 1; }
void Fgr_CapZeroClear(Fgr*) {}
void Fgr_CapZeroZagradSet(Fgr*) {}
void Fgr_CaptainMarksUpd(Fgr*) {}
void Fgr_UseChainsUpd(Fgr*) {}
void Fgr_LandCellFree(Fgr*) {}
void Fgr_LandCellCountdown(Fgr*) {}
void Fgr_IsSelectedUpd(Fgr*) {}
Fgr* Fgr_FindSkil(Fgr*, int) { return nullptr; }
