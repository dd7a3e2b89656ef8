// Income, capture places and their flags, gem mines, and arrivals on held cells.
#include "world/income.h"

#include "catalogue/creators.h"
#include "catalogue/kombi.h"
#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "figures/upkeep.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "world/figure_ops.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/sides.h"

void FgrFx_Spawn(float x, float z, float size) {
  Fgr* m = Laser_Create({.preset = prLaser1,
                         .x = x,
                         .y = 5.0f,
                         .z = z,
                         .a = size,
                         .tex = kTxGlow,
                         .imitate = 1,
                         .owner = Sides.PlayerSide,
                         .floor = visUnderGround,
                         .r = 0.0f,
                         .g = 0.0f,
                         .bl = 0.0f,
                         .alpha = 1.0f});
  if (m) m->kmra_ScisH = 1;
}

void FgrFx_SpawnW(float x, float z, float size) { FgrFx_Spawn(x, z, size); }

// Adds to one stock word of the figure's side; the player's side shows it.
static void SideAdd(Fgr* f, int amount, int word, int max, int* mirror) {
  if (!f || !amount) return;
  int side = Fgr::Owner(f);
  int* rec = Side_Rec(side);
  if (!rec) return;
  int& v = rec[word];
  v += amount;
  v = v < 0 ? 0 : v > max ? max : v;
  if (side != Sides.PlayerSide) return;
  *mirror = v;
  FgrFx_SpawnW(f->priv_position_x, f->priv_position_z, 8.0f);
}

void Side_AddEner(Fgr* f, int amount) {
  SideAdd(f, amount, kSideEner, kSideStockMax, &SideShown.SideEnerCur);
}
void Side_AddMat(Fgr* f, int amount) {
  SideAdd(f, amount, kSideMat, kSideStockMax, &SideShown.SideMatCur);
}
void Side_AddGem1(Fgr* f, int amount) {
  SideAdd(f, amount, kSideGem1, kSideGemMax, &SideShown.SideGemCur[1]);
}
void Side_AddGem2(Fgr* f, int amount) {
  SideAdd(f, amount, kSideGem1 + 1, kSideGemMax, &SideShown.SideGemCur[2]);
}
void Side_AddGem3(Fgr* f, int amount) {
  SideAdd(f, amount, kSideGem1 + 2, kSideGemMax, &SideShown.SideGemCur[3]);
}
void Side_AddGem4(Fgr* f, int amount) {
  SideAdd(f, amount, kSideGem1 + 3, kSideGemMax, &SideShown.SideGemCur[4]);
}

static void Side_AddGem(int k, Fgr* f, int amount) {
  switch (k) {
    case 1: Side_AddGem1(f, amount); break;
    case 2: Side_AddGem2(f, amount); break;
    case 3: Side_AddGem3(f, amount); break;
    case 4: Side_AddGem4(f, amount); break;
    default: break;
  }
}

void Fgr_BringTick(Fgr* f) {
  if (!f || !TimerDown(&f->BringAllWaitNow)) return;
  f->BringAllWaitNow = f->BringAllWaitFull;
  if (f->BringEner) Side_AddEner(f, f->BringEner);
  if (f->BringMat) Side_AddMat(f, f->BringMat);
  if (f->BringGem1) Side_AddGem1(f, f->BringGem1);
  if (f->BringGem2) Side_AddGem2(f, f->BringGem2);
  if (f->BringGem3) Side_AddGem3(f, f->BringGem3);
  if (f->BringGem4) Side_AddGem4(f, f->BringGem4);
}

template <class Fn>
static void ForSquadOf(Fgr* unit, Fn fn) {
  Fgr* squad = unit->pParent;
  if (!Fgr::IsSquadHolder(squad)) {
    fn(unit);
    return;
  }
  int steps = 0;
  for (Fgr* u = squad->P2_Sub_Unit; u && steps < kChainWalkMax; u = u->pTail, steps++)
    if (u->active) fn(u);
}

void Fgr_HoldFire(Fgr* unit) {
  if (!unit) return;
  unit->DontUseGunMode = 1;
  unit->targPathKle = 0;
  ForSquadOf(unit, [](Fgr* u) {
    u->DontUseGunMode = 1;
    u->targPathKle = 0;
  });
}

