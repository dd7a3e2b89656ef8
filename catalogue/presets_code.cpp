// The code presets: what makes a figure of a kind one particular thing (its procedures, texture,
// colour, timers, radii, speeds, chain room, and for units and items their record: name, counters,
// bonus and damage tables). Game content: the values are the balance of the game. Only PropsFill
// calls them. Every preset answers 0 for no figure, and the presets of kinds with a record also when
// the figure has none; then nothing is written.
#include <cstring>

#include "figures/fa_proc_env.h"
#include "gm/org_base.h"
#include "shell/random.h"

namespace {

int HasUnitRec(const Fgr* f) { return f && f->UN->isUse; }
int HasItemRec(const Fgr* f) { return f && f->item->isUse; }

void Rgb(Fgr* f, float r, float g, float b) {
  f->fcr = r;
  f->fcg = g;
  f->fcb = b;
}

void Rgba(Fgr* f, float r, float g, float b, float a) {
  Rgb(f, r, g, b);
  f->fca = a;
}

void Procs(Fgr* f, int upd, int draw, int onR) {
  f->ProcNomUpd2 = upd;
  f->ProcNomDraw = draw;
  f->ProcNomOnR = onR;
}

void Wait(Fgr* f, int ms) { f->waitFull = f->waitNow = ms; }

// A factor of a named hit-point or damage variable: the factor's single-precision value times the
// variable, formed in double and truncated toward zero (0.64 of 100 gives 63). A product that is no
// int gives 0, which the counter refuses.
int Scaled(float factor, float var) {
  double v = static_cast<double>(factor) * static_cast<double>(var);
  if (!(v > -2147483648.0 && v < 2147483648.0)) return 0;
  return static_cast<int>(v);
}
int Mid(float factor) { return Scaled(factor, o3::ifcHitBarMid); }
int Big(float factor) { return Scaled(factor, o3::ifcHitBarBig); }

// Counter c now alone (max = now, no limits), or now / max with limits lo..hi.
void Cnt(Fgr* f, int c, int now) { BoeCnt_Set(&f->UN->cnt, c, now, now, 0, 0); }
void Cnt(Fgr* f, int c, int now, int max, int lo, int hi) {
  BoeCnt_Set(&f->UN->cnt, c, now, max, lo, hi);
}

// FKu entries: kind, channel, value, of-start flag, percent; mode 0 and n 1 throughout.
void UnitFKu(Fgr* f, int kind, int c, int value, int ofStart, int percent) {
  FKu_Add(&f->UN->fku, c, kind, value, ofStart, 0, percent, 1);
}
void ItemFKu(Fgr* f, int kind, int c, int value, int ofStart, int percent) {
  FKu_Add(&f->item->fku, c, kind, value, ofStart, 0, percent, 1);
}

// A damage entry with its flags: s subtract, g gun stage, m mid stage.
void Dmg(Fgr* f, int c, int value, const char* flags) {
  if (value < 0) value = 0;
  if (value > 65535) value = 65535;
  Sta_Add(&f->item->sta, static_cast<uint16_t>(c), static_cast<uint16_t>(value),
          strchr(flags, 's') != nullptr, strchr(flags, 'g') != nullptr, strchr(flags, 'm') != nullptr);
}

// Shapes several presets share: the decor-like figures, the buildings, the units, the squad holders,
// the bunkers, the weapons and details, the skills.
void Standing(Fgr* f) {
  f->ProcNomUpd2 = 0;
  f->haf = 5;
  f->Tex1 = 1;
  Rgba(f, 1.0f, 1.0f, 1.0f, 1.0f);
  f->ProcNomDraw = r_Proc_DrawTex1C;
  f->ProcNomOnR = r_Proc_DrawBillboard2;
  f->woUpdate = 1;
  f->active = 1;
}

void Building(Fgr* f, const char* name, int mortal) {
  Procs(f, r_Proc_UnitStand, r_Proc_MarkSelected, r_Proc_DrawUnitOverlay);
  f->nonMassSelect = 1;
  f->active = 1;
  if (name) Fgr_SetItemName(f, name);
  f->UN->mortal = mortal;
}

// bornTehnola, Sub_Kno_max and the build timer of the plain buildings.
int PlainBuilding(Fgr* f, int born, int knoMax, int wait, int mortal) {
  if (!HasUnitRec(f)) return 0;
  Building(f, nullptr, mortal);
  f->bornTehnola = born;
  f->Sub_Kno_max = knoMax;
  if (wait) Wait(f, wait);
  return 1;
}

void Unit(Fgr* f, const char* name, int mortal, int rang) {
  Procs(f, r_Proc_Unit, r_Proc_MarkSelected, r_Proc_DrawUnitOverlay);
  f->isUnitWork = 1;
  f->active = 1;
  if (name) Fgr_SetItemName(f, name);
  f->UN->mortal = mortal;
  f->UN->ExpRang = rang;
}

// The values most foot units share (each preset then writes its own).
void FootCommon(Fgr* f, int imun, int born, int tex, float haf, int visR) {
  f->ImunZeroTarget = imun;
  f->bornTehnola = born;
  f->Tex1 = tex;
  f->haf = haf;
  f->get_RadiusVis_ = visR;
  f->ueWaitFull = f->ueWaitNow = 5000;
}

void Speeds(Fgr* f, float skoros, int min, int max, int mirMax) {
  f->skoros = skoros;
  f->get_SkorosMin_ = min;
  f->get_SkorosMax_ = max;
  f->get_SkorosMirMax_ = mirMax;
}

void Room(Fgr* f, int kno, int gruz, int gun, int metGd, int metBd) {
  f->Sub_Kno_max = kno;
  f->Sub_Gruz_max = gruz;
  f->Sub_UseGun_max = gun;
  f->Sub_MetGd_max = metGd;
  f->Sub_MetBd_max = metBd;
}

int Squad(Fgr* f, int born, int unitMax, int host) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_Proc_SquadHolder;
  f->isUnitWork = 3;
  f->NormAtakTarget = 0;
  f->ProcNomDraw = 0;
  f->ProcNomOnR = 0;
  f->active = 1;
  f->Sub_Kno_max = 18;
  f->Sub_Unit_now = 0;
  f->bornTehnola = born;
  f->Sub_Unit_max = unitMax;
  f->bunkerHost = host;
  return 1;
}

