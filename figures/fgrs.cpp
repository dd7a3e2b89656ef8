// The figure container: slot hand-out, lookups, resets and the per-frame sweep.
#include "figures/fgrs.h"

#include "gm/org_base.h"
#include "shell/geometry.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/rect.h"

t_Fgrs Fgrs;

static const uint32_t kIndPreset[12] = {4, 5, 6, 4, 6, 7, 4, 7, 8, 4, 8, 5};

Fgr* t_Fgrs::pFromNom(int nom, int forLocation) {
  if (forLocation && (nom < 1 - FgrsBaseLast || nom > kFgrsSlots - 1 - FgrsBaseLast)) return nullptr;
  int n = forLocation ? nom + FgrsBaseLast : nom;  // no overflow: any number comes from a file
  return mOut(n) ? nullptr : &mf[n];
}

Fgr* Fgrs_pFgr(int nom) { return t_Fgrs::mOut(nom) ? nullptr : &Fgrs.mf[nom]; }
Fgr* Etap_pFgrFromNom(int nom, int forLocation) { return Fgrs.pFromNom(nom, forLocation); }

int t_Fgrs::FindFreeBase() {
  for (int i = 1; i <= FgrsBaseLast; i++)
    if (!mf[i].Status()) return i;
  return 0;
}

static int NextLocSlot(int i) { return i >= kFgrsSlots - 1 ? FgrsBaseLast + 1 : i + 1; }

int t_Fgrs::NewDynamic() {
  if (cursor <= FgrsBaseLast || cursor >= kFgrsSlots) cursor = FgrsBaseLast + 1;
  for (int look = 0; look < kFgrsSlots - 1 - FgrsBaseLast; look++) {
    int slot = cursor;
    cursor = NextLocSlot(cursor);
    if (!mf[slot].Status()) return slot;
  }
  return 0;
}

int priv_AddFgr(t_Fgrs* c, int kind, int forBase) {
  if (!c || c->busy || kind < 1) return 0;
  int slot;
  if (forBase) {
    slot = c->FindFreeBase();
    if (!slot) {
      LogInfo("\nerr: priv_AddFgr (нет свободных для_базы из %d)", FgrsBaseLast);
      return 0;
    }
  } else {
    slot = c->NewDynamic();
    if (!slot) {
      LogInfo("\nerr: priv_AddFgr (нет свободных для_локацыи из %d)", FgrsBaseLast);
      return 0;
    }
  }
  Fgr* f = &c->mf[slot];
  f->Sbros();
  f->nom = slot;  // the slot decides it, whatever the record held
  int x = fgrIndexUnitOrItem(kind);
  if ((x == UN_ind1 || x == item_ind2) && !Fgr_ExtraAlloc(f, x)) return 0;
  f->status = kind;
  f->novorod = 1;
  int n = NextId();
  if (n > 0) f->priv_LogIndex = n;
  f->AnimFlagKan = Rand() % 3;
  f->AnimBonusKan = Rand() % 3;
  f->IndKlv = 12;
  for (int i = 0; i < 12; i++) f->Ind[i] = kIndPreset[i];
  return slot;
}

Fgr* t_Fgrs::AddFgr(int kind, int forBase) {
  if (kind < 1) return nullptr;
  int nom = priv_AddFgr(this, kind, forBase);
  return mOut(nom) ? nullptr : &mf[nom];
}

void t_Fgrs::ResetDynamic() {
  cursor = FgrsBaseLast + 1;
  busy = 0;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++) mf[i].Sbros();
}

void t_Fgrs::ResetAll() {
  cursor = FgrsBaseLast + 1;
  busy = 0;
  for (int i = 0; i < kFgrsSlots; i++) mf[i].Sbros();
}

void t_Fgrs::NumberSlots() {
  for (int i = 0; i < kFgrsSlots; i++) mf[i].nom = i;
}

void t_Fgrs::SetBanerChain(int nom, int side) {
  if (!mOut(nom)) Fgr::SetBanerChain(&mf[nom], side);
}

void t_Fgrs::Deactivate(int nom) {
  if (!mOut(nom)) Fgr::Deactivate(&mf[nom]);
}

void t_Fgrs::WaitStart(int nom, int activate, int wait) {
  if (!mOut(nom)) Fgr::WaitStart(&mf[nom], activate, wait);
}

void t_Fgrs::WaitStartExt(int nom, int activate, int wait) {
  if (!mOut(nom)) Fgr::WaitStartExt(&mf[nom], activate, wait);
}

int t_Fgrs::FindKindNear(int kind, int owner, float x1, float z1, float x2, float z2, int activeOnly) {
  float x = x1 < x2 ? x1 : x2, z = z1 < z2 ? z1 : z2;
  float w = x1 < x2 ? x2 - x1 : x1 - x2, h = z1 < z2 ? z2 - z1 : z1 - z2;
  for (int i = 1; i < kFgrsSlots; i++) {
    const Fgr* f = &mf[i];
    if (f->Status() != kind) continue;
    if (owner && Fgr::Owner(f) != owner) continue;
    if (activeOnly && !f->Active()) continue;
    float px, pz;
    Fgr::PosXZ(f, &px, &pz);
    if (Rect_ContainsPtF(px, pz, x, z, w, h)) return 1;
  }
  return 0;
}

void t_Fgrs::ClearNovorod() {
  for (int i = 1; i < kFgrsSlots; i++)
    if (mf[i].novorod == 1) mf[i].novorod = 0;
}

void t_Fgrs::SweepDead() {
  o2::NowFgrKlv_Status = 0;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &mf[i];
    if (f->Status()) o2::NowFgrKlv_Status += 1;
    else {
      if (f->item->isUse) f->item_reset();
      if (f->UN->isUse) f->UN_reset();
    }
    // A figure whose holder is gone goes, and its reset takes its own members: a holder's death
    // reaches one link further down each sweep.
    if (f->pParent && !f->pParent->Status()) f->Sbros();
    else f->KillDeadLinks();
  }
}
