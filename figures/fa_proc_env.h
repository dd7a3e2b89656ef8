// What the generated functions of gm/fa_proc.h call: the figure procedures by number, the code
// presets, the combination presets and the figure model services. Kept by hand in step with the
// tables gm/__fgr_rea.txt, gm/__fgr_status.txt and gm/__fgr_kombi.txt: a new row there needs its
// declaration here. The definers include this header so a signature slip fails to compile.
#pragma once

#include <cstdio>
#include <cstring>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "gm/org_base.h"
#include "shell/binfile.h"
#include "shell/log.h"

// The generated load reads a stored link number into an int.
inline int IntRead(int& v, FILE* f) { return IntRead(static_cast<void*>(&v), f); }

// Figure procedures 1..58 (numbers without a procedure have empty bodies).
void r_Proc_FadeTimer_(Fgr* pf);
void r_Proc_SpriteTimer_(Fgr* pf);
void r_Laser_DrawBeam_(Fgr* pf);
void r_Triger_Upd_(Fgr* pf);
void r_Proc_DrawOwnSprite_(Fgr* pf);
void r_Proc_TrigerRender_(Fgr* pf);
void r_AnPultFlag__Upd_(Fgr* pf);
void r_Proc_FlagQueue_(Fgr* pf);
void r_Proc_FlagRender_(Fgr* pf);
void r_Empty_10_(Fgr* pf);
void r_Proc_PlaceAtCursor_(Fgr* pf);
void r_Empty_12_(Fgr* pf);
void r_Empty_13_(Fgr* pf);
void r_LandOverview_Build_(Fgr* pf);
void r_Empty_15_(Fgr* pf);
void r_Empty_16_(Fgr* pf);
void r_Empty_17_(Fgr* pf);
void r_Land_DrawProjected_(Fgr* pf);
void r_Proc_SpinRot_(Fgr* pf);
void r_Proc_DrawTex1_(Fgr* pf);
void r_Proc_DrawGroundMark_(Fgr* pf);
void r_Proc_Bunker_(Fgr* pf);
void r_Proc_UnitStand_(Fgr* pf);
void r_Proc_SquadHolder_(Fgr* pf);
void r_Proc_Unit_(Fgr* pf);
void r_Proc_MarkSelected_(Fgr* pf);
void r_Proc_DrawUnitOverlay_(Fgr* pf);
void r_Proc_DrawTex1C_(Fgr* pf);
void r_Proc_DrawBillboard2_(Fgr* pf);
void r_Proc_SpawnerWave_(Fgr* pf);
void r_Proc_SpawnerQueue_(Fgr* pf);
void r_Proc_SpawnerRender_(Fgr* pf);
void r_Fgr_TickWait_(Fgr* pf);
void r_Proc_KnoButton_(Fgr* pf);
void r_Empty_35_(Fgr* pf);
void r_Proc_KnoProduce_(Fgr* pf);
void r_Proc_BuildStep_(Fgr* pf);
void r_Empty_38_(Fgr* pf);
void r_Empty_39_(Fgr* pf);
void r_Empty_40_(Fgr* pf);
void r_Empty_41_(Fgr* pf);
void r_Empty_42_(Fgr* pf);
void r_Empty_43_(Fgr* pf);
void r_Empty_44_(Fgr* pf);
void r_Empty_45_(Fgr* pf);
void r_Empty_46_(Fgr* pf);
void r_Proc_RangStep_(Fgr* pf);
void r_Empty_48_(Fgr* pf);
void r_Empty_49_(Fgr* pf);
void r_Empty_50_(Fgr* pf);
void r_Empty_51_(Fgr* pf);
void r_Empty_52_(Fgr* pf);
void r_AnPultFlag_FromParent_(Fgr* pf);
void r_Proc_DrawTex1B_(Fgr* pf);
void r_Proc_DrawBillboard_(Fgr* pf);
void r_Proc_KnoButton2_(Fgr* pf);
void r_Empty_57_(Fgr* pf);
void r_Fgr_KillOnWaitEnd_(Fgr* pf);