int Bunker(Fgr* f, const char* name, int ener, int mat) {
  if (!HasUnitRec(f)) return 0;
  Procs(f, r_Proc_Bunker, r_Proc_MarkSelected, r_Proc_DrawUnitOverlay);
  f->Sub_Kno_max = 18;
  f->active = 1;
  f->isUnitWork = 1;
  f->nonMassSelect = 1;
  f->NormAtakTarget = 0;
  Wait(f, 10000);
  f->BringAllWaitFull = f->BringAllWaitNow = 10000;
  f->haf = 10;
  f->LandKleStamp = 6;
  f->get_RadDetector_ = 100;
  f->get_RadiusVis_ = 200;
  f->get_RadStroi_ = 190;
  f->Tex1 = 35;
  f->Sub_UseDet_max = 8;
  f->Sub_UseSkil_max = 4;
  f->Sub_Gruz_max = 8;
  f->UN->mortal = 0;
  if (name) Fgr_SetItemName(f, name);
  f->BringEner = ener;
  f->BringMat = mat;
  return 1;
}

void Item(Fgr* f) {
  Procs(f, 0, 0, 0);
  f->isUnitWork = 2;
  f->isSelected = -1;
  f->NormAtakTarget = 0;
  f->woUpdate = 1;
  f->woDraw = 1;
  f->active = 0;
}

// A unit gun: tech, gun stage radii and reload time (gruzZaimem and detPlace 2 are common to all).
void Gun(Fgr* f, int born, int gruz, int detR, int visR, int stroiR, int wait) {
  Item(f);
  f->bornTehnola = born;
  f->detPlace = 2;
  f->gruzZaimem = gruz;
  if (detR) f->get_RadDetector_ = detR;
  f->get_RadiusVis_ = visR;
  f->get_RadStroi_ = stroiR;
  Wait(f, wait);
}

// The common damage of the plain guns: NormHP 40 sgm, CaptHP 20 sg, TehnHP 20 sg, FKu NormHP 50.
void PlainGunDamage(Fgr* f) {
  Dmg(f, bcNormHP, 40, "sgm");
  Dmg(f, bcCaptHP, 20, "sg");
  Dmg(f, bcTehnHP, 20, "sg");
  ItemFKu(f, 1, bcNormHP, 50, 1, 1);
}

int PlainGun(Fgr* f, int born, int visR, int stroiR) {
  if (!HasItemRec(f)) return 0;
  Gun(f, born, 1, 26, visR, stroiR, 3000);
  PlainGunDamage(f);
  return 1;
}

int Skill(Fgr* f, int vers, int born) {
  if (!HasItemRec(f)) return 0;
  Item(f);
  f->detPlace = 3;
  f->SkilRangBase = f->SkilRangExt2 = f->SkilRangExt3 = 1;
  f->AbilSkilVers = vers;
  f->bornTehnola = born;
  return 1;
}

}  // namespace

// ------------------------------------------------------------------ kinds without a record

int prLaser1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_Proc_FadeTimer;
  f->Tex1 = 52;
  f->fca = 0.7f;
  f->haf = 1.5f;
  f->laser_first = 1;
  Wait(f, 750);
  f->kmra_ScisH = 0;
  f->kmra_Flat = 15;
  f->ProcNomDraw = r_Proc_SpriteTimer;
  f->ProcNomOnR = r_Laser_DrawBeam;
  f->active = 1;
  Rgb(f, 1.0f, 1.0f, 1.0f);
  return 1;
}

int prBoom1_(Fgr* f) { return f ? 1 : 0; }

int prTriger1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_Triger_Upd;
  f->Tex1 = 1;
  f->haf = 5;
  Wait(f, 5000);
  Rgba(f, 0.8f, 0.8f, 0.5f, 0.7f);
  f->ProcNomDraw = r_Proc_DrawOwnSprite;
  f->ProcNomOnR = r_Proc_TrigerRender;
  f->active = 1;
  f->trigRunKlv = 1;
  f->trigRunCase = f->trigSensCase = f->trigDamba = 0;
  return 1;
}

int prPultFlag1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_AnPultFlag__Upd;
  f->Tex1 = 0;
  f->P_FireTarg = nullptr;
  Wait(f, 15000);
  f->xExpNow = 0;
  f->dXKlvMax = 9999;
  f->ProcNomDraw = r_Proc_FlagQueue;
  f->ProcNomOnR = r_Proc_FlagRender;
  f->active = 1;
  f->dXKlv = 9999;
  return 1;
}

