// Move orders, placement on cells, attack targets, and the walk along path legs.
#include "world/movement.h"

#include <cmath>

#include "catalogue/creators.h"
#include "catalogue/kombi.h"
#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "shell/random.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/paths.h"
#include "world/selection.h"

t_MoveOrders MoveOrders;

// Runs fn on every unit of a squad holder's chain.
template <class Fn>
static void ForSquadUnits(Fgr* holder, Fn fn) {
  int steps = 0;
  for (Fgr* u = holder->P2_Sub_Unit; u && steps < kChainWalkMax; u = u->pTail, steps++) fn(u);
}

static int OnFloor(const Fgr* f, int floor) { return f && f->UnderGround == floor; }

void Sel_OrderMoveTo(t_SelList* s, float x, float z) {
  if (!s || s->count < 1) return;
  int n = s->count > kSelListMax ? kSelListMax : s->count;
  if (MoveOrders.OrderWaitAtFrame) {
    int cell = Land_CellAt(x, z);
    if (cell < 0) return;
    MoveOrders.OrderWaitMs = 0;
    for (int i = 1; i <= n; i++)
      if (s->e[i]) Fgr_SetTargPathKle2(s->e[i], cell);
    return;
  }
  MoveOrders.OrderWaitMs = OrderWaitInit;
  for (int i = 1; i <= n; i++) {
    if (!s->e[i]) continue;
    s->e[i]->targPathKle2 = 0;
    Fgr_OrderMovePointOnFloor(s->e[i], x, z, visUnderGround);
  }
}

void OrderWait_Close() { MoveOrders.OrderWaitMs = MoveOrders.OrderWaitAtFrame = 0; }

void Fgr_OrderMovePointOnFloor(Fgr* f, float x, float z, int floor) {
  if (OnFloor(f, floor)) Fgr_OrderMoveCell(f, Land_CellAt(x, z), floor);
}

void Fgr_OrderMoveCell(Fgr* f, int cell, int floor) {
  if (!OnFloor(f, floor)) return;
  auto order = [cell, floor](Fgr* u) {
    Fgr_OrderToCell(u, cell, 0, floor);
    u->P_FireTarg = u->P_AutoTarg = nullptr;
  };
  if (Fgr::IsSquadHolder(f->pParent)) ForSquadUnits(f->pParent, order);
  else if (Fgr::IsSquadHolder(f)) ForSquadUnits(f, order);
  else if (Fgr::IsUnit(f) && f->PafLay) Fgr_OrderToCell(f, cell, 0, floor);
  else f->targPathKle = cell > 0 ? cell : 0;  // a cell of -1 is no target
}

void Fgr_OrderToCell(Fgr* f, int cell, int nearEnemy, int floor) {
  if (!OnFloor(f, floor)) return;
  f->GoAwayMove = 0;
  if (cell >= 0 && Land_CellAt(f->priv_position_x, f->priv_position_z) == cell) {
    Fgr_MoveStateStep(f);
    return;
  }
  if (cell >= 0) {
    f->targPathKle = cell;
    f->onPath = 0;
  } else {
    f->targPathKle = 0;
  }
  f->nearToEnemy = nearEnemy && f->PafLay ? 1 : 0;
}

int Fgr_OrderMovePoint(Fgr* f, float x, float z, int nearEnemy, int floor) {
  if (!OnFloor(f, floor)) return 0;
  Fgr_OrderToCell(f, Land_CellAt(x, z), nearEnemy, floor);
  return 1;
}

void Fgrs_OrderMovePoint(t_Fgrs* c, int slot, float x, float z, int floor) {
  if (!c || t_Fgrs::mOut(slot)) return;
  Fgr_OrderMovePoint(&c->mf[slot], x, z, 0, floor);
}

void Fgrs_OrderMoveCell(t_Fgrs* c, int slot, int cell, int floor) {
  if (!c || t_Fgrs::mOut(slot) || cell < 1) return;
  Fgr_OrderToCell(&c->mf[slot], cell, 0, floor);
}

void Fgr_SetTargPathKle2(Fgr* f, int cell) {
  if (!f) return;
  if (Fgr::IsSquadHolder(f)) ForSquadUnits(f, [cell](Fgr* u) { u->targPathKle2 = cell; });
  else f->targPathKle2 = cell;
}

void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder) {
  if (!f || !Land_CellValid(cell)) return;
  float x, z;
  Land_CellCentre(cell, &x, &z);
  auto place = [x, z, floor](Fgr* u) {
    u->UnderGround = floor;
    Fgr_SetPosition(u, x, 0.0f, z);
  };
  f->UnderGround = floor;
  if (Fgr::IsSquadHolder(f)) ForSquadUnits(f, place);
  else place(f);
  if (orderCell) Fgr_OrderMoveCell(f, orderCell, floor);
  LandKle& k = Land_Layer(floor)[cell];
  if (takeHolder && !k.holder) k.holder = f;
}