// Property presets: code presets answer 1 when they filled the figure; text presets are read from
// "uni_files/res/<name>.txt".
int PropsReadTxt(const char* fileName, Fgr* pF);
void PropsFill_FinTram(int propsIndex, Fgr* pF, int re);
int prLaser1_(Fgr* pF);
int prBoom1_(Fgr* pF);
int prTriger1_(Fgr* pF);
int prPultFlag1_(Fgr* pF);
int prGetGemX1_(Fgr* pF);
int prKameraLayer1_(Fgr* pF);
int prLandHolder1_(Fgr* pF);
int prLandLosk1_(Fgr* pF);
int prLandDecal1_(Fgr* pF);
int prBookZak1_(Fgr* pF);
int prMetkaZak1_(Fgr* pF);
int prFieldSpec1_(Fgr* pF);
int prSpawner1_(Fgr* pF);
int prDekor1_(Fgr* pF);
int prStaticBoost1_(Fgr* pF);
int prStaticBoost2_(Fgr* pF);
int prBoxPrize1_(Fgr* pF);
int prBuild01_(Fgr* pF);
int prBuild02_(Fgr* pF);
int prBuild03_(Fgr* pF);
int prBuild04_(Fgr* pF);
int prBuild05_(Fgr* pF);
int prBuild06_(Fgr* pF);
int prBuild07_(Fgr* pF);
int prBuild08_(Fgr* pF);
int prBuild09_(Fgr* pF);
int prBuild10_(Fgr* pF);
int prBuild11_(Fgr* pF);
int prBuild12_(Fgr* pF);
int prBuild13_(Fgr* pF);
int prBuild14_(Fgr* pF);
int prBuild15_(Fgr* pF);
int prBuild16_(Fgr* pF);
int prBuild17_(Fgr* pF);
int prBuild18_(Fgr* pF);
int prBuild19_(Fgr* pF);
int prBuild20_(Fgr* pF);
int prBuild21_(Fgr* pF);
int prBuild22_(Fgr* pF);
int prBuild23_(Fgr* pF);
int prBuild24_(Fgr* pF);
int prBuilder1_(Fgr* pF);
int prFoot01_(Fgr* pF);
int prFoot02_(Fgr* pF);
int prFoot03_(Fgr* pF);
int prFoot04_(Fgr* pF);
int prFoot05_(Fgr* pF);
int prFoot06_(Fgr* pF);
int prFoot07_(Fgr* pF);
int prFoot08_(Fgr* pF);
int prFoot09_(Fgr* pF);
int prFoot10_(Fgr* pF);
int prFoot11_(Fgr* pF);
int prFoot12_(Fgr* pF);
int prFoot13_(Fgr* pF);
int prFoot14_(Fgr* pF);
int prSquad1_(Fgr* pF);
int prSquad2_(Fgr* pF);
int prSquad3_(Fgr* pF);
int prSquad4_(Fgr* pF);
int prSquad5_(Fgr* pF);
int prSquad6_(Fgr* pF);
int prSquad7_(Fgr* pF);
int prSquad8_(Fgr* pF);
int prCaptain1_(Fgr* pF);
int prHasBunker1_(Fgr* pF);
int prNatBunker1_(Fgr* pF);
int prAngBunker1_(Fgr* pF);
int prAkdBunker1_(Fgr* pF);
int prNekBunker1_(Fgr* pF);
int prUnitGun01_(Fgr* pF);
int prUnitGun02_(Fgr* pF);
int prUnitGun03_(Fgr* pF);
int prUnitGun04_(Fgr* pF);
int prUnitGun05_(Fgr* pF);
int prUnitGun06_(Fgr* pF);
int prUnitGun07_(Fgr* pF);
int prUnitGun08_(Fgr* pF);
int prUnitGun09_(Fgr* pF);
int prUnitGun10_(Fgr* pF);
int prUnitGun11_(Fgr* pF);
int prUnitGun12_(Fgr* pF);
int prUnitGun13_(Fgr* pF);
int prUnitGun14_(Fgr* pF);
int prUnitGun15_(Fgr* pF);
int prUnitGun16_(Fgr* pF);
int prUnitGun17_(Fgr* pF);
int prCaptainGun1_(Fgr* pF);
int prDetail1_(Fgr* pF);
int prArmor1_(Fgr* pF);
int prSkill01_(Fgr* pF);
int prSkill02_(Fgr* pF);
int prSkill03_(Fgr* pF);
int prSkill04_(Fgr* pF);
int prSkill05_(Fgr* pF);
int prSkill06_(Fgr* pF);
int prSkill07_(Fgr* pF);
int prSkill08_(Fgr* pF);
int prSkill09_(Fgr* pF);
int prSkill10_(Fgr* pF);
int prSkill11_(Fgr* pF);
int prSkill12_(Fgr* pF);
int prButton1_(Fgr* pF);

// Combination presets: the main figure built, or null.
Fgr* kombi_Stroitel_(int forBaner, int toBase);
Fgr* kombi_Stroitel1Kno_(int forBaner, int toBase);
Fgr* kombi_SoldatAkademii_(int forBaner, int toBase);
Fgr* kombi_RoboGolem_(int forBaner, int toBase);
Fgr* kombi_StrelokAngelov_(int forBaner, int toBase);
Fgr* kombi_OsobyiStrelok_(int forBaner, int toBase);
Fgr* kombi_GlushakAngelov_(int forBaner, int toBase);
Fgr* kombi_KuznecAngelov_(int forBaner, int toBase);
Fgr* kombi_RokerAngelov_(int forBaner, int toBase);
Fgr* kombi_MashanyaAngelov_(int forBaner, int toBase);
Fgr* kombi_PolnayaMashanya_(int forBaner, int toBase);
Fgr* kombi_RoboKop_(int forBaner, int toBase);
Fgr* kombi_RukaAngela_(int forBaner, int toBase);
Fgr* kombi_Captain5_(int forBaner, int toBase);
Fgr* kombi_Captain1_(int forBaner, int toBase);
Fgr* kombi_Captain2_(int forBaner, int toBase);
Fgr* kombi_SquadSoldat4_(int forBaner, int toBase);
Fgr* kombi_SquadRoboGolem4_(int forBaner, int toBase);
Fgr* kombi_SquadGlushakStrelok_(int forBaner, int toBase);
Fgr* kombi_SquadGlushak3_(int forBaner, int toBase);
Fgr* kombi_SquadOsobyiStrelok3_(int forBaner, int toBase);
Fgr* kombi_SquadRoker4_(int forBaner, int toBase);
Fgr* kombi_SquadRoboKop4_(int forBaner, int toBase);
