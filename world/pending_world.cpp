// Stand-ins for the game-world services not built yet (see the header). The figure procedures 1..57
// that the generated ProcFgr calls each do nothing.
#include "world/pending_world.h"

#include "figures/pending_figures.h"
#include "gm/fa_proc_env.h"
#include "ui/pending_ui.h"

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

void FrameByMode(int focus) { Mode1_Frame(focus); }
void SelList_Clear() { gStagesPending.selClears++; }
void Land_InitCellFlags() {}

void r_Proc_FadeTimer_(Fgr*) {}
void r_Proc_SpriteTimer_(Fgr*) {}
void r_Laser_DrawBeam_(Fgr*) {}
void r_Triger_Upd_(Fgr*) {}
void r_Proc_DrawOwnSprite_(Fgr*) {}
void r_Proc_TrigerRender_(Fgr*) {}
void r_AnPultFlag__Upd_(Fgr*) {}
void r_Proc_FlagQueue_(Fgr*) {}
void r_Proc_FlagRender_(Fgr*) {}
void r_Empty_10_(Fgr*) {}
void r_Proc_PlaceAtCursor_(Fgr*) {}
void r_Empty_12_(Fgr*) {}
void r_Empty_13_(Fgr*) {}
void r_LandOverview_Build_(Fgr*) {}
void r_Empty_15_(Fgr*) {}
void r_Empty_16_(Fgr*) {}
void r_Empty_17_(Fgr*) {}
void r_Land_DrawProjected_(Fgr*) {}
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
void r_Fgr_TickWait_(Fgr*) {}
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
void r_AnPultFlag_FromParent_(Fgr*) {}
void r_Proc_DrawTex1B_(Fgr*) {}
void r_Proc_DrawBillboard_(Fgr*) {}
void r_Proc_KnoButton2_(Fgr*) {}
void r_Empty_57_(Fgr*) {}
