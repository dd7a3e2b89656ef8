// Stand-in for the generated data part of the figure record, used only while gm/fa_in.h has
// not landed in this tree: the same fields in the same order. Remove once it has.
#pragma once
class Fgr
{
public:
int
svZero, Sub_UseGun_now, Sub_UseGun_max, Sub_UseKm_now, Sub_UseKm_max, Sub_UseDet_now,
Sub_UseDet_max, Sub_UseSkil_now, Sub_UseSkil_max, Sub_MetGd_now, Sub_MetGd_max, Sub_MetBd_now,
Sub_MetBd_max, Sub_Gruz_now, Sub_Gruz_max, Sub_Unit_now, Sub_Unit_max, Sub_Kno_now,
Sub_Kno_max, nom, status, active, novorod, priv_LogIndex, woDraw, woUpdate, ProcNomMixHitBars1,
HitBarMixCase, ProcNomUpd2, ProcNomDraw, ProcNomOnR, ProcNomOnK, bornTehnola, isUnitWork,
baner, nonMassSelect, isSelected, NormAtakTarget, ImunZeroTarget, KlientVidit, useNormHP,
useCaptHP, useTehnHP, SpeLoskNom, SpeDecalNom, LandKleLUp, LandKleStamp, KleX1, KleX2, KleX3,
KleX4, Tex1, ueWaitFull, ueWaitNow, waitFull, waitNow, imiter, get_RadiusVis_, get_RadStroi_,
get_RadDetector_, get_SkorosMin_, get_SkorosMax_, get_SkorosMirMax_, parentSig, trigPultKno,
fromPultSig, activateFgr, activateExt, trigRunCase, trigSensCase, trigDamba, trigRunKlv,
isMort, detRadial, detPlace, focusFire, gruzZaimem, dGunUseCase, dXKlv, dXKlvMax, GunSpec,
GunPlus, FindAutoTarg, xExpNow, xExpNext, xExpToOrbit, trueSarj, trueCaptain, panic, panicOut,
tactic, OnR_inFgr, AbilConrtolUp, AbilConrtolDown, AbilDecoderUp, AbilSkilVers, SkilRangBase,
SkilRangExt2, SkilRangExt3, reNear, nearToEnemy, onPath, onPathNext, onPathLen, targPathKle,
targPathKle2, Marsh1, Marsh2, Marsh3, Marsh4, MarshKuda, MarshMode, PafLay, WayAdvWait,
GoAwayMove, Pritormozi, MirMoveMode, AnimFlagKan, AnimBonusKan, banerFirst, bunkerHost,
kmra_statusMode, kmra_prior, kmra_glavEkran, kmra_Flare2D, kmra_toTex, kmra_DecalMode,
kmra_VPx, kmra_VPy, kmra_VPw, kmra_VPh, kmra_ScisX, kmra_ScisY, kmra_ScisW, kmra_ScisH,
kmra_Flat, KamStudio, KamClearClr, UnderGround, SpeLandHolderNom, FieldSpeStro,
FieldSpeStro_PitStatus, DontUseGunMode, GabarIsFat, GabarSkeletal, CapZero_WaterFast,
CapZero_WardSpec, CapZero_IgnorTarg, CapZero_ZagradSquad, LifeCase, ForLifeCase, costPreset,
BringAllWaitFull, BringAllWaitNow, BringGold, BringEner, BringMat, BringGem1, BringGem2,
BringGem3, BringGem4, BringMana, BringX, Kno_UK, Kno_Stadi, Kno_SpePopUp, Kno_MsgTitul,
Kno_MsgHint1, Kno_MsgHint2, Kno_MsgHint3, Kno_MsgHint4, Kno_TMarketFgrInd, Kno_TMarketPropsInd,
Kno_TMarketKlon, laser_first, For_GameEasy, armorType, armorCore, visualWaitFull, visualWait,
zvKan, zvSmp, zvGainCase, zvPitchCase, MagikVers, spelCastFull, spelCastNow, zap001, zap002,
zap003, zap004, zap005, zap006, zap007, zap008, zap009, zap010, zap011, zap012, zap013, zap014,
zap015, zap016, zap017, zap018, zap019, zap020, zap021, zap022, zap023, zap024, zap025, zap026,
zap027, zap028, zap029, zap030, svLast;
float
floZero, floX, fcr, fcg, fcb, fca, priv_position_x, priv_position_y, priv_position_z,
priv_position_zap, haf, rot, laserX, laserY, laserZ, laserZ_zap, colorFull, LenFull, LenNow,
skoros, MoveOporaX, MoveOporaY, MoveOporaZ, MoveOporaZ_zap, MoveDirX, MoveDirY, MoveDirZ,
MoveDirZ_zap, kmra_Flat__KamScW, kmra_Flat__KamScH, kmra_Proj__ObzorY, kmra_Proj__Aspect,
kmra_ZNear, kmra_ZFar, test_rot1, zvfGain, zvfPitch, zaf001, zaf002, zaf003, zaf004, zaf005,
zaf006, zaf007, zaf008, zaf009, zaf010, zaf011, zaf012, zaf013, zaf014, zaf015, zaf016, zaf017,
zaf018, zaf019, zaf020, floLast;
Fgr* pParent;
Fgr* P_FireTarg;
Fgr* P_AutoTarg;
Fgr* P_Border;
Fgr* P_Ataker1;
Fgr* P_Ataker2;
Fgr* P_Ataker3;
Fgr* P_TrigFrom;
Fgr* P_Guest;
Fgr* P_PrepZak1;
Fgr* P_PrepZak2;
Fgr* pPrev;
Fgr* P2_UseHelm;
Fgr* P2_UseSuit;
Fgr* P2_UseCar;
Fgr* pTail;
Fgr*  P2_Sub_UseGun;
Fgr*  P2_Sub_UseKm;
Fgr*  P2_Sub_UseDet;
Fgr*  P2_Sub_UseSkil;
Fgr*  P2_Sub_MetGd;
Fgr*  P2_Sub_MetBd;
Fgr*  P2_Sub_Gruz;
Fgr*  P2_Sub_Unit;
Fgr*  P2_Sub_Kno;

#include "figures/pending_fgr_tail.h"

// Generated switches the figure model calls.
const char* fgrXName(int fgrIndex);
int fgrIndexUnitOrItem(int fgrIndex);
Fgr* Fgr_Sub_xLink_pFgr(Fgr* pF, int n, int LinkNom);
void Fgr_Sub_xLinkKick(Fgr* pF, int n, int LinkNom);
void Fgr_Sub_xLinkAdd(Fgr* pF, int n, Fgr* pL);