int prGetGemX1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_AnPultFlag_FromParent;
  f->haf = 5;
  f->xExpNow = -1;
  f->Tex1 = 45;
  f->BringAllWaitFull = f->BringAllWaitNow = 25000;
  Rgba(f, 1.0f, 1.0f, 1.0f, 1.0f);
  f->ProcNomDraw = r_Proc_DrawTex1B;
  f->ProcNomOnR = r_Proc_DrawBillboard;
  f->active = 1;
  return 1;
}

int prKameraLayer1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Empty_10, r_Proc_PlaceAtCursor, r_Empty_12);
  f->Tex1 = 0;
  f->active = 1;
  return 1;
}

int prLandHolder1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Empty_13, r_LandOverview_Build, r_Empty_15);
  f->Tex1 = 0;
  f->active = 1;
  return 1;
}

int prLandLosk1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Empty_16, r_Empty_17, r_Land_DrawProjected);
  f->Tex1 = 46;
  f->active = 0;
  return 1;
}

int prLandDecal1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Proc_SpinRot, r_Proc_DrawTex1, r_Proc_DrawGroundMark);
  f->active = 1;
  Rgba(f, 1.0f, 1.0f, 1.0f, 1.0f);
  return 1;
}

int prBookZak1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Empty_57, 0, 0);
  f->isSelected = -1;
  f->MagikVers = 0;
  f->focusFire = 1;
  f->gruzZaimem = 2;
  Wait(f, 3000);
  f->woDraw = 1;
  f->active = 0;
  f->get_RadiusVis_ = 50;
  return 1;
}

int prMetkaZak1_(Fgr* f) {
  if (!f) return 0;
  Procs(f, r_Fgr_KillOnWaitEnd, 0, 0);
  f->isSelected = -1;
  Wait(f, 15000);
  f->woDraw = 1;
  f->active = 1;
  f->MagikVers = 0;
  return 1;
}

int prFieldSpec1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = 0;
  f->haf = 2.5f;
  f->FieldSpeStro_PitStatus = 0;
  f->Tex1 = 1;
  f->fca = 1.0f;
  f->ProcNomDraw = r_Proc_DrawTex1C;
  f->ProcNomOnR = r_Proc_DrawBillboard2;
  f->active = 1;
  f->Sub_UseKm_max = 1;
  f->Sub_UseDet_max = 1;
  f->BringEner = f->BringMat = 2000111555;
  f->BringGem1 = f->BringGem2 = f->BringGem3 = f->BringGem4 = 2000111555;
  Rgb(f, 1.0f, 1.0f, 1.0f);
  return 1;
}

int prSpawner1_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Fgr_SetItemName(f, "Zасада пробная");
  f->haf = 10;
  f->get_RadDetector_ = 60;
  f->get_RadiusVis_ = 60;
  f->Tex1 = 7;
  Rgba(f, 0.9f, 0.9f, 0.8f, 0.7f);
  f->nonMassSelect = 1;
  f->NormAtakTarget = 0;
  f->dXKlv = 4;
  Procs(f, r_Proc_SpawnerWave, r_Proc_SpawnerQueue, r_Proc_SpawnerRender);
  f->active = 1;
  f->isUnitWork = 1;
  Wait(f, 100000);
  f->LandKleStamp = 9;
  f->ueWaitFull = f->ueWaitNow = 155000;
  f->dXKlvMax = 6 + Rand() % 3;
  return 1;
}

int prDekor1_(Fgr* f) {
  if (!f) return 0;
  Standing(f);
  f->Tex1 = 66;
  f->LandKleStamp = 1;
  return 1;
}

int prStaticBoost1_(Fgr* f) {
  if (!f) return 0;
  Standing(f);
  return 1;
}

int prStaticBoost2_(Fgr* f) {
  if (!f) return 0;
  Standing(f);
  return 1;
}

int prBoxPrize1_(Fgr* f) {
  if (!f) return 0;
  Standing(f);
  return 1;
}

int prButton1_(Fgr* f) {
  if (!f) return 0;
  f->ProcNomUpd2 = r_Fgr_TickWait;
  f->Kno_UK = 0;
  f->Kno_SpePopUp = 0;
  f->Kno_MsgTitul = 6;
  f->ueWaitFull = f->ueWaitNow = 0;
  f->dXKlv = f->dXKlvMax = 0;
  f->Tex1 = 25;
  Rgba(f, 0.5f, 0, 0, 1.0f);
  f->Kno_Stadi = 1;
  f->ProcNomDraw = 0;
  f->ProcNomOnR = r_Proc_KnoButton;
  f->ProcNomOnK = r_Empty_35;
  f->woDraw = 1;
  f->active = 1;
  f->waitNow = 0;
  f->waitFull = 9000;
  return 1;
}

// ------------------------------------------------------------------ buildings (kinds 101..104)

int prBuild01_(Fgr* f) { return PlainBuilding(f, 12, 6, 10000, 1); }

int prBuild02_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Генератор Анг.", 1);
  f->bornTehnola = 12;
  f->bunkerHost = 203;
  f->BringAllWaitFull = f->BringAllWaitNow = 10000;
  f->BringEner = 30;
  f->haf = 5;
  f->get_RadDetector_ = 0;
  f->get_RadiusVis_ = 20;
  f->get_RadStroi_ = 0;
  f->NormAtakTarget = 1;
  f->isUnitWork = 1;
  f->useTehnHP = 1;
  f->BringMat = -2;
  f->Tex1 = 37;
  f->LandKleStamp = 1;
  f->Sub_Kno_max = 6;
  Cnt(f, bcTehnHP, Mid(1.1f));
  UnitFKu(f, 3, bcTehnHP, -8, 0, 1);
  return 1;
}