void Fgr_ReleaseHold(Fgr* unit) {
  if (!unit) return;
  unit->DontUseGunMode = 0;
  ForSquadOf(unit, [](Fgr* u) { u->DontUseGunMode = 0; });
}

// The taker lets go of the flag.
static void FlagForget(Fgr* flag) {
  Fgr_ReleaseHold(flag->P_FireTarg);
  flag->P_FireTarg = nullptr;
}

void AnPultFlag__Upd(Fgr* flag) {
  if (!flag) return;
  Fgr* taker = flag->P_FireTarg;
  if (flag->xExpNow == 0) {
    if (Fgr_NotHoldingPost(taker)) {
      Fgr::SetBanerChain(flag, 0);
      flag->active = 0;
      FlagForget(flag);
    } else if (TimerDown(&flag->waitNow)) {
      flag->xExpNow = 1;
      Fgr_StepToNeighbour(taker->nom, 0);
      flag->activateFgr = 0;
      flag->waitFull = 5000;
      Fgr::SetBanerChain(flag, Fgr::Owner(taker));
      FlagForget(flag);
    }
    return;
  }
  Fgr* place = flag->pParent;
  if (place && place->FieldSpeStro_PitStatus != 2 && TimerDown(&flag->waitNow)) {
    flag->waitNow = flag->waitFull;
    Side_AddMat(flag, 10);
  }
  if (flag->xExpNow != 2) return;
  if (Fgr_NotHoldingPost(taker)) {
    flag->xExpNow = 1;
    FlagForget(flag);
    return;
  }
  if (!TimerDown(&flag->dXKlv)) return;
  flag->xExpNow = 0;
  Fgr::SetBanerChain(flag, 0);
  if (Fgr_MayNotCapture(flag, taker)) {
    flag->active = 0;
    FlagForget(flag);
  } else if (place) {
    Bunker_SetClassRadii(flag, place->FieldSpeStro);
  } else {
    LogInfo("\nerr: AnPultFlag__Upd  pF->pParent->");
  }
}

void AnPultFlag_FromParent(Fgr* mine) {
  if (!mine || !TimerDown(&mine->BringAllWaitNow)) return;
  mine->BringAllWaitNow = mine->BringAllWaitFull;
  Fgr* place = mine->pParent;
  Fgr* flag = FieldSpec_ActiveFlag(place);
  if (!flag) return;
  int* stock[4] = {&place->BringGem1, &place->BringGem2, &place->BringGem3, &place->BringGem4};
  int* rate[4] = {&mine->BringGem1, &mine->BringGem2, &mine->BringGem3, &mine->BringGem4};
  for (int g = 0; g < 4; g++) Side_AddGem(g + 1, flag, IntTakeUpTo(stock[g], rate[g]));
}

void r_AnPultFlag__Upd_(Fgr* f) { AnPultFlag__Upd(f); }
void r_AnPultFlag_FromParent_(Fgr* f) { AnPultFlag_FromParent(f); }

// The holder figure of a valid cell on the unit's floor, or none.
static Fgr* CellHolder(int cell, const Fgr* unit) {
  if (!Land_CellValid(cell)) return nullptr;
  Fgr* h = Land_Layer(unit->UnderGround)[cell].holder;
  return h && h->Status() ? h : nullptr;
}

void Flag_StartCapture(int cell, Fgr* unit) {
  if (!Fgr::IsUnit(unit)) return;
  Fgr* place = CellHolder(cell, unit);
  if (!place) return;
  Fgr* flag = Fgr_FindSubByKind(place->P2_Sub_UseDet, fgrPultFlag, nullptr);
  if (!flag || !flag->active) return;
  flag->xExpNow = 2;
  flag->P_FireTarg = unit;
  flag->dXKlv = flag->dXKlvMax = 9000 + Rand() % 3001;
  Fgr_HoldFire(unit);
}

int Flag_HolderSide(Fgr* place) {
  if (!place) return 0;
  Fgr* flag = Fgr_FindSubByKind(place->P2_Sub_UseDet, fgrPultFlag, nullptr);
  return flag && flag->active ? Fgr::Owner(flag) : 0;
}