void Fgr_SetAttackTarget(Fgr* unit, Fgr* target, int force) {
  if (!unit || !target) return;
  if (!force && unit->P_FireTarg) return;
  if (unit->baner == target->baner) return;
  unit->P_FireTarg = target;
  unit->P_AutoTarg = nullptr;
}

void Fgr_SetSquadTarget(Fgr* holder, Fgr* target, int force) {
  if (!holder) return;
  int given = 0;
  ForSquadUnits(holder, [&](Fgr* u) {
    if (given >= 30 || !u->active) return;
    Fgr_SetAttackTarget(u, target, force);
    given++;
  });
}

void Fgr_GiveAttackTarget(Fgr* f, Fgr* target, int force) {
  if (Fgr::IsSquadHolder(f)) Fgr_SetSquadTarget(f, target, force);
  else Fgr_SetAttackTarget(f, target, force);
}

Fgr* Fgr_Border(const Fgr* f) { return f ? f->P_Border : nullptr; }
int Fgr_IsFindAutoTarg(const Fgr* f) { return f && f->FindAutoTarg != 0; }
int Fgr_AlwaysFalse2() { return 0; }

// A leg from (x0, z0) to (x1, z1); a leg of no length has no direction.
static void LegSet(Fgr* f, float x0, float z0, float x1, float z1) {
  float dx = x1 - x0, dz = z1 - z0, d = std::sqrt(dx * dx + dz * dz);
  f->MoveOporaX = x0;
  f->MoveOporaY = z0;
  f->MoveDirX = d > 0.0f ? dx / d : 0.0f;
  f->MoveDirY = d > 0.0f ? dz / d : 0.0f;
  f->LenFull = d;
  f->LenNow = 0.0f;
}

static float StepCentre(const Fgr* f, int i, int axis, float cellSize) {
  return (float)f->Paf[i][axis] * cellSize + cellSize / 2.0f;
}

void Fgr_AimAtPathStep(Fgr* f, float cellSize) {
  if (!f) return;
  int i = f->onPathNext < 0 ? 0 : f->onPathNext > 2 ? 2 : f->onPathNext;  // three kept steps
  LegSet(f, f->priv_position_x, f->priv_position_z, StepCentre(f, i, 0, cellSize),
         StepCentre(f, i, 1, cellSize));
  Fgr_LandCellFree(f);
}

void Fgr_MoveToWithMark(Fgr* f, float x, float z) {
  if (!f) return;
  LegSet(f, f->priv_position_x, f->priv_position_z, x, z);
  Fgr_LandCellFree(f);
  f->onPathNext = 0;
  f->onPathLen = 1;
  // The line keeps its preset's texture and fades out in two seconds.
  Fgr* m = Laser_Create({.preset = prLaser1,
                         .x = f->priv_position_x,
                         .y = 3.0f,
                         .z = f->priv_position_z,
                         .a = x,
                         .b = 3.0f,
                         .c = z,
                         .tex = kTxTilePlate,
                         .owner = Fgr::Owner(f),
                         .floor = f->UnderGround,
                         .r = 0.8f,
                         .g = 0.1f,
                         .bl = 0.3f,
                         .alpha = 0.25f});
  if (m) {
    m->haf = 0.5f;
    m->waitFull = m->waitNow = 2000;
    m->kmra_ScisH = 1;
  }
}

void Fgr_MoveStateStep(Fgr* f) {
  if (!f) return;
  f->onPath = 0;
  f->onPathLen = 0;
  if (f->targPathKle2) {
    f->targPathKle = f->targPathKle2;
    f->targPathKle2 = 0;
    return;
  }
  int reached = f->targPathKle;
  f->targPathKle = 0;
  switch (f->MarshKuda) {
    case 1:
      if (reached == f->Marsh1) f->MarshKuda = 2;
      break;
    case 2:
      if (reached == f->Marsh2) f->MarshKuda = 3;
      break;
    case 3:
      if (reached == f->Marsh3) f->MarshKuda = 4;
      break;
    case 4:
      if (reached == f->Marsh4) f->MarshKuda = f->MarshMode ? 0 : 1;
      break;
    default: break;
  }
  Fgr_TakeCell(f);
}

void Fgr_MarshStep(Fgr* f) {
  if (!f || f->targPathKle || f->targPathKle2 || f->P_FireTarg || f->P_AutoTarg || f->MarshMode) return;
  switch (f->MarshKuda) {
    case 1: f->targPathKle = f->Marsh1; break;
    case 2: f->targPathKle = f->Marsh2; break;
    case 3: f->targPathKle = f->Marsh3; break;
    case 4: f->targPathKle = f->Marsh4; break;
    default: break;
  }
}

