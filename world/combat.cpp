// Attacker slots and hits: targets kept and searched, the line of fire over the shot map, reload,
// misses, squad cover, the target's attacker slots, beams, strike back, experience, and the units'
// per-frame area step over the area queue.
#include "world/combat.h"

#include <cmath>

#include "catalogue/creators.h"
#include "figures/chains.h"
#include "figures/fgr.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/side.h"
#include "render/area_queue.h"
#include "render/tex_names.h"
#include "shell/frame_clock.h"
#include "shell/geometry.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/paths.h"
#include "world/selection.h"
#include "world/unit_upkeep.h"

t_Combat Combat;

namespace {

constexpr float kSpacing = 60.0f;  // two attackers closer than this crowd one side of the target

// Cells that stop a shot: the map of passability layer 1 of the floor, where only the ground
// itself (border, cliffs) blocks and standing figures leave no mark.
const uint8_t* ShotMap(int floor) {
  return floor == 1 ? Land.LandUnder.paf[0] : Land.LandSurface.paf[0];
}

int SeenBy(int side, const Fgr* f) { return Fgr_Int5Get(side, f); }

// The record whose id word names the side. The word comes from the stage file, and the seen list
// is looked up by that id: a file that numbers its records otherwise reads another record than
// Side_Rec's (record side - 1), so this lookup stays its own.
int* SideRecord(int side) {
  if (side < 1 || side > kSides) return nullptr;
  for (auto& rec : Sides.SideTab)
    if (rec[kSideId] == side) return rec;
  return nullptr;
}

// The cell is marked in the shot map, which is laid out column by column.
int ShotMapMarks(const uint8_t* map, int cell) {
  return map[(cell % kLandSide) * kLandSide + cell / kLandSide] == 1;
}

// The blocking cell lies in the target's footprint: shots into the target's own building are not
// stopped by it.
int FootprintTest(const Fgr* target, int cell) {
  return Land_FootprintHas(target->LandKleStamp, target->LandKleLUp, cell);
}

// An area's two tables are those of the item record of the figure whose slot it carries.
FKu* EntryFKu(const AreaReq* e) {
  Fgr* f = Fgrs_pFgr(e->w2);
  return f && f->item->isUse ? &f->item->fku : nullptr;
}
Sta* EntrySta(const AreaReq* e) {
  Fgr* f = Fgrs_pFgr(e->w1);
  return f && f->item->isUse ? &f->item->sta : nullptr;
}

// Whom an area's target rule reaches.
int RuleTouches(const AreaReq* e, const Fgr* unit) {
  switch (e->filter) {
    case kAreaEveryone: return 1;
    case kAreaOwnSide: return Fgr_IsOwnedBy(e->src, unit->baner);
    case kAreaOtherSides: return !Fgr_IsOwnedBy(e->src, unit->baner);
    case kAreaSameHost: return unit->bunkerHost == e->src->bunkerHost;
    default: return 0;
  }
}

int AreaTouches(const AreaReq* e, const Fgr* unit) {
  float ux, uz, sx, sz;
  Fgr::PosXZ(unit, &ux, &uz);
  Fgr::PosXZ(e->src, &sx, &sz);
  float r = (float)e->radius;
  if (e->shape == kAreaCircle) return Circles_TouchV(Vec2{ux, uz}, unit->haf, Vec2{sx, sz}, r);
  if (e->shape == kAreaSquare) return std::fabs(ux - sx) <= r && std::fabs(uz - sz) <= r;
  return 0;
}

}  // namespace

int Fgr_NoFightPair(const Fgr* a, const Fgr* b) {
  auto born = [](const Fgr* f) { return f->bornTehnola >= 93 && f->bornTehnola <= 94; };
  return a && b && born(a) && born(b);
}

int Fgr_CountedHp(const Fgr* f) {
  if (!f) return 0;
  const BoeCounters* T = &f->UN->cnt;
  int hp = 0;
  if (f->useNormHP) hp += BoeCnt_Get(T, bcNormHP);
  if (f->useCaptHP) hp += BoeCnt_Get(T, bcCaptHP);
  if (f->useTehnHP) hp += BoeCnt_Get(T, bcTehnHP);
  return hp;
}

int Fgr_HealthAbove(const Fgr* a, const Fgr* b) {
  if (!b || !b->UN->isUse) return 1;
  if (!a || !a->UN->isUse) return 0;
  return Fgr_CountedHp(a) > Fgr_CountedHp(b);
}

void Fgr_AddExp(Fgr* attacker, int amount, Fgr* target) {
  if (!attacker || !target || amount <= 0) return;
  if (target->PafLay == 0) amount *= 2;
  attacker->xExpNow += amount;
  if (!attacker->trueCaptain) attacker->xExpToOrbit = -amount;  // an orb for the captains nearby
}