int prBuild03_(Fgr* f) { return PlainBuilding(f, 12, 6, 10000, 1); }
int prBuild04_(Fgr* f) { return PlainBuilding(f, 12, 6, 10000, 1); }

int prBuild05_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Арсенал Мудрых", 0);
  f->bornTehnola = 3;
  f->NormAtakTarget = 0;
  f->Sub_Kno_max = 18;
  return 1;
}

int prBuild06_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Гараж Академии", 0);
  f->bornTehnola = 6;
  f->Sub_Kno_max = 12;
  return 1;
}

int prBuild07_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Робо-порт Академии", 0);
  f->bornTehnola = 18;
  f->Sub_Kno_max = 12;
  return 1;
}

int prBuild08_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Рок-шахта Академии", 1);
  f->bornTehnola = 20;
  f->isUnitWork = 1;
  f->LandKleStamp = 1;
  f->Tex1 = 35;
  f->haf = 5;
  f->get_RadiusVis_ = 70;
  f->useTehnHP = 1;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->Sub_Kno_max = 6;
  f->Sub_UseGun_max = 1;
  Cnt(f, bcTehnHP, Mid(0.9f));
  UnitFKu(f, 3, bcTehnHP, -30, 1, 1);
  return 1;
}

int prBuild09_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Арсенал Ангелов", 0);
  f->haf = 10;
  f->get_RadDetector_ = 100;
  f->get_RadiusVis_ = 100;
  f->get_RadStroi_ = 95;
  f->NormAtakTarget = 0;
  f->isUnitWork = 1;
  f->bunkerHost = 203;
  f->bornTehnola = 3;
  f->Tex1 = 32;
  f->Sub_Kno_max = 18;
  f->LandKleStamp = 6;
  f->Sub_UseDet_max = 4;
  f->Sub_UseSkil_max = 0;
  f->Sub_Gruz_max = 0;
  return 1;
}

int prBuild10_(Fgr* f) { return PlainBuilding(f, 6, 12, 0, 1); }

int prBuild11_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Building(f, "Казарма Ангелов", 1);
  f->bornTehnola = 9;
  f->Tex1 = 39;
  f->haf = 10;
  f->LandKleStamp = 6;
  f->NormAtakTarget = 1;
  f->isUnitWork = 1;
  f->focusFire = 0;
  f->bunkerHost = 203;
  f->useTehnHP = 1;
  f->get_RadDetector_ = 0;
  f->get_RadiusVis_ = 40;
  f->get_RadStroi_ = 0;
  f->Sub_Kno_max = 12;
  f->Sub_UseDet_max = 0;
  f->Sub_UseSkil_max = 0;
  f->Sub_Gruz_max = 0;
  Cnt(f, bcTehnHP, Big(2.0f));
  UnitFKu(f, 3, bcTehnHP, -10, 0, 50);
  return 1;
}

int prBuild12_(Fgr* f) { return PlainBuilding(f, 24, 6, 0, 1); }
int prBuild13_(Fgr* f) { return PlainBuilding(f, 3, 18, 0, 0); }
int prBuild14_(Fgr* f) { return PlainBuilding(f, 6, 12, 0, 1); }
int prBuild15_(Fgr* f) { return PlainBuilding(f, 9, 12, 0, 1); }
int prBuild16_(Fgr* f) { return PlainBuilding(f, 26, 6, 100000, 0); }
int prBuild17_(Fgr* f) { return PlainBuilding(f, 28, 6, 0, 1); }

int prBuild18_(Fgr* f) {
  if (!PlainBuilding(f, 3, 18, 0, 0)) return 0;
  f->NormAtakTarget = 0;
  f->Sub_Gruz_max = 2;
  return 1;
}

int prBuild19_(Fgr* f) { return PlainBuilding(f, 6, 15, 0, 1); }
int prBuild20_(Fgr* f) { return PlainBuilding(f, 22, 6, 0, 1); }
int prBuild21_(Fgr* f) { return PlainBuilding(f, 15, 6, 10000, 1); }
int prBuild22_(Fgr* f) { return PlainBuilding(f, 15, 6, 10000, 1); }
int prBuild23_(Fgr* f) { return PlainBuilding(f, 15, 6, 10000, 1); }
int prBuild24_(Fgr* f) { return PlainBuilding(f, 15, 6, 10000, 1); }

// ------------------------------------------------------------------ units (kinds 111, 112, 114)

int prBuilder1_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Строитель", 0, 0);
  f->haf = 5;
  f->bunkerHost = 0;
  f->PafLay = 2;
  Speeds(f, 0.007f, 50, 90, 0);
  f->bornTehnola = 35;
  f->nonMassSelect = 1;
  f->Tex1 = 33;
  f->Sub_Kno_max = 18;
  f->NormAtakTarget = 0;
  f->Sub_Gruz_max = 2;
  f->Sub_UseSkil_max = 4;
  return 1;
}

int prFoot01_(Fgr* f) {  // Солдат Академии
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Солдат Академии", 1, 1);
  FootCommon(f, 1000, 33, 49, 5, 105);
  f->get_RadDetector_ = 20;
  f->FindAutoTarg = 1;
  f->bunkerHost = 204;
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->PafLay = 3;
  Speeds(f, 0.015f, 80, 160, 210);
  f->NormAtakTarget = 1;
  f->focusFire = 0;
  f->useNormHP = 1;
  Room(f, 0, 2, 1, 8, 8);
  f->xExpNext = 500;
  f->panicOut = 60;
  Cnt(f, bcNormHP, Mid(0.64f));
  Cnt(f, bcHot, 60, 120, 100, 200);
  return 1;
}

