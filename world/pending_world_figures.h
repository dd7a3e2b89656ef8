// Stand-ins for the game-world services the figure container calls each frame (unit upkeep,
// side lists, selection, land cells, skills) until the world Parts are built.
#pragma once
class Fgr;

#include "world/side.h"  // SideTab
extern int PlayerSide;
extern int FoundBoss[5];    // words 1..4: slot numbers of the player's heroes found this frame

int SelList_Contains(const Fgr* f);
int UN_UpdCounters(Fgr* f);
void Fgr_CapZeroClear(Fgr* f);
void Fgr_CapZeroZagradSet(Fgr* f);
void Fgr_CaptainMarksUpd(Fgr* f);
void Fgr_UseChainsUpd(Fgr* f);
void Fgr_LandCellFree(Fgr* f);
void Fgr_LandCellCountdown(Fgr* f);
void Fgr_IsSelectedUpd(Fgr* f);
Fgr* Fgr_FindSkil(Fgr* f, int vers);