int Fgr_InFireLine(Fgr* attacker, Fgr* target) {
  if (!attacker || !target) return 0;
  Fgr* gun = attacker->P2_Sub_UseGun;
  if (!gun) return 0;
  int r = Fgr::RadiusVis(gun);
  if (r < 10) return 0;
  float ax, az, tx, tz;
  Fgr::PosXZ(attacker, &ax, &az);
  Fgr::PosXZ(target, &tx, &tz);
  if (!Circles_TouchV(Vec2{ax, az}, (float)(r - 10), Vec2{tx, tz}, target->haf)) return 0;

  // Off the field or on its border nothing stops a shot.
  const int own = Land_CellAt(ax, az);
  if (own < 0) return 1;
  const uint8_t* map = ShotMap(attacker->UnderGround);
  const LandKle* cells = Land_Layer(attacker->UnderGround);
  if (ShotMapMarks(map, own)) return FootprintTest(target, own);

  const int aim = Land_CellIndex(tx, tz);
  if (aim == own) return 1;
  int inLine = 1;
  Land_LineWalk(ax, az, tx, tz, [&](int c) {
    if (c < 0) return true;
    if (ShotMapMarks(map, c) && cells[c].tile != 1) {
      inLine = FootprintTest(target, c);
      return true;
    }
    return c == aim;
  });
  return inLine;
}

int Ataker_SpacingOk(float tx, float tz, float ax, float az, float ox, float oz) {
  auto sameSide = [](float t, float a, float o) { return (a > t && o > t) || (a < t && o < t); };
  if (sameSide(tx, ax, ox)) {
    if (sameSide(tz, az, oz)) return 0;
    if (std::fabs(az - oz) < kSpacing) return 0;
  }
  if (sameSide(tz, az, oz) && std::fabs(ax - ox) < kSpacing) return 0;
  return 1;
}

int Fgr_AddAtaker(Fgr* attacker, Fgr* gun, Fgr* target) {
  if (!attacker || !gun || !target) return 0;
  if (gun->GunSpec == 1) return attacker->panic ? Rand() % 2 : 0;
  if (gun->GunSpec == 2) return 0;
  if (attacker->panic) return 1;
  Fgr** slot[3] = {&target->P_Ataker1, &target->P_Ataker2, &target->P_Ataker3};
  int n = 0;
  for (Fgr** s : slot) {
    if (*s == attacker) return 0;
    n += *s != nullptr;
  }
  int ff = target->focusFire;
  if (ff < 1 || ff > 3) return 0;
  if (n >= ff) return 1;
  float tx, tz, ax, az, ox, oz;
  Fgr::PosXZ(target, &tx, &tz);
  Fgr::PosXZ(attacker, &ax, &az);
  auto apart = [&](const Fgr* o) {
    Fgr::PosXZ(o, &ox, &oz);
    return Ataker_SpacingOk(tx, tz, ax, az, ox, oz);
  };
  if (n == 0) {
    target->P_Ataker1 = attacker;
    return 0;
  }
  if (n == 1) {
    Fgr* o = target->P_Ataker1   ? target->P_Ataker1
             : target->P_Ataker2 ? target->P_Ataker2
                                 : target->P_Ataker3;
    target->P_Ataker2 = target->P_Ataker3 = nullptr;
    target->P_Ataker1 = o;
    if (!apart(o)) return 1;
    target->P_Ataker2 = attacker;
    return 0;
  }
  for (Fgr** s : slot)
    if (*s && !apart(*s)) return 1;
  for (Fgr** s : slot)
    if (!*s) {
      *s = attacker;
      break;
    }
  return 0;
}

Fgr* Fgr_SquadCover(Fgr* attacker, Fgr* target) {
  if (!attacker || !target) return nullptr;
  Fgr* h = target->pParent;
  if (!Fgr::IsSquadHolder(h)) return nullptr;
  if (h->P_Guest && h->P_Guest->CapZero_ZagradSquad > 0) return h->P_Guest;
  if (h->Sub_Unit_now < 2 || Rand() % 2) return nullptr;
  int side = Fgr::Owner(attacker);
  float tx, tz;
  Fgr::PosXZ(target, &tx, &tz);
  Fgr* found[2] = {};
  int n = 0;
  int steps = 0;
  for (Fgr* m = h->P2_Sub_Unit; m && n < 2 && steps < kChainWalkMax; m = m->pTail, steps++) {
    if (m == target || !SeenBy(side, m)) continue;
    float mx, mz;
    Fgr::PosXZ(m, &mx, &mz);
    if (std::fabs(mx - tx) <= 15.0f && std::fabs(mz - tz) <= 15.0f && Fgr_HealthAbove(m, target))
      found[n++] = m;
  }
  if (n == 2) return Rand() % 2 ? found[1] : found[0];
  return found[0];
}

