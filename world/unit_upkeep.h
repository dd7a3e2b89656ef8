// Unit record upkeep of the container's per-frame update: counters, captain marks and the chains
// a unit uses.
#pragma once

class Fgr;

int UN_UpdCounters(Fgr* f);  // the counted hit points; 0 ends a mortal unit
void Fgr_CapZeroClear(Fgr* f);
void Fgr_CapZeroZagradSet(Fgr* f);
void Fgr_CaptainMarksUpd(Fgr* f);
void Fgr_UseChainsUpd(Fgr* f);
// A control-panel command for the figure: non-zero when taken.
int Fgr_SetFromPultSig(Fgr* f, int sig);
