// Stand-ins for the game-world services not built yet (among them the figure procedures of
// ProcFgr whose figures are not built): each body is empty (or answers "nothing happened") and is
// deleted when its real one lands. Grouped by the header that declares it.
#include "gm/fa_proc_env.h"
#include "world/info_texts.h"

// --- world/info_texts.h
void KnoCb_SideRes(GuiWin*) {}
void KnoCb_ItemInfo(GuiWin*) {}
void KnoCb_ItemSlots(GuiWin*) {}
void KnoCb_CaptainOrigin(GuiWin*) {}
void KnoCb_SkilUpHint(GuiWin*) {}
void KnoCb_Skil(GuiWin*) {}
void KnoCb_SkilH2(GuiWin*) {}
void KnoCb_SkilH3(GuiWin*) {}
void KnoCb_CaptainIs(GuiWin*) {}
void KnoCb_Bad(GuiWin*) {}
void KnoCb_Good(GuiWin*) {}
void KnoCb_GuestInfo(GuiWin*) {}
void KnoCb_Adjust1(GuiWin*) {}
void KnoCb_Adjust2(GuiWin*) {}
void KnoCb_LmbRmb(GuiWin*) {}

// --- gm/fa_proc_env.h: the figure procedures of ProcFgr whose figures are not built yet.
void r_Proc_FadeTimer_(Fgr*) {}
void r_Proc_SpriteTimer_(Fgr*) {}
void r_Laser_DrawBeam_(Fgr*) {}
void r_Proc_DrawOwnSprite_(Fgr*) {}
void r_Proc_TrigerRender_(Fgr*) {}
void r_Proc_FlagQueue_(Fgr*) {}
void r_Proc_FlagRender_(Fgr*) {}
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
void r_Proc_KnoButton_(Fgr*) {}
void r_Proc_KnoProduce_(Fgr*) {}
void r_Proc_DrawTex1B_(Fgr*) {}
void r_Proc_DrawBillboard_(Fgr*) {}
void r_Proc_KnoButton2_(Fgr*) {}
