// Stand-ins for the game-world services not built yet (the figure procedures
// 1..57 that the generated ProcFgr calls each do nothing): each body is empty (or answers "nothing
// happened") and is deleted when its real one lands. Grouped by the header that declares it.
#include "gm/fa_proc_env.h"
#include "world/combat.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/unit_upkeep.h"

// --- world/selection.h. Weak: the stage tests count the clears with a definition of their own.
int SelList_Contains(const Fgr*) { return 0; }
__attribute__((weak)) void SelList_Clear() {}
void SelList_SetOne(t_SelList*, Fgr*, int) {}
void Fgr_IsSelectedUpd(Fgr*) {}
void Fgr_UpdSelMark(Fgr*) {}
Fgr* pFgrSelectedOne(int) { return nullptr; }

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
RangOfferSet RangQueue[kRangQueueSlots + 1];
const char* Skil_Name(int) { return "x"; }

// --- world/combat.h
std::string Boe_FilterLine(int, int, int, int, int) { return std::string(); }

// --- gm/fa_proc_env.h: the figure procedures 1..58 that the generated ProcFgr calls.
void r_Triger_Upd_(Fgr*) {}
void r_Empty_10_(Fgr*) {}
void r_Empty_12_(Fgr*) {}
void r_Empty_13_(Fgr*) {}
void r_Empty_15_(Fgr*) {}
void r_Empty_16_(Fgr*) {}
void r_Empty_17_(Fgr*) {}
void r_Proc_Bunker_(Fgr*) {}
void r_Proc_UnitStand_(Fgr*) {}
void r_Proc_SquadHolder_(Fgr*) {}
void r_Proc_Unit_(Fgr*) {}
void r_Empty_35_(Fgr*) {}
void r_Proc_BuildStep_(Fgr*) {}
void r_Empty_38_(Fgr*) {}
void r_Empty_39_(Fgr*) {}
void r_Empty_40_(Fgr*) {}
void r_Empty_41_(Fgr*) {}
void r_Empty_42_(Fgr*) {}
void r_Empty_43_(Fgr*) {}
void r_Empty_44_(Fgr*) {}
void r_Empty_45_(Fgr*) {}
void r_Empty_46_(Fgr*) {}
void r_Proc_RangStep_(Fgr*) {}
void r_Empty_48_(Fgr*) {}
void r_Empty_49_(Fgr*) {}
void r_Empty_50_(Fgr*) {}
void r_Empty_51_(Fgr*) {}
void r_Empty_52_(Fgr*) {}
void r_Empty_57_(Fgr*) {}