int prFoot02_(Fgr* f) {  // Робо-голем
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Робо-голем", 1, 1);
  FootCommon(f, 1500, 89, 88, 5, 75);
  f->get_RadDetector_ = 30;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 0;
  f->PafLay = 2;
  Speeds(f, 0.018f, 100, 180, 210);
  f->focusFire = 0;
  f->bunkerHost = 204;
  f->useTehnHP = 1;
  Room(f, 0, 2, 1, 8, 8);
  f->panicOut = 30;
  f->xExpNext = 2500;
  Cnt(f, bcTehnHP, Mid(0.8f));
  Cnt(f, bcHotRobo, 60, 120, 100, 200);
  UnitFKu(f, 3, bcTehnHP, -8, 0, 1);
  return 1;
}

int prFoot03_(Fgr* f) {  // Стрелок Ангелов
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Стрелок Ангелов", 1, 1);
  FootCommon(f, 2000, 36, 53, 5, 82);
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->PafLay = 3;
  Speeds(f, 0.015f, 100, 200, 250);
  f->focusFire = 2;
  f->bunkerHost = 203;
  f->useNormHP = 1;
  f->HitBarMixCase = 1;
  Room(f, 6, 1, 1, 8, 8);
  f->xExpNext = 500;
  f->panicOut = 70;
  Cnt(f, bcNormHP, Mid(0.45f));
  Cnt(f, bcDefRate, 100);
  Cnt(f, bcHot, 60, 120, 100, 200);
  return 1;
}

int prFoot04_(Fgr* f) {  // Особый Стрелок
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Особый Стрелок", 1, 2);
  FootCommon(f, 3000, 90, 53, 5, 85);
  Rgb(f, 0.5f, 0.5f, 0.5f);
  f->NormAtakTarget = 1;
  f->focusFire = 2;
  f->bunkerHost = 203;
  f->get_RadDetector_ = 40;
  f->FindAutoTarg = 1;
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->PafLay = 2;
  f->HitBarMixCase = 1;
  Room(f, 6, 0, 1, 8, 8);
  Speeds(f, 0.015f, 100, 200, 250);
  f->useNormHP = 1;
  f->xExpNext = 999500;
  f->panicOut = 80;
  Cnt(f, bcNormHP, Mid(0.52f));
  Cnt(f, bcHot, 80, 150, 100, 250);
  Cnt(f, bcDefRate, 100);
  UnitFKu(f, 3, bcNormHP, -8, 0, 50);
  return 1;
}

int prFoot05_(Fgr* f) {  // Глушак Ангелов
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Глушак Ангелов", 1, 1);
  FootCommon(f, 1000, 37, 56, 5, 80);
  Rgb(f, 0.5f, 0.9f, 0.5f);
  f->focusFire = 0;
  f->bunkerHost = 203;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 1;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->PafLay = 3;
  Speeds(f, 0.017f, 80, 230, 280);
  f->HitBarMixCase = 2;
  f->Sub_Kno_max = 0;
  f->Sub_UseGun_max = 1;
  f->Sub_MetGd_max = 8;
  f->Sub_MetBd_max = 8;
  f->useNormHP = 1;
  f->xExpNext = 750;
  f->panicOut = 50;
  Cnt(f, bcNormHP, Mid(0.5f));
  Cnt(f, bcHot, 90, 190, 150, 250);
  UnitFKu(f, 2, bcHot, 10, 1, 100);
  UnitFKu(f, 3, bcHot, -20, 1, 50);
  return 1;
}

int prFoot06_(Fgr* f) {  // Кузнец Ангелов
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Кузнец Ангелов", 1, 1);
  FootCommon(f, 1000, 91, 56, 5, 80);
  Rgb(f, 1.0f, 1.0f, 1.0f);
  f->focusFire = 3;
  f->bunkerHost = 203;
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->PafLay = 3;
  Speeds(f, 0.018f, 80, 230, 280);
  f->HitBarMixCase = 2;
  Room(f, 0, 1, 1, 7, 7);
  f->useNormHP = 1;
  f->xExpNext = 750;
  f->panicOut = 50;
  Cnt(f, bcNormHP, Mid(0.68f));
  Cnt(f, bcHot, 90, 190, 150, 250);
  UnitFKu(f, 2, bcHotMix, 15, 1, 100);
  UnitFKu(f, 3, bcHot, -20, 1, 50);
  return 1;
}

int prFoot07_(Fgr* f) {  // Рокер Ангелов
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Рокер Ангелов", 1, 2);
  FootCommon(f, 1000, 92, 56, 6, 80);
  Rgb(f, 1.0f, 0.1f, 0.2f);
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->focusFire = 2;
  f->bunkerHost = 203;
  f->PafLay = 3;
  Speeds(f, 0.019f, 90, 230, 280);
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->HitBarMixCase = 2;
  Room(f, 0, 2, 1, 6, 6);
  f->useNormHP = 1;
  f->xExpNext = 1500;
  f->panicOut = 50;
  Cnt(f, bcNormHP, Mid(1.0f));
  Cnt(f, bcHot, 90, 190, 150, 250);
  UnitFKu(f, 2, bcHot, 8, 0, 50);
  UnitFKu(f, 3, bcHot, -20, 1, 50);
  return 1;
}

