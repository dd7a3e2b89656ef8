// Stand-ins for the game-world services not built yet (among them the figure procedures of
// ProcFgr whose figures are not built): each body is empty (or answers "nothing happened") and is
// deleted when its real one lands. Grouped by the header that declares it.
#include "gm/fa_proc_env.h"
#include "world/combat.h"
#include "world/fog.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/paths.h"
#include "world/ranks.h"
#include "world/unit_upkeep.h"

// --- world/unit_upkeep.h. No counters are kept yet: every unit stays alive.
int UN_UpdCounters(Fgr*) { return 1; }
void Fgr_CapZeroClear(Fgr*) {}
void Fgr_CapZeroZagradSet(Fgr*) {}
void Fgr_CaptainMarksUpd(Fgr*) {}
void Fgr_UseChainsUpd(Fgr*) {}

// --- world/land_grid.h
void Land_InitCellFlags() {}
void Fgr_LandCellFree(Fgr*) {}
void Fgr_LandCellCountdown(Fgr*) {}
void Fgr_SetPosition(Fgr*, float, float, float) {}
float CamLookX, CamLookZ;
void Land_CellQuad(int) {}
void Land_CellQuad2(int) {}
int Land_PickRay(float*, int, int, const double*) { return 0; }

// --- world/movement.h
int OrderWaitMs;
int OrderWaitAtFrame;
int AmbushTick;
void Sel_OrderMoveTo(t_SelList*, float, float) {}
void Fgr_OrderMoveCell(Fgr*, int, int) {}
void Fgr_GiveAttackTarget(Fgr*, Fgr*, int) {}
void Fgr_PathWalkStep(Fgr*, float) {}
void Fgr_CellMoveTo(Fgr*, int, int, int, int) {}

// --- world/paths.h
void PassMaps_Rebuild() {}

// --- world/fog.h
void FogVisRebuild(t_Fgrs*) {}

// --- world/income.h
void Fgr_SetGemKind(Fgr*, int) {}
void Fgr_SetPitWait(Fgr*) {}
void Fgr_HoldFire(Fgr*) {}
void Fgr_BringTick(Fgr*) {}

// --- world/combat.h
int Fgr_IsOwnedBy(const Fgr*, int) { return 0; }
void Boe_Attack(Fgr*) {}
void Boe_AreaStep(Fgr*) {}

// --- world/ranks.h
Fgr* Fgr_FindSkil(Fgr*, int) { return nullptr; }
Fgr* Fgr_FindSubByKind(Fgr*, int, Fgr*) { return nullptr; }
void Unit_RangChoice(Fgr*, int) {}
int RangOfferWaitMs;

// --- gm/fa_proc_env.h: the figure procedures of ProcFgr whose figures are not built yet.
void r_Proc_FadeTimer_(Fgr*) {}
void r_Proc_SpriteTimer_(Fgr*) {}
void r_Laser_DrawBeam_(Fgr*) {}
void r_Proc_DrawOwnSprite_(Fgr*) {}
void r_Proc_TrigerRender_(Fgr*) {}
void r_AnPultFlag__Upd_(Fgr*) {}
void r_Proc_FlagQueue_(Fgr*) {}
void r_Proc_FlagRender_(Fgr*) {}
void r_Proc_PlaceAtCursor_(Fgr*) {}
void r_Proc_SpinRot_(Fgr*) {}
void r_Proc_DrawTex1_(Fgr*) {}
void r_Proc_DrawGroundMark_(Fgr*) {}
void r_Proc_MarkSelected_(Fgr*) {}
void r_Proc_DrawUnitOverlay_(Fgr*) {}
void r_Proc_DrawTex1C_(Fgr*) {}
void r_Proc_DrawBillboard2_(Fgr*) {}
void r_Proc_SpawnerWave_(Fgr*) {}
void r_Proc_SpawnerQueue_(Fgr*) {}
void r_Proc_SpawnerRender_(Fgr*) {}
void r_Fgr_TickWait_(Fgr*) {}
void r_Proc_KnoButton_(Fgr*) {}
void r_Proc_KnoProduce_(Fgr*) {}
void r_Proc_BuildStep_(Fgr*) {}
void r_Proc_RangStep_(Fgr*) {}
void r_AnPultFlag_FromParent_(Fgr*) {}
void r_Proc_DrawTex1B_(Fgr*) {}
void r_Proc_DrawBillboard_(Fgr*) {}
void r_Proc_KnoButton2_(Fgr*) {}
