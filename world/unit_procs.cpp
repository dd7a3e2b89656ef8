// The update procedures of fighting figures: a unit that walks and fights (25), a unit that fights
// in place (23), a bunker (22) and a squad holder (24). They share the sight test and pass the
// figure's panel signal to its buttons; combat, income, walking and ranks are called from here.
#include "catalogue/creators.h"
#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "shell/random.h"
#include "world/combat.h"
#include "world/figure_ops.h"
#include "world/fog.h"
#include "world/income.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/selection.h"

void Fgr_SightTest(Fgr* f) {
  int owner = Fgr::Owner(f);
  if (!Side_Rec(owner)) return;
  for (int i = 1; i <= kSides; i++) f->VidSide[i] = 0;
  f->KlientVidit = 0;
  Vec2 at;
  Fgr::PosXZ(f, &at.x, &at.y);
  for (int s = 0; s < kSides; s++) {
    const int* side = Sides.SideTab[s];
    int id = side[kSideId];
    if (id <= 0 || id == owner) continue;
    int n = side[kSideOwnCount] < kSideListMax ? side[kSideOwnCount] : kSideListMax;
    for (int i = 1; i <= n; i++) {
      Fgr* u = Fgrs_pFgr(side[kSideOwnList + i]);
      if (!u || u->UnderGround != f->UnderGround) continue;
      int r = Fgr::RadiusVis(u);
      if (r < 1) continue;
      Vec2 eye;
      Fgr::PosXZ(u, &eye.x, &eye.y);
      if (!Circles_TouchV(eye, (float)r, at, f->haf)) continue;
      if (id <= kSides) f->VidSide[id] = 1;
      if (id == Sides.PlayerSide) f->KlientVidit = 1;
      break;
    }
  }
}

// The end of each procedure: the panel signal goes to the button of that number, once.
static void PassSignal(Fgr* f) {
  if (!f->fromPultSig) return;
  Fgr_ProcLinked(f);
  f->fromPultSig = 0;
}

int Cell_OfferCode(int cursorKind, int level) {
  switch (cursorKind) {
    case kCursorCrystal: return level > 49 ? kTxDecoCrystal : 0;
    case kCursorTree: return kTxDecoTree;
    case kCursorOre: return level > 49 ? kTxDecoOre : 0;
    case kCursorBush: return level > 49 ? kTxDecoBush : 0;
    case kCursorGold: return level > 99 ? kTxDecoGold : 0;
    case kCursorGem: return level > 99 ? kTxDecoGem : 0;
    default: return 0;
  }
}

// A hint marker on a cell of the captain's floor whose cursor kind offers something to the
// player's side at its level.
struct HintRun {
  const LandKle* cells;
  int level;
};
static void HintCell(int cell, void* ctx) {
  const HintRun* run = static_cast<const HintRun*>(ctx);
  const LandKle& kle = run->cells[cell];
  int tex = kle.cursor == kCursorAngelGround   ? kTxDecoStump
            : kle.cursor == kCursorNekroGround ? kTxDecoFlowers
                                               : Cell_OfferCode(kle.cursor, run->level);
  if (!tex) return;
  Fgr* m = Laser_Create({.preset = prLaser1,
                         .x = kle.x + kLandHalfCell,
                         .y = 5.0f,
                         .z = kle.z + 7.5f,
                         .a = 5.0f,
                         .tex = tex,
                         .imitate = 1,
                         .owner = Sides.PlayerSide,
                         .floor = visUnderGround,
                         .r = 1,
                         .g = 1,
                         .bl = 1,
                         .alpha = 1});
  if (!m) return;
  m->waitFull = m->waitNow = 2500;
  m->kmra_Flat = 0;
}

// Hint markers on the cells of the octagon of the captain's sight.
static void Captain_LayHints(Fgr* f) {
  const int* player = Side_Rec(Sides.PlayerSide);
  HintRun run{Land_Layer(f->UnderGround), player ? player[kSideLevel] : 0};
  Fog_OctagonCells(f->priv_position_x, f->priv_position_z, (float)Fgr::RadiusVis(f), HintCell, &run);
}

void Proc_Unit(Fgr* f) {
  if (!f || f->isMort) return;
  TimerDownRest(&f->ImunZeroTarget);
  if (f->xExpNow >= f->xExpNext) Unit_RangChoice(f, 1);
  if (f->BringAllWaitFull > 0) Fgr_BringTick(f);
  Fgr_PathWalkStep(f, 10.0f);
  Fgr_SightTest(f);
  SelPending_Clear(f);
  Boe_Attack(f);
  if (Fgr::Owner(f) == Sides.PlayerSide) {
    if (TimerDown(&f->visualWait)) {
      f->visualWait = f->visualWaitFull;
      if (f->trueCaptain && f->UnderGround == visUnderGround && pFgrSelectedOne(0) == f &&
          Fgr_FindSkil(f, 3))
        Captain_LayHints(f);
    }
  } else if (f->MarshMode == 1 && !f->P_FireTarg && !f->onPath && Rand() % 22323 == 544) {
    // A computer unit on guard wanders now and then, half its sight away.
    float x, z, dx, dz;
    Fgr::PosXZ(f, &x, &z);
    RandRingOffset(Fgr::RadiusVis(f) / 2.0f, &dx, &dz);
    Fgr_OrderMoveCell(f, Land_CellAt(x + dx, z + dz), f->UnderGround);
  }
  TimerDownRest(&f->spelCastNow);
  PassSignal(f);
  Boe_AreaStep(f);
}

void Proc_UnitStand(Fgr* f) {
  if (!f || f->isMort) return;
  if (f->BringAllWaitFull > 0) Fgr_BringTick(f);
  Fgr_SightTest(f);
  SelPending_Clear(f);
  Boe_Attack(f);
  PassSignal(f);
  Boe_AreaStep(f);
}

void Proc_Bunker(Fgr* f) {
  if (!f || !Bunker_PropsOfKind(f->Status())) return;
  if (f->BringAllWaitFull > 0) Fgr_BringTick(f);
  if (TimerDown(&f->waitNow)) {
    f->waitNow = f->waitFull;
    // A computer bunker orders now and then: signal 4 or 5, each one time in four.
    if (Fgr::Owner(f) != Sides.PlayerSide && Rand() % 2) {
      f->fromPultSig = 4;
      if (Rand() % 2) f->fromPultSig = 5;
    }
  }
  Fgr_SightTest(f);
  SelPending_Clear(f);
  PassSignal(f);
}

void Proc_SquadHolder(Fgr* f) {
  if (!f) return;
  Fgr* first = f->P2_Sub_Unit;
  if (!first || (!first->pTail && f->P_Guest)) {
    Fgr_Sub_LeaveHolder(f);
    f->Sbros();
    return;
  }
  PassSignal(f);
}