int Place_StateFor(Fgr* place, int side) {
  if (Fgr::Status(place) != fgrFieldSpec || side < 1) return 0;
  int cls = place->FieldSpeStro;
  if (cls < 3) return 0;
  int holder = Flag_HolderSide(place);
  if (cls >= 12 && cls <= 15 && place->FieldSpeStro_PitStatus == 2)
    return !holder ? 3 : holder == side ? 1 : 4;
  if ((cls >= 3 && cls <= 5) || (cls >= 12 && cls <= 15)) return !holder ? 2 : holder == side ? 1 : 4;
  return 0;
}

int Fgr_MayNotCapture(Fgr* flag, Fgr* unit) {
  if (!flag || !unit) return 1;
  if (Place_StateFor(flag->pParent, Fgr::Owner(unit)) == 3)
    return !(unit->AbilConrtolUp && unit->trueCaptain);
  return !unit->AbilConrtolUp;
}

void Fgr_SetGemKind(Fgr* f, int kind) {
  if (!f || kind < 12 || kind > 15) return;
  static const float kColour[4][3] = {
      {1.0f, 0.3f, 0.3f}, {0.3f, 0.3f, 1.0f}, {0.7f, 0.7f, 0.7f}, {0.3f, 1.0f, 0.3f}};
  int* gem[4] = {&f->BringGem1, &f->BringGem2, &f->BringGem3, &f->BringGem4};
  *gem[kind - 12] = 1;
  f->fcr = kColour[kind - 12][0];
  f->fcg = kColour[kind - 12][1];
  f->fcb = kColour[kind - 12][2];
}

void Fgr_SetPitWait(Fgr* place) {
  if (!place) return;
  place->ProcNomDraw = 0;
  place->ProcNomOnR = 0;
  place->FieldSpeStro_PitStatus = 2;
}

// A crate (kind 22) opened by a unit.
static void CratePickup(Fgr* crate, Fgr* unit, LandKle* k) {
  k->holder = nullptr;
  if (crate->activateExt == 1) {
    if (unit->trueCaptain) unit->xExpNow += 500 + Rand() % 101;
    else Side_AddMat(unit, 60 + Rand() % 31);
  } else if (crate->activateExt == 2) {
    if (unit->trueCaptain && Rand() % 2) {
      Cargo_AddRandom(unit);
    } else {
      int g = Rand() % 4 + 1;
      Side_AddGem(g, unit, Rand() % 2 + 2);
    }
  }
  crate->Sbros();
}

void Unit_CellPickup(Fgr* unit) {
  if (!unit) return;
  int cell = Land_CellAt(unit->priv_position_x, unit->priv_position_z);
  Fgr* h = CellHolder(cell, unit);
  if (!h || unit->GoAwayMove || Fgr_CrossFloorPortal(unit, h) || unit->Status() == fgrUnitStroi) return;
  int kind = h->Status();
  if (Bunker_PropsOfKind(kind)) {
    Fgr* t = Fgrs.AddFgr(fgrTriger, 0);
    if (!t || !PropsFill(prTriger1, t, 1)) return;
    Fgr_SetPosition(t, h->priv_position_x, 0.0f, h->priv_position_z);
    if (Fgr::Owner(h) == Fgr::Owner(unit)) {
      t->trigRunCase = kTrigRunHeal;
      t->activateFgr = unit->nom;
      t->activateExt = 60 + Rand() % 61;
    }
    return;
  }
  if (kind == fgrBoxPrize) {
    CratePickup(h, unit, &Land_Layer(unit->UnderGround)[cell]);
    return;
  }
  if (kind == fgrStaticBoost) {
    if (h->activateExt == 1) {
      if (Fgr_StaticBoost_LinkOnce(h, unit, 1)) unit->xExpNow += 801;
    } else if (h->activateExt == 2) {
      if (Fgr_StaticBoost_LinkOnce(h, unit, 0) && Skil_RandomRaise(unit)) Fgr_StaticBoost_Link(h, unit);
    }
    return;
  }
  if (unit->targPathKle2) return;
  switch (Place_StateFor(h, Fgr::Owner(unit))) {
    case 2:
      if (unit->AbilConrtolUp) PultFlag_Create(cell, unit);
      break;
    case 3:
      if (unit->AbilConrtolUp && unit->trueCaptain) PultFlag_Create(cell, unit);
      break;
    case 4:
      if (unit->AbilConrtolDown) Flag_StartCapture(cell, unit);
      break;
    default: break;
  }
}
