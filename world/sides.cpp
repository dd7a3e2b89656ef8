// Side stocks, spends, technologies and production slots.
#include "world/sides.h"

#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/fgr.h"
#include "figures/side.h"
#include "shell/frame_clock.h"

t_SideShown SideShown;

static int Clamp(int v, int hi) { return v < 0 ? 0 : v > hi ? hi : v; }

// Energy and material of a side change by (de, dm); the shown stocks follow the player's side.
static void SideChange(int side, int de, int dm) {
  int* r = Side_Rec(side);
  if (!r) return;
  if (de) r[kSideEner] = Clamp(r[kSideEner] + de, kSideStockMax);
  if (dm) r[kSideMat] = Clamp(r[kSideMat] + dm, kSideStockMax);
  if (side != Sides.PlayerSide) return;
  if (de) SideShown.SideEnerCur = r[kSideEner];
  if (dm) SideShown.SideMatCur = r[kSideMat];
}

// A tested spend: refused, changing nothing, when the side holds less than the price.
static int Spend(int side, int ener, int mat) {
  const int* r = Side_Rec(side);
  if (!r || r[kSideEner] < ener || r[kSideMat] < mat) return 0;
  SideChange(side, -ener, -mat);
  return 1;
}

static void Refund(int side, int ener, int mat) { SideChange(side, ener, mat); }

int Side_Spend50(int side) { return Spend(side, 50, 0); }
void Side_Refund50(int side) { Refund(side, 50, 0); }
int Side_Spend240(int side) { return Spend(side, 240, 0); }
void Side_Refund240(int side) { Refund(side, 240, 0); }
void Side_Spend80_21(int side) { Refund(side, -80, -21); }
void Side_Refund80_21(int side) { Refund(side, 80, 21); }
int Side_Spend300_120(int side) { return Spend(side, 300, 120); }
int Side_Spend180_60(int side) { return Spend(side, 180, 60); }
int Side_Spend90_15(int side) { return Spend(side, 90, 15); }

static TechEntry* Tech(int tech, int side) {
  if (!Side_Rec(side) || tech < 1 || tech >= kSideTechs) return nullptr;
  return Side_Tech(side - 1, tech);
}

void Side_TechReset(int tech, int side) {
  TechEntry* t = Tech(tech, side);
  if (!t) return;
  t->w[0] = 2;
  for (int i = 8; i <= 12; i++)
    if (TechEntry* off = Tech(t->w[i], side)) off->w[0] = 0;
}

int Side_TechFree(int tech, int side) {
  const TechEntry* t = Tech(tech, side);
  return !t || t->w[0] == 0;
}

int Side_TechIs1(int tech, int side) {
  const TechEntry* t = Tech(tech, side);
  return t && t->w[0] == 1;
}

int Side_TechIs2(int tech, int side) {
  const TechEntry* t = Tech(tech, side);
  return t && t->w[0] == 2;
}

int Side_TechIs3(int tech, int side) {
  const TechEntry* t = Tech(tech, side);
  return t && t->w[0] == 3;
}

Fgr* Fgr_ProdSlotFree(Fgr* building, int order) {
  if (!building) return nullptr;
  Fgr* a = building->P2_Sub_UseDet;
  Fgr* b = a ? a->pTail : nullptr;
  if (!a || !b) return nullptr;
  if (order && (a->trigPultKno == order || b->trigPultKno == order)) return nullptr;
  if (!a->waitNow) return a;
  if (!b->waitNow) return b;
  return nullptr;
}

void Fgr_ProdSlotStart(Fgr* slot, int order, int time) {
  if (!slot) return;
  slot->trigPultKno = order;
  slot->parentSig = order + 100;
  Fgr::WaitStart(slot, 0, time);
  slot->active = 1;
}

// Procedure 33: the wait counts down; a figure with a self-update period and a limit gains one
// dXKlv each period, up to the limit.
void Fgr_TickWait(Fgr* f) {
  if (!f) return;
  if (f->waitNow) TimerDown(&f->waitNow);
  if (f->ueWaitFull && f->dXKlvMax && TimerDown(&f->ueWaitNow)) {
    f->ueWaitNow = f->ueWaitFull;
    if (f->dXKlv < f->dXKlvMax) f->dXKlv += 1;
  }
}

void r_Fgr_TickWait_(Fgr* pf) { Fgr_TickWait(pf); }