void Boe_Hit(Fgr* attacker, Fgr* target) {
  if (!attacker || !attacker->UN->isUse || !target) return;
  Fgr* gun = attacker->P2_Sub_UseGun;
  if (!gun || !gun->item->isUse || gun->waitNow > 0) return;
  int lo, hi;
  switch (attacker->UN->ExpRang) {
    case 1: lo = 300, hi = 999; break;
    case 2: lo = 200, hi = 750; break;
    case 3: lo = 100, hi = 500; break;
    default: lo = 0, hi = 250; break;
  }
  gun->waitNow = gun->waitFull + lo + Rand() % (hi - lo + 1);
  float ax, ay, az;
  Fgr::PosXYZ(&ax, &ay, &az, attacker);
  const int floor = attacker->UnderGround;
  const int side = Fgr::Owner(attacker);
  int roll = attacker->onPath ? Rand() % 2 : Rand() % 4;
  if (roll == 0) {
    Laser_Create({.preset = prLaser1,
                  .x = ax,
                  .y = 8.0f,
                  .z = az,
                  .a = ax + 10.0f,
                  .b = 8.0f,
                  .c = az + 10.0f,
                  .tex = kTxGlow,
                  .floor = floor,
                  .r = 1.0f,
                  .g = 0.0f,
                  .bl = 1.0f,
                  .alpha = 1.0f});
    return;
  }
  if (Fgr* cover = Fgr_SquadCover(attacker, target)) target = cover;
  int quality = 0;
  if (target->focusFire >= 1 && target->focusFire <= 3) {
    quality = Fgr_AddAtaker(attacker, gun, target);
    if (quality == 0)
      Laser_Create({.preset = prLaser1,
                    .x = ax,
                    .y = 15.0f,
                    .z = az,
                    .a = 4.0f,
                    .tex = kTxSpark,
                    .imitate = 1,
                    .owner = side,
                    .floor = floor,
                    .r = 0.1f,
                    .g = 0.1f,
                    .bl = 0.1f,
                    .alpha = 1.0f});
  }
  float tx, ty, tz, bx, by, bz;
  Fgr::PosXYZ(&tx, &ty, &tz, target);
  Fgr::PosOffset(attacker, 0.0f, 8.0f, attacker->haf / 2.0f, &bx, &by, &bz);
  Laser_Create({.preset = prLaser1,
                .x = bx,
                .y = by,
                .z = bz,
                .a = tx,
                .b = 12.0f,
                .c = tz,
                .tex = side == Sides.PlayerSide ? kTxBeamOwn : kTxBeamFoe,
                .floor = floor,
                .r = 1.0f,
                .g = 1.0f,
                .bl = 1.0f,
                .alpha = 1.0f});
  if (target->ImunZeroTarget != 0) return;
  if (!target->isMort) {
    Fgr* taker = Fgr_Border(target);
    Boe_Damage(attacker, &attacker->UN->fbu, &gun->item->sta, &gun->item->fku, taker ? taker : target,
               quality);
  }
  if (!target->P_FireTarg && !target->onPath && SeenBy(Fgr::Owner(target), attacker)) {
    target->P_FireTarg = attacker;
    if (target->pParent) Fgr_GiveAttackTarget(target->pParent, attacker, 0);
  }
}

