// Unit record upkeep: what a unit's record and equipment do each frame besides fighting.
#include "world/unit_upkeep.h"

#include "figures/chains.h"
#include "figures/fgr.h"
#include "figures/land.h"
#include "figures/side.h"
#include "render/area_queue.h"
#include "shell/frame_clock.h"
#include "shell/random.h"
#include "world/combat.h"
#include "world/ranks.h"
#include "world/selection.h"

int AreaFlagRaised;

namespace {

// The colour every area of a unit's own upkeep is drawn with.
constexpr float kAreaR = 1.0f, kAreaG = 0.0f, kAreaB = 0.5f, kAreaA = 1.0f;
constexpr int kOrbRadius = 50;  // world units round a unit that gained experience

}  // namespace

int UN_UpdCounters(Fgr* f) {
  if (!f || !f->UN->isUse) return 1;
  BoeCounters* T = &f->UN->cnt;
  int tick = 0;
  if (f->ueWaitFull && TimerDown(&f->ueWaitNow)) {
    f->ueWaitNow = f->ueWaitFull;
    tick = 1;
  }
  int hp = BoeCnt_Get(T, bcNormHP);
  int hot = BoeCnt_Get(T, bcHot);
  // A panicking unit calms only once Hot reaches panicOut.
  if (!(hot > 2 && f->panicOut > hot)) f->panic = hot < 3 ? 1 : 0;
  if (tick) {
    switch (f->HitBarMixCase) {
      case 1:
        BoeCnt_AddNow(T, bcHot, 20, 0);
        if (hp > 9) BoeCnt_AddNow(T, bcNormHP, 5, 0);
        break;
      case 2: BoeCnt_AddNow(T, bcHot, 30, 0); break;
      default:
        BoeCnt_AddNow(T, bcHot, 25, 0);
        if (hp > 9) BoeCnt_AddNow(T, bcNormHP, 4, 0);
        break;
    }
  }
  BoeCnt_MaxFromBase(T);
  return Fgr_CountedHp(f);
}

void Fgr_CapZeroClear(Fgr* f) {
  if (!f) return;
  f->CapZero_WaterFast = 0;
  f->CapZero_WardSpec = 0;
  f->CapZero_IgnorTarg = 0;
  f->CapZero_ZagradSquad = 0;
}

void Fgr_CapZeroZagradSet(Fgr* f) {
  if (f && f->trueCaptain && f->bunkerHost == fgrAngBunker) f->CapZero_ZagradSquad = 1;
}

void Fgr_CaptainMarksUpd(Fgr* f) {
  if (!f || !f->UN->isUse) return;
  BoeCounters* T = &f->UN->cnt;
  if (f->trueCaptain) {
    if (Fgr* s = Fgr_FindSkil(f, 2)) {
      int r = s->SkilRangBase;
      if (r >= 1 && r <= 4) BoeCnt_AddMax(T, bcCaptHP_, 100 * r, 0, 0);
    }
    Fgr_Sub_ForEach(f->P2_Sub_MetGd, [T](Fgr* m) {
      if (m->Status() != fgrMetkaZak || m->MagikVers != 1) return;
      BoeCnt_AddMax(T, bcCaptHP_, 250, 0, 0);
      if (m->LifeCase == 0) {  // the first frame of the spell also heals
        m->LifeCase = 1;
        BoeCnt_AddNow(T, bcCaptHP, 250, 0);
      }
    });
    Fgr_Sub_ForEach(f->P2_Sub_MetBd, [T](Fgr* m) {
      if (m->Status() == fgrMetkaZak && m->MagikVers == 2) BoeCnt_AddMax(T, bcCaptHP_, 230, 0, 1);
    });
  }
  BoeCnt_ClampAll(T);
}

void Fgr_EquipEmit(Fgr* unit, Fgr* piece) {
  if (!unit || !piece || !piece->detRadial || !piece->imiter) return;
  int radius = Fgr::RadiusVis(piece);
  int pulse = 0;
  if (piece->detRadial == 2) {
    if (radius < 1 || piece->item->sta.count < 1) return;
    pulse = TimerDown(&piece->waitNow);
  } else if (piece->detRadial == 3) {
    if (radius < 1 || piece->item->fku.count < 1) return;
  }
  if (piece->pParent && piece->pParent != unit) return;
  if (!piece->pParent) piece->pParent = unit;
  // The queue keeps whole numbers: the piece's slot names the item record that holds both tables.
  // A pulse strikes in the frame its countdown runs out (its delay 0) and is reloaded after.
  DecalQueue_Add({.src = unit,
                  .w1 = piece->nom,
                  .w2 = piece->nom,
                  .kind = piece->detRadial,
                  .count = piece->waitNow,
                  .filter = piece->imiter,
                  .radius = radius,
                  .shape = kAreaCircle,
                  .w9 = piece->Status(),
                  .floor = -1,
                  .f = {piece->fcr, piece->fcg, piece->fcb, 1.0f}});
  if (pulse) piece->waitNow = piece->waitFull;
}

