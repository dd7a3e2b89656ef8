// Figure upkeep: skills, marks with a lifetime, static boost triggers.
#include "figures/upkeep.h"

#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/fgrs.h"
#include "shell/frame_clock.h"
#include "shell/log.h"

static int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

static int SkilAddCommon(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3) {
  if (!holder || !skil) return 0;
  if (!Fgr_Sub_AddUseSkil(holder, skil)) {
    LogInfo("\n не удалось добавить скил");
    skil->Sbros();
    return 0;
  }
  base = Clamp(base, 1, 4);
  ext2 = Clamp(ext2, 0, 4);
  ext3 = Clamp(ext3, 0, 4);
  skil->SkilRangBase = base;
  skil->SkilRangExt2 = ext2;
  skil->SkilRangExt3 = ext3;
  return 1;
}

int Fgr_Skil_Add(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add2(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add3(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add4(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add5(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add6(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add7(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add9(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add10(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }
int Fgr_Skil_Add11(Fgr* h, Fgr* s, int& b, int& e2, int& e3) { return SkilAddCommon(h, s, b, e2, e3); }

// Only a record of the skill's own is written: never the shared empty one.
static bool OwnItem(const Fgr* f) { return f->item != empty_item_adr() && f->item->isUse; }

int Fgr_Skil_Add8(Fgr* h, Fgr* s, int& b, int& e2, int& e3) {
  if (!SkilAddCommon(h, s, b, e2, e3)) return 0;
  if (b == 1 && OwnItem(s)) {
    Sta_Add(&s->item->sta, 3, 25, 0, 0, 1);
    Sta_Add(&s->item->sta, 1, 25, 0, 0, 1);
  }
  return 1;
}

int Fgr_Skil_Add12(Fgr* h, Fgr* s, int& b, int& e2, int& e3) {
  if (!SkilAddCommon(h, s, b, e2, e3)) return 0;
  if (b == 1 && OwnItem(s)) FKu_Add(&s->item->fku, 1, 2, 9, 0, 0, 60, 1);
  return 1;
}

void Fgr_Skil_Remove(Fgr* holder, Fgr* skil) {
  if (!holder || !skil) return;
  if (!Fgr_Sub_KickUseSkil(holder, skil)) {
    LogInfo("\nНе удалось выкинуть Скил.");
    return;
  }
  skil->Sbros();
}

void Fgr::KillOnWaitEnd(Fgr* f) {
  if (!f || !TimerDown(&f->waitNow)) return;
  if (Fgr* h = f->pParent) {
    if (Fgr_Sub_KickMetGd(h, f) || Fgr_Sub_KickMetBd(h, f)) f->pParent = nullptr;
  }
  f->Sbros();
}

// Procedure 58: a mark with a lifetime.
void r_Fgr_KillOnWaitEnd_(Fgr* pf) { Fgr::KillOnWaitEnd(pf); }

int Fgr_StaticBoost_Attach(Fgr* boost, Fgr* captain) {
  if (!boost || !captain) return 0;
  Fgr* trig = Fgrs.AddFgr(fgrTriger, Fgr::IsBase(boost));
  if (!trig) return 0;
  if (!Fgr_Sub_AddUseDet(boost, trig, 1)) {
    trig->Sbros();
    return 0;
  }
  trig->P_Guest = captain;
  return 1;
}

int Fgr_StaticBoost_Link(Fgr* boost, Fgr* captain) {
  if (!boost || !captain || Fgr::Status(boost) != fgrStaticBoost) return 0;
  return Fgr_StaticBoost_Attach(boost, captain);
}

int Fgr_StaticBoost_LinkOnce(Fgr* boost, Fgr* captain, int attach) {
  if (!boost || !captain || Fgr::Status(boost) != fgrStaticBoost || !captain->trueCaptain) return 0;
  int steps = 0;
  for (Fgr* m = boost->P2_Sub_UseDet; m && steps < kChainWalkMax; m = m->pTail, steps++)
    if (Fgr::Status(m) == fgrTriger && m->P_Guest == captain) return 0;
  if (attach) Fgr_StaticBoost_Attach(boost, captain);
  return 1;
}