int prFoot08_(Fgr* f) {  // Машаня Ангелов
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Машаня Ангелов", 1, 1);
  FootCommon(f, 1000, 93, 89, 7.5f, 65);
  f->get_RadDetector_ = 30;
  f->focusFire = 3;
  f->bunkerHost = 203;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 0;
  Speeds(f, 0.011f, 100, 120, 150);
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->useNormHP = 1;
  f->PafLay = 5;
  Room(f, 6, 0, 2, 8, 6);
  f->useTehnHP = 1;
  f->xExpNext = 500;
  f->panicOut = 80;
  Cnt(f, bcNormHP, Mid(1.0f));
  Cnt(f, bcTehnHP, Mid(1.0f));
  Cnt(f, bcHotMix, 60, 120, 100, 200);
  UnitFKu(f, 3, bcTehnHP, -20, 1, 1);
  return 1;
}

int prFoot09_(Fgr* f) {  // Полная Машаня
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Полная Машаня", 1, 1);
  FootCommon(f, 1000, 94, 89, 8, 70);
  f->fcr = 0.3f;
  f->get_RadDetector_ = 40;
  f->focusFire = 3;
  f->bunkerHost = 203;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 0;
  Speeds(f, 0.011f, 100, 120, 150);
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->PafLay = 3;
  Room(f, 6, 0, 2, 8, 4);
  f->useCaptHP = 1;
  f->useTehnHP = 1;
  f->xExpNext = 500;
  f->panicOut = 80;
  Cnt(f, bcCaptHP, Mid(1.0f));
  Cnt(f, bcTehnHP, Mid(1.3f));
  Cnt(f, bcHotMix, 60, 120, 100, 200);
  UnitFKu(f, 3, bcTehnHP, -20, 1, 1);
  return 1;
}

int prFoot10_(Fgr* f) {  // Робо-коп
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Робо-коп", 1, 1);
  FootCommon(f, 1000, 95, 90, 5, 115);
  f->get_RadDetector_ = 50;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->focusFire = 0;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 1;
  f->PafLay = 3;
  Speeds(f, 0.019f, 130, 200, 220);
  f->bunkerHost = 203;
  f->useTehnHP = 1;
  Room(f, 0, 2, 4, 4, 4);
  f->xExpNext = 2500;
  f->panicOut = 40;
  Cnt(f, bcTehnHP, Mid(1.4f));
  Cnt(f, bcHotRobo, 60, 120, 100, 200);
  UnitFKu(f, 3, bcTehnHP, -8, 0, 1);
  return 1;
}

int prFoot11_(Fgr* f) {  // Рука ангела
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Рука ангела", 1, 3);
  FootCommon(f, 1000, 96, 91, 7.5f, 135);
  f->FindAutoTarg = 0;
  f->dXKlvMax = 10;
  f->focusFire = 0;
  f->bunkerHost = 203;
  f->AbilConrtolUp = 0;
  Speeds(f, 0.015f, 130, 160, 170);
  f->NormAtakTarget = 1;
  f->dXKlv = 6;
  f->AbilConrtolDown = 0;
  f->PafLay = 5;
  Room(f, 6, 5, 1, 6, 6);
  f->useTehnHP = 1;
  f->xExpNext = 2500;
  f->panicOut = 60;
  f->GabarIsFat = 1;
  Cnt(f, bcTehnHP, Big(1.25f));
  Cnt(f, bcHotRobo, 60, 120, 100, 200);
  UnitFKu(f, 3, bcTehnHP, -10, 1, 1);
  return 1;
}

int prFoot12_(Fgr* f) {  // Бандит Анархии
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Бандит Анархии", 1, 1);
  FootCommon(f, 1500 + Rand() % 1501, 40, 49, 5, 95);
  f->Sub_Kno_max = 0;
  f->fcg = 0.4f;
  f->fcb = 0.4f;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->focusFire = 0;
  f->bunkerHost = 201;
  Speeds(f, 0.014f, 90, 150, 180);
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->PafLay = 3;
  f->useNormHP = 1;
  f->Sub_Gruz_max = 1;
  f->Sub_UseGun_max = 1;
  f->Sub_MetGd_max = 8;
  f->Sub_MetBd_max = 8;
  f->xExpNext = 500;
  f->panicOut = 90;
  Cnt(f, bcNormHP, Mid(0.7f));
  Cnt(f, bcHot, 90, 180, 150, 250);
  return 1;
}

int prFoot13_(Fgr* f) {  // Адвокат Анархии
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Адвокат Анархии", 1, 1);
  FootCommon(f, 3000, 42, 49, 5.882353f, 108);
  f->fcg = 0;
  f->get_RadDetector_ = 70;
  f->FindAutoTarg = 1;
  f->bunkerHost = 201;
  f->AbilConrtolUp = 1;
  f->AbilConrtolDown = 1;
  f->PafLay = 3;
  f->NormAtakTarget = 1;
  f->focusFire = 2;
  Speeds(f, 0.014f, 90, 150, 180);
  Room(f, 0, 0, 1, 4, 4);
  f->useNormHP = 1;
  f->xExpNext = 500;
  f->panicOut = 90;
  Cnt(f, bcNormHP, Mid(1.3f));
  Cnt(f, bcHot, 90, 180, 150, 250);
  return 1;
}

int prFoot14_(Fgr* f) {  // Робо-лом
  if (!HasUnitRec(f)) return 0;
  Unit(f, "Робо-лом", 1, 1);
  FootCommon(f, 1000, 43, 90, 5, 75);
  f->fcg = 0;
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->focusFire = 0;
  f->AbilConrtolUp = 0;
  f->AbilConrtolDown = 0;
  f->PafLay = 5;
  Speeds(f, 0.013f, 90, 150, 170);
  f->bunkerHost = 205;
  f->useTehnHP = 1;
  Room(f, 0, 1, 1, 5, 5);
  f->xExpNext = 2500;
  f->panicOut = 60;
  Cnt(f, bcTehnHP, Mid(0.8f));
  Cnt(f, bcHotRobo, 60, 120, 100, 200);
  return 1;
}