void Fgr_StepAsideRandom(Fgr* f, int cell) {
  if (!f || f->targPathKle) return;
  f->GoAwayMove = 1;
  int c = cell + kLandNeighbours[Rand() % 8];
  f->targPathKle = Land_CellValid(cell) && Land_CellValid(c) ? c : 0;
  f->onPath = 0;
}

void Fgr_StepToNeighbour(int slot, int cell) {
  if (t_Fgrs::mOut(slot)) return;
  Fgr* f = &Fgrs.mf[slot];
  if (!cell) cell = Land_CellAt(f->priv_position_x, f->priv_position_z);
  Fgr_StepAsideRandom(f, cell);
}

int Fgr_CrossFloorPortal(Fgr* unit, Fgr* portal) {
  if (!unit || Fgr::Status(portal) != fgrFieldSpec || portal->FieldSpeStro != 28) return 0;
  if (unit->GoAwayMove || unit->UnderGround != portal->UnderGround ||
      (unit->GabarIsFat && !portal->GabarIsFat) || !Land_CellValid(portal->targPathKle))
    return 1;
  Fgr_LandCellFree(unit);
  unit->UnderGround = 1 - portal->UnderGround;
  if (Fgr::IsSquadHolder(unit->pParent)) unit->pParent->UnderGround = unit->UnderGround;
  Fgr_MoveStateStep(unit);
  return 1;
}

// The underground ambush: the first walking unit of the player in a frame counts it down.
static void AmbushStep(Fgr* f) {
  if (f->UnderGround != 1 || Fgr::Owner(f) != Sides.PlayerSide || MoveOrders.AmbushLeft <= 0 ||
      MoveOrders.AmbushTick)
    return;
  MoveOrders.AmbushTick = 1;
  TimerDown(&MoveOrders.AmbushWait);
  if (MoveOrders.AmbushWait || !(Rand() % 2)) return;
  MoveOrders.AmbushWait = MoveOrders.AmbushPeriod;
  // The ambushers are the computer's side 1, on the floor of the walking unit.
  float r = (float)(Fgr::RadiusVis(f) - 10);
  float x = f->priv_position_x, z = f->priv_position_z;
  if (Rand() % 3 == 0) {
    Unit_CreateNear(fgrUnitPeh, prFoot03, 1, x, z, r, 1, fgrDetUnitGun, prUnitGun03);
    Unit_CreateNear(fgrUnitPeh, prFoot05, 1, x, z, r, 1, fgrDetUnitGun, prUnitGun03);
  } else {
    Unit_CreateNear(fgrUnitPeh, prFoot05, 1, x, z, r, 1, fgrDetUnitGun, prUnitGun03);
  }
  MoveOrders.AmbushLeft = MoveOrders.AmbushLeft > 0 ? MoveOrders.AmbushLeft - 1 : 0;
}

// One frame of the legs: 1 while the unit is still between two points of its path.
static void WalkLegs(Fgr* f, float cellSize) {
  f->P_Ataker1 = f->P_Ataker2 = f->P_Ataker3 = nullptr;
  float step = KadrScale(f->skoros);
  if (f->Pritormozi) step *= 0.5f;
  if (std::isfinite(step) && step > 0.0f) f->LenNow += step;
  while (f->LenNow >= f->LenFull) {
    float rest = f->LenNow - f->LenFull;
    float ex = f->MoveOporaX + f->MoveDirX * f->LenFull, ez = f->MoveOporaY + f->MoveDirY * f->LenFull;
    int next = f->onPathNext + 1;
    if (next < f->onPathLen && next < 3) {
      LegSet(f, StepCentre(f, next - 1, 0, cellSize), StepCentre(f, next - 1, 1, cellSize),
             StepCentre(f, next, 0, cellSize), StepCentre(f, next, 1, cellSize));
      f->onPathNext = next;
      f->LenNow = rest;
      continue;
    }
    Fgr_SetPositionXZ(f, ex, ez);
    if (next < f->onPathLen) {
      // The three kept steps are walked: the rest of the way is searched again from here.
      f->onPath = 0;
      Fgr_PathPlan(f);
    } else {
      Fgr_MoveStateStep(f);
      Unit_CellPickup(f);
    }
    return;
  }
  Fgr_SetPositionXZ(f, f->MoveOporaX + f->MoveDirX * f->LenNow, f->MoveOporaY + f->MoveDirY * f->LenNow);
}

void Fgr_PathWalkStep(Fgr* f, float cellSize) {
  if (!f) return;
  Fgr_MarshStep(f);
  if (f->onPath != 1) return;
  WalkLegs(f, cellSize);
  AmbushStep(f);
}