void Fgr_UseChainsUpd(Fgr* f) {
  if (!f) return;
  Fgr_Sub_ForEach(f->P2_Sub_UseSkil, [f](Fgr* m) {
    if (Fgr::IsDetPlace3(m)) Fgr_EquipEmit(f, m);
  });
  Fgr_Sub_ForEach(f->P2_Sub_UseKm, [f](Fgr* m) {
    if (Fgr::IsDetPlace4(m)) Fgr_EquipEmit(f, m);
  });
  if (Fgr::IsDetPlace5(f->P2_UseHelm)) Fgr_EquipEmit(f, f->P2_UseHelm);
  if (Fgr::IsDetPlace6(f->P2_UseSuit)) Fgr_EquipEmit(f, f->P2_UseSuit);
  if (Fgr::IsDetPlace7(f->P2_UseCar)) Fgr_EquipEmit(f, f->P2_UseCar);

  if (f->xExpToOrbit < 0) {
    // Experience just gained by a non-captain: an orb that captains around it draw from.
    f->xExpToOrbit = -f->xExpToOrbit;
    DecalQueue_Add({.src = f,
                    .kind = kAreaPlain,
                    .filter = kAreaEveryone,
                    .radius = kOrbRadius,
                    .shape = kAreaSquare,
                    .w8 = kActOrb,
                    .floor = f->UnderGround,
                    .f = {kAreaR, kAreaG, kAreaB, kAreaA}});
    return;
  }
  if (f->xExpToOrbit > 0) f->xExpToOrbit = 0;  // an orb lasts one frame
  if (f->GoAwayMove) {
    f->Pritormozi = 0;
  } else if (f->onPath && f->Pritormozi <= 0) {
    DecalQueue_Add({.src = f,
                    .kind = kAreaPlain,
                    .filter = kAreaEveryone,
                    .radius = (int)f->haf,
                    .shape = kAreaSquare,
                    .w8 = kActYield,
                    .floor = f->UnderGround,
                    .f = {kAreaR, kAreaG, kAreaB, kAreaA}});
  }
  TimerDownRest(&f->Pritormozi);
  float det = Fgr::RadDetectorF(f);
  if (det > 30.0f) {
    DecalQueue_Add({.src = f,
                    .kind = kAreaPlain,
                    .filter = kAreaOtherSides,
                    .radius = (int)det,
                    .shape = kAreaCircle,
                    .w8 = kActDetector,
                    .floor = f->UnderGround,
                    .f = {kAreaR, kAreaG, kAreaB, kAreaA},
                    .pair = {0, 1}});
  }
}

void UN_RebuildFBu(Fgr* unit) {
  if (!unit || !unit->UN->isUse) return;
  FBu* b = &unit->UN->fbu;
  FBu_Clear(b);
  if (unit->panic) {
    FBu_AddHpPreset1(b);
    return;
  }
  const int cls = unit->LifeCase;
  auto add = [b, cls](Fgr* m) { FKu_AddAllToFBu(&m->item->fku, b, cls); };
  FKu_AddAllToFBu(&unit->UN->fku, b, cls);
  Fgr_Sub_ForEach(unit->P2_Sub_UseSkil, [&](Fgr* m) {
    if (Fgr::IsDetPlace3(m) && !m->imiter) add(m);
  });
  Fgr_Sub_ForEach(unit->P2_Sub_UseGun, [&](Fgr* m) {
    if (Fgr::IsDetPlace2(m)) add(m);
  });
  Fgr_Sub_ForEach(unit->P2_Sub_UseKm, [&](Fgr* m) {
    if (Fgr::IsDetPlace4(m) && !m->imiter) add(m);
  });
  if (Fgr::IsDetPlace5(unit->P2_UseHelm) && !unit->P2_UseHelm->imiter) add(unit->P2_UseHelm);
  if (Fgr::IsDetPlace6(unit->P2_UseSuit) && !unit->P2_UseSuit->imiter) add(unit->P2_UseSuit);
  if (Fgr::IsDetPlace7(unit->P2_UseCar) && !unit->P2_UseCar->imiter) add(unit->P2_UseCar);
  Fgr_ApplyBuffs(unit);
}