int prCaptain1_(Fgr* f) {
  if (!HasUnitRec(f)) return 0;
  Unit(f, nullptr, 1, 1);
  UN_MakeRandomName(f, 1);
  FootCommon(f, 1000, 39, 40, 7.142857f, 90);
  f->FindAutoTarg = 1;
  f->NormAtakTarget = 1;
  f->focusFire = 1;
  f->bunkerHost = 203;
  f->visualWaitFull = 4500;
  f->AbilDecoderUp = 1;
  f->AbilConrtolUp = 1;
  f->PafLay = 3;
  f->get_RadDetector_ = 20;
  Speeds(f, 0.02f, 150, 250, 300);
  Room(f, 18, 9, 1, 8, 8);
  f->Sub_UseSkil_max = 4;
  f->Sub_UseKm_max = 2;
  f->Sub_UseDet_max = 3;
  f->useCaptHP = 1;
  f->xExpNext = 200;
  f->trueCaptain = 1;
  f->spelCastFull = f->spelCastNow = 1000;
  f->zvSmp = 9;
  f->panicOut = 100;
  Cnt(f, bcCaptHP, 1000, 1000, 500, 3000);
  Cnt(f, bcMana, 50, 200, 200, 800);
  Cnt(f, bcHot, 150, 300, 300, 400);
  UnitFKu(f, 3, bcHot, -40, 1, 25);
  return 1;
}

// ------------------------------------------------------------------ squad holders (kind 113)

int prSquad1_(Fgr* f) { return Squad(f, 34, 3, 204); }
int prSquad2_(Fgr* f) { return Squad(f, 97, 2, 204); }
int prSquad3_(Fgr* f) { return Squad(f, 38, 3, 203); }
int prSquad4_(Fgr* f) { return Squad(f, 98, 3, 203); }
int prSquad5_(Fgr* f) { return Squad(f, 99, 5, 203); }
int prSquad6_(Fgr* f) { return Squad(f, 100, 4, 203); }
int prSquad7_(Fgr* f) { return Squad(f, 41, 2, 201); }
int prSquad8_(Fgr* f) { return Squad(f, 44, 3, 205); }

// ------------------------------------------------------------------ bunkers (kinds 201..205)

int prHasBunker1_(Fgr* f) { return Bunker(f, nullptr, 15, 3); }
int prNatBunker1_(Fgr* f) { return Bunker(f, nullptr, 12, 4); }
int prAngBunker1_(Fgr* f) { return Bunker(f, "Бункер Ангелов", 15, 3); }
int prAkdBunker1_(Fgr* f) { return Bunker(f, "Бункер Мудрецов", 15, 3); }
int prNekBunker1_(Fgr* f) { return Bunker(f, nullptr, 18, 2); }

// ------------------------------------------------------------------ weapons and details (301..303)

int prUnitGun01_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 45, 1, 26, 115, 50, 2500);
  Dmg(f, bcNormHP, 40, "sgm");
  Dmg(f, bcCaptHP, 30, "sg");
  Dmg(f, bcTehnHP, 20, "sg");
  ItemFKu(f, 1, bcNormHP, 50, 1, 1);
  return 1;
}

int prUnitGun02_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 101, 1, 0, 105, 80, 3500);
  Dmg(f, bcNormHP, 60, "sgm");
  Dmg(f, bcCaptHP, 40, "sgm");
  Dmg(f, bcTehnHP, 40, "sgm");
  Dmg(f, bcHot, 25, "sgm");
  ItemFKu(f, 1, bcNormHP, 30, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 20, 1, 1);
  return 1;
}

int prUnitGun03_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 46, 1, 26, 110 + Rand() % 11, 50, 3000);
  PlainGunDamage(f);
  return 1;
}

int prUnitGun04_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 47, 2, 70, 135, 80, 4000);
  Dmg(f, bcNormHP, 50, "sgm");
  Dmg(f, bcCaptHP, 50, "sg");
  Dmg(f, bcTehnHP, 40, "sg");
  Dmg(f, bcHotMix, 10, "sg");
  Dmg(f, bcHot, 80, "sg");
  ItemFKu(f, 1, bcNormHP, 40, 1, 1);
  ItemFKu(f, 1, bcTehnHP, 10, 1, 1);
  ItemFKu(f, 1, bcHot, 75, 1, 1);
  return 1;
}

int prUnitGun05_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 48, 2, 0, 60, 50, 2500);
  Dmg(f, bcNormHP, 60, "sgm");
  Dmg(f, bcCaptHP, 40, "sgm");
  Dmg(f, bcTehnHP, 30, "sgm");
  Dmg(f, bcHot, 25, "sgm");
  ItemFKu(f, 1, bcNormHP, 40, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 20, 1, 1);
  ItemFKu(f, 3, bcNormHP, -25, 1, 1);
  return 1;
}

int prUnitGun06_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 102, 2, 0, 65, 50, 2200);
  Dmg(f, bcNormHP, 65, "sgm");
  Dmg(f, bcCaptHP, 45, "sgm");
  Dmg(f, bcTehnHP, 35, "sgm");
  Dmg(f, bcHot, 50, "sgm");
  ItemFKu(f, 1, bcNormHP, 50, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 30, 1, 1);
  ItemFKu(f, 1, bcTehnHP, 50, 1, 1);
  ItemFKu(f, 3, bcNormHP, -25, 1, 1);
  return 1;
}

