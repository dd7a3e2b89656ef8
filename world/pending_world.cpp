// Stand-ins for the game-world services not built yet (the figure procedures
// 1..57 that the generated ProcFgr calls each do nothing): each body is empty (or answers "nothing
// happened") and is deleted when its real one lands. Grouped by the header that declares it.
#include "gm/fa_proc_env.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/unit_upkeep.h"

// --- world/selection.h. Weak: the stage tests count the clears with a definition of their own.
int SelList_Contains(const Fgr*) { return 0; }
__attribute__((weak)) void SelList_Clear() {}
void SelList_SetOne(t_SelList*, Fgr*, int) {}
void Fgr_IsSelectedUpd(Fgr*) {}
int SelectFgrsInRect(t_SelList*, float, float, float, float, int) { return 0; }
void SelList_Tidy(t_SelList*) {}
Fgr* PickFgrAtCursor(t_Fgrs*, float, float, float, float, int) { return nullptr; }
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

// --- gm/fa_proc_env.h: the figure procedures 1..58 that the generated ProcFgr calls.
void r_Proc_FadeTimer_(Fgr*) {}
void r_Proc_SpriteTimer_(Fgr*) {}
void r_Laser_DrawBeam_(Fgr*) {}
void r_Triger_Upd_(Fgr*) {}
void r_Proc_DrawOwnSprite_(Fgr*) {}
void r_Proc_TrigerRender_(Fgr*) {}
void r_Proc_FlagQueue_(Fgr*) {}
void r_Proc_FlagRender_(Fgr*) {}
void r_Empty_10_(Fgr*) {}
void r_Empty_12_(Fgr*) {}
void r_Empty_13_(Fgr*) {}
void r_Empty_15_(Fgr*) {}
void r_Empty_16_(Fgr*) {}
void r_Empty_17_(Fgr*) {}
void r_Proc_SpinRot_(Fgr*) {}
void r_Proc_DrawTex1_(Fgr*) {}
void r_Proc_DrawGroundMark_(Fgr*) {}
void r_Proc_Bunker_(Fgr*) {}
void r_Proc_UnitStand_(Fgr*) {}
void r_Proc_SquadHolder_(Fgr*) {}
void r_Proc_Unit_(Fgr*) {}
void r_Proc_MarkSelected_(Fgr*) {}
void r_Proc_DrawUnitOverlay_(Fgr*) {}
void r_Proc_DrawTex1C_(Fgr*) {}
void r_Proc_DrawBillboard2_(Fgr*) {}
void r_Proc_SpawnerWave_(Fgr*) {}
void r_Proc_SpawnerQueue_(Fgr*) {}
void r_Proc_SpawnerRender_(Fgr*) {}
void r_Proc_KnoButton_(Fgr*) {}
void r_Empty_35_(Fgr*) {}
void r_Proc_KnoProduce_(Fgr*) {}
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
void r_Proc_DrawTex1B_(Fgr*) {}
void r_Proc_DrawBillboard_(Fgr*) {}
void r_Proc_KnoButton2_(Fgr*) {}
void r_Empty_57_(Fgr*) {}