void Boe_Attack(Fgr* unit) {
  Combat.AutoTargBlocked = nullptr;
  if (!unit) return;
  auto keep = [unit](Fgr*& t) {
    if (t && (t->UnderGround != unit->UnderGround || Fgr_NoFightPair(t, unit))) t = nullptr;
  };
  keep(unit->P_FireTarg);
  keep(unit->P_AutoTarg);
  Fgr* gun = unit->P2_Sub_UseGun;
  if (unit->DontUseGunMode || !gun) return;
  TimerDownRest(&gun->waitNow);
  const int side = Fgr::Owner(unit);

  if (Fgr* t = unit->P_FireTarg) {
    if (unit->nearToEnemy && Fgr_InFireLine(unit, t)) Fgr_MoveStateStep(unit);
    if (t->NormAtakTarget <= 0) {
      unit->P_FireTarg = nullptr;
      return;
    }
    if (t->isMort) {
      unit->P_FireTarg = unit->P_AutoTarg = nullptr;
    } else {
      if (!Fgr_InFireLine(unit, t)) {
        if (TimerDown(&unit->reNear)) {
          unit->reNear = 2000;
          float x, z;
          Fgr::PosXZ(t, &x, &z);
          Fgr_OrderMovePoint(unit, x, z, 1, t->UnderGround);
        }
        return;
      }
      if (SeenBy(side, t)) Boe_Hit(unit, t);
      else unit->P_FireTarg = nullptr;
      return;
    }
  }

  if (side == Sides.PlayerSide && unit->FindAutoTarg == 0) return;

  if (Fgr* t = unit->P_AutoTarg) {
    if (t->isMort) {
      unit->P_FireTarg = unit->P_AutoTarg = nullptr;
    } else if (Fgr_InFireLine(unit, t)) {
      if (SeenBy(side, t)) Boe_Hit(unit, t);
      else unit->P_AutoTarg = nullptr;
      return;
    } else if (side == Sides.PlayerSide || unit->P_FireTarg) {
      Combat.AutoTargBlocked = t;
    } else if (Rand() % 312 == 89) {
      unit->P_FireTarg = t;
    }
  }

  // The search walks the enemies the side sees this frame (at most 299), not the container.
  const int* rec = SideRecord(side);
  if (!rec) {
    unit->P_AutoTarg = nullptr;
    return;
  }
  const float r = (float)Fgr::RadiusVis(gun);
  float ux, uz;
  Fgr::PosXZ(unit, &ux, &uz);
  Fgr* cand = nullptr;
  int count = rec[kSideSeenCount];
  if (count > kSideListMax) count = kSideListMax;
  for (int i = 1; i <= count; i++) {
    Fgr* e = Fgrs_pFgr(rec[kSideSeenList + i]);
    if (!e || !e->Active() || e->isMort || e->UnderGround != unit->UnderGround ||
        e == Combat.AutoTargBlocked || e->NormAtakTarget < 1)
      continue;
    if (e->Status() == fgrUnitGen && (side == Sides.PlayerSide || Rand() % 32000 != 55)) continue;
    float ex, ey, ez;
    Fgr::PosXYZ(&ex, &ey, &ez, e);
    float dx = ex - ux, dz = ez - uz;
    if (r + e->haf > std::sqrt(dx * dx + ey * ey + dz * dz)) {
      cand = e;
      if (Rand() % 4 == 0) break;
    }
  }
  unit->P_AutoTarg = cand;
}

void Boe_AreaStep(Fgr* unit) {
  if (!Fgr::IsUnit(unit)) return;
  UN_RebuildFBu(unit);
  UN_ZoneFlagsReset(unit);
  unit->tactic = 0;
  DecalQueue.hitCount = 0;
  FBu* fbu = &unit->UN->fbu;
  int count = DecalQueue.count;
  if (count > kAreaQueue) count = kAreaQueue;
  for (int i = 0; i < count; i++) {
    AreaReq* e = &DecalQueue.req[i];
    if (!e->src || e->src == unit) continue;
    if (e->kind == kAreaPulse && e->count > 0) continue;
    if (!RuleTouches(e, unit) || Zone_SkipsUnit(unit, e)) continue;
    // An area without a radius reaches nobody; it does not end the unit's step.
    if (e->kind == kAreaPlain && e->radius <= 0) continue;
    if (e->floor != -1 && e->floor != unit->UnderGround) continue;
    if (!AreaTouches(e, unit)) continue;
    if (e->kind == kAreaPulse) {
      DecalQueue_AddPtr(e);
    } else if (e->kind == kAreaAura) {
      FKu* k = EntryFKu(e);
      if (k && FKu_AddAllToFBu(k, fbu, 0) > 0) unit->tactic += 1;
    }
    Zone_ContactApply(unit, e);
  }
  UN_ZoneFlagsEnd(unit);

  float ux, uy, uz;
  Fgr::PosXYZ(&ux, &uy, &uz, unit);
  int hits = DecalQueue.hitCount;
  if (hits > kAreaHits) hits = kAreaHits;
  for (int i = 0; i < hits; i++) {
    AreaReq* e = DecalQueue.hits[i];
    Sta* s = EntrySta(e);
    FKu* k = EntryFKu(e);
    if (!s || !k) continue;
    Boe_Damage(nullptr, fbu, s, k, unit, 0);
    Laser_Create({.preset = prLaser1,
                  .x = ux,
                  .y = 3.0f,
                  .z = uz,
                  .a = 6.0f,
                  .tex = kTxGlow,
                  .imitate = 1,
                  .owner = Fgr::Owner(unit),
                  .floor = e->floor,
                  .r = e->f[0],
                  .g = e->f[1],
                  .bl = e->f[2],
                  .alpha = e->f[3]});
  }
}