void Fgr_ApplyBuffs(Fgr* unit) {
  if (!unit || !Land_CellValid(unit->KleX1)) return;
  int tile = Land_Layer(unit->UnderGround)[unit->KleX1].cursor;
  int host = unit->bunkerHost == fgrAngBunker ? 1 : unit->bunkerHost == fgrNekBunker ? 2 : 0;
  FBu* b = &unit->UN->fbu;
  if (tile == kCursorTree || (tile == kCursorNekroGround && host == 1) ||
      (tile == kCursorAngelGround && host == 2))
    FBu_AddHpPreset2(b);  // exposed
  else if (tile == kCursorCrystal || (tile == kCursorAngelGround && host == 1) ||
           (tile == kCursorNekroGround && host == 2))
    FBu_AddHpPreset3(b);  // covered
}

int Zone_SkipsUnit(const Fgr* unit, const AreaReq* e) {
  return unit && e && e->w9 == fgrAbilSkil && (unit->trueCaptain || unit->PafLay == 0);
}

void Zone_ContactApply(Fgr* unit, AreaReq* e) {
  if (!unit || !e || !e->src) return;
  Fgr* src = e->src;
  if (e->w8 == kActDetector) {
    if (e->pair[1]) AreaFlagRaised = 1;
    return;
  }
  int kind = src->Status();
  if (kind == fgrSpawner) {
    if (!src->P_TrigFrom && unit->Status() != fgrUnitStroi) src->P_TrigFrom = unit;
    return;
  }
  if (kind == fgrTriger) {
    if (!src->P_TrigFrom) src->P_TrigFrom = unit;
    return;
  }
  if (Fgr::IsUnit(src) && src->xExpToOrbit > 0) {
    if (unit->trueCaptain) {
      int g = Rand() % src->xExpToOrbit + 1;
      int left = src->xExpToOrbit - g;
      src->xExpToOrbit = left < 0 ? 0 : left > 65000 ? 65000 : left;
      unit->xExpNow += g;
    }
    return;
  }
  if (e->w8 == kActYield) {
    if (unit->Pritormozi > 0 || !unit->onPath || unit->GoAwayMove) return;
    int yields;
    if (src->MirMoveMode == 3)
      yields = unit->MirMoveMode != 3 || unit->get_SkorosMirMax_ < src->get_SkorosMirMax_;
    else yields = unit->MirMoveMode != 3 && unit->get_SkorosMax_ < src->get_SkorosMax_;
    // Of two equals the later-made one waits.
    Fgr* brakes = yields ? unit : unit->priv_LogIndex <= src->priv_LogIndex ? src : unit;
    brakes->Pritormozi = 500 + Rand() % 500;
    return;
  }
  if (e->w9 == fgrAbilSkil && src->AbilSkilVers == 1) {
    if (src->SkilRangBase > unit->UN->rangAura) unit->UN->rangAura = src->SkilRangBase;
  }
}

void UN_ZoneFlagsReset(Fgr* unit) {
  if (!unit) return;
  unit->UN->rangAura = 0;
  unit->UN->stealthOk = 1;
  AreaFlagRaised = 0;
}

void UN_ZoneFlagsEnd(Fgr* unit) {
  if (unit && AreaFlagRaised) unit->UN->stealthOk = 0;
}

int Fgr_SkorosMirMax(const Fgr* f) { return f ? f->get_SkorosMirMax_ : 0; }
int Fgr_SkorosMax(const Fgr* f) { return f ? f->get_SkorosMax_ : 0; }
int Fgr_SkorosMin(const Fgr* f) { return f ? f->get_SkorosMin_ : 0; }
int Fgr_RadStroi(const Fgr* f) { return f ? f->get_RadStroi_ : 0; }
float Fgr_SkorosMinF(const Fgr* f) { return Fgr_SkorosMin(f) / 10000.0f; }
float Fgr_SkorosMaxF(const Fgr* f) { return Fgr_SkorosMax(f) / 10000.0f; }
float Fgr_SkorosMirMaxF(const Fgr* f) { return Fgr_SkorosMirMax(f) / 10000.0f; }

int Fgr_SameBaner(const Fgr* a, const Fgr* b) { return a && b && a->baner == b->baner; }

int Fgr_SetFromPultSig(Fgr* f, int command) {
  if (!f || Fgr_NotMine(f)) return 0;
  f->fromPultSig = Fgr_MayCommand(f, command) ? command : 0;
  return f->fromPultSig;
}

void Fgr_SetDontUseGunMode(Fgr* f, int value) {
  if (!f) return;
  if (!Fgr::IsSquadHolder(f)) {
    f->DontUseGunMode = value;
    return;
  }
  Fgr_Sub_ForEach(f->P2_Sub_Unit, [value](Fgr* m) {
    if (m->Active()) m->DontUseGunMode = value;
  });
}

void Item_RandomPreset(int* kind, int* preset) {
  *kind = fgrDetUnitGun;
  *preset = Rand() % 2 == 0 ? prUnitGun05 : prUnitGun03;
}