int prUnitGun07_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 103, 2, 0, 70, 50, 2750);
  Dmg(f, bcNormHP, 80, "sgm");
  Dmg(f, bcCaptHP, 60, "sgm");
  Dmg(f, bcTehnHP, 50, "sgm");
  Dmg(f, bcHot, 75, "sgm");
  Dmg(f, bcHotRobo, 35, "sgm");
  ItemFKu(f, 1, bcNormHP, 40, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 40, 1, 1);
  ItemFKu(f, 1, bcTehnHP, 40, 1, 1);
  ItemFKu(f, 3, bcNormHP, -25, 1, 1);
  return 1;
}

int prUnitGun08_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 104, 1, 26, 150, 75, 4000);
  Dmg(f, bcNormHP, 90, "sgm");
  Dmg(f, bcCaptHP, 50, "sg");
  Dmg(f, bcTehnHP, 75, "sg");
  ItemFKu(f, 1, bcNormHP, 70, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 50, 1, 1);
  ItemFKu(f, 1, bcTehnHP, 80, 1, 1);
  return 1;
}

int prUnitGun09_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 105, 1, 26, 160, 75, 4100);
  Dmg(f, bcNormHP, 100, "sgm");
  Dmg(f, bcCaptHP, 80, "sg");
  Dmg(f, bcTehnHP, 80, "sg");
  // Three times NormHP, as the balance sheet has it.
  ItemFKu(f, 1, bcNormHP, 80, 1, 1);
  ItemFKu(f, 1, bcNormHP, 80, 1, 1);
  ItemFKu(f, 1, bcNormHP, 80, 1, 1);
  return 1;
}

int prUnitGun10_(Fgr* f) { return PlainGun(f, 106, 110, 55); }
int prUnitGun11_(Fgr* f) { return PlainGun(f, 107, 120, 55); }
int prUnitGun12_(Fgr* f) { return PlainGun(f, 108, 110, 50); }
int prUnitGun13_(Fgr* f) { return PlainGun(f, 109, 90, 50); }

int prUnitGun14_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 110, 1, 50, 95, 50, 3100);
  Dmg(f, bcNormHP, 90, "sgm");
  Dmg(f, bcCaptHP, 90, "sg");
  Dmg(f, bcTehnHP, 90, "sg");
  ItemFKu(f, 1, bcNormHP, 40, 1, 1);
  return 1;
}

int prUnitGun15_(Fgr* f) { return PlainGun(f, 49, 105, 50); }
int prUnitGun16_(Fgr* f) { return PlainGun(f, 50, 120, 50); }
int prUnitGun17_(Fgr* f) { return PlainGun(f, 51, 110, 50); }

int prCaptainGun1_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Gun(f, 52, 1, 0, 90, 60, 2300);
  Dmg(f, bcNormHP, Scaled(0.9f, o3::ifcDamageMid), "sgm");
  Dmg(f, bcCaptHP, Scaled(0.9f, o3::ifcDamageMid), "sgm");
  Dmg(f, bcTehnHP, Scaled(0.8f, o3::ifcDamageMid), "sgm");
  Dmg(f, bcHot, 23, "sg");
  Dmg(f, bcHotRobo, 23, "sg");
  ItemFKu(f, 1, bcNormHP, 50, 1, 1);
  ItemFKu(f, 1, bcCaptHP, 40, 1, 1);
  ItemFKu(f, 1, bcTehnHP, 80, 1, 1);
  ItemFKu(f, 1, bcHot, 7, 0, 1);
  ItemFKu(f, 1, bcHotRobo, 7, 0, 1);
  return 1;
}

int prDetail1_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Item(f);
  f->ForLifeCase = 0;
  f->gruzZaimem = 1;
  return 1;
}

int prArmor1_(Fgr* f) {
  if (!HasItemRec(f)) return 0;
  Item(f);
  f->detPlace = 6;
  f->gruzZaimem = 1;
  f->armorType = 1;
  f->armorCore = 0;
  return 1;
}

// ------------------------------------------------------------------ captain skills (kind 401)

int prSkill01_(Fgr* f) {
  if (!Skill(f, 1, 53)) return 0;
  f->imiter = 2;
  f->get_RadiusVis_ = 70;
  f->detRadial = 3;
  return 1;
}

int prSkill02_(Fgr* f) { return Skill(f, 2, 54); }
int prSkill03_(Fgr* f) { return Skill(f, 3, 55); }
int prSkill04_(Fgr* f) { return Skill(f, 4, 56); }

int prSkill05_(Fgr* f) {
  if (!Skill(f, 5, 57)) return 0;
  f->detRadial = 2;
  f->imiter = 2;
  f->get_RadiusVis_ = 70;
  Wait(f, 9100);
  Rgb(f, 0.9f, 0.8f, 0);
  return 1;
}

int prSkill06_(Fgr* f) { return Skill(f, 6, 58); }
int prSkill07_(Fgr* f) { return Skill(f, 7, 59); }
int prSkill08_(Fgr* f) { return Skill(f, 8, 60); }
int prSkill09_(Fgr* f) { return Skill(f, 9, 61); }
int prSkill10_(Fgr* f) { return Skill(f, 10, 62); }
int prSkill11_(Fgr* f) { return Skill(f, 11, 63); }
int prSkill12_(Fgr* f) { return Skill(f, 12, 64); }
