// Stand-ins for the game-world services that the shell, the figure container and the stage requests
// call (mode frames, unit upkeep, side lists, selection, land cells, skills, the figure procedures)
// until the world simulation is built; each entry is deleted when its real one lands.
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

// Runs the frame of the current program mode.
void FrameByMode(int focus);
void SelList_Clear();        // the selection emptied
void Land_InitCellFlags();   // cell flags of a new world
