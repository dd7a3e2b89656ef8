// Stand-ins for the game-world services not built yet (among them the figure procedures of
// ProcFgr whose figures are not built): each body is empty (or answers "nothing happened") and is
// deleted when its real one lands. Grouped by the header that declares it.
#include "gm/fa_proc_env.h"
#include "world/combat.h"
#include "world/ranks.h"
#include "world/unit_upkeep.h"

// --- world/unit_upkeep.h. No counters are kept yet: every unit stays alive.
int UN_UpdCounters(Fgr*) { return 1; }
void Fgr_CapZeroClear(Fgr*) {}
void Fgr_CapZeroZagradSet(Fgr*) {}
void Fgr_CaptainMarksUpd(Fgr*) {}
void Fgr_UseChainsUpd(Fgr*) {}

// --- world/ranks.h
Fgr* Fgr_FindSkil(Fgr*, int) { return nullptr; }
int Skil_RandomRaise(Fgr*) { return 0; }
int Cargo_AddRandom(Fgr*) { return 0; }
void Unit_RangChoice(Fgr*, int) {}
int RangOfferWaitMs;
RangOfferSet RangQueue[kRangQueueSlots + 1];
const char* Skil_Name(int) { return "x"; }

// --- world/combat.h
void Boe_Attack(Fgr*) {}
void Boe_AreaStep(Fgr*) {}
std::string Boe_FilterLine(int, int, int, int, int) { return std::string(); }

// --- gm/fa_proc_env.h: the figure procedures of ProcFgr whose figures are not built yet.
void r_Proc_BuildStep_(Fgr*) {}
void r_Proc_RangStep_(Fgr*) {}
