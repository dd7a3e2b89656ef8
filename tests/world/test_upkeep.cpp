// Unit record upkeep: regeneration by profile, the panic hysteresis, captain marks on CaptHP, the
// terrain sets seen through the damage they let through, and the area step's contact effects
// (an area without a radius is passed over, the rest of the step still runs).
#include "world/combat_fixture.h"
#include "world/unit_upkeep.h"

namespace {

int Now(const Fgr* f, int c) { return BoeCnt_Get(&f->UN->cnt, c); }

AreaReq* Queue(Fgr* src, int kind, int filter, int radius, int shape, int action = 0) {
  AreaReq* e = &DecalQueue.req[DecalQueue.count++];
  *e = {};
  e->src = src, e->kind = kind, e->filter = filter, e->radius = radius, e->shape = shape, e->w8 = action;
  return e;
}

}  // namespace

TEST_F(CombatTest, RegenerationByProfileAndThePanicHysteresis) {
  FrameClock.KadrStep = 100;
  // profile, NormHP at start -> NormHP and Hot after three ticks (0 ms, 1000 ms, 2000 ms).
  const int kRegen[][4] = {
      {0, 9, 9, 75}, {0, 10, 22, 75}, {1, 9, 9, 60}, {1, 10, 25, 60}, {2, 10, 10, 90}};
  for (const auto& r : kRegen) {
    Fgr* u = MakeFighter(2, 0, 0, 1, 100);
    u->HitBarMixCase = r[0];
    u->ueWaitFull = 1000;
    BoeCnt_SetNow(&u->UN->cnt, bcNormHP, r[1]);
    BoeCnt_Set(&u->UN->cnt, bcHot, 1, 200, 0, 0);
    BoeCnt_SetNow(&u->UN->cnt, bcHot, 3);  // Hot 3: not panicking
    for (int i = 0; i < 30; i++) UN_UpdCounters(u);
    EXPECT_EQ(Now(u, bcNormHP), r[2]) << r[0] << " " << r[1];
    EXPECT_EQ(Now(u, bcHot), 3 + r[3]) << r[0] << " " << r[1];
    EXPECT_EQ(Fgr_CountedHp(u), r[2]);
  }
  // Panic below Hot 3; with panicOut 10 it lasts until Hot reaches 10.
  Fgr* u = MakeFighter(2, 0, 0, 1);
  u->panicOut = 10;
  const int kPanic[][2] = {{2, 1}, {5, 1}, {9, 1}, {10, 0}, {5, 0}, {1, 1}};
  for (const auto& p : kPanic) {
    BoeCnt_SetNow(&u->UN->cnt, bcHot, p[0]);
    UN_UpdCounters(u);
    EXPECT_EQ(u->panic, p[1]) << "Hot " << p[0];
  }
}

TEST_F(CombatTest, CaptainMarksRaiseAndLowerTheCaptHpMaximumEachFrame) {
  Fgr* c = MakeFighter(2, 0, 0, 1);
  c->trueCaptain = 1;
  c->Sub_UseSkil_max = 12;
  c->Sub_MetGd_max = c->Sub_MetBd_max = 5;
  BoeCnt_Set(&c->UN->cnt, bcCaptHP, 100, 1000, 0, 5000);
  Fgr* skil = Make(fgrAbilSkil);
  skil->detPlace = 3, skil->AbilSkilVers = 2, skil->SkilRangBase = 3;
  skil->item->isUse = 1;
  ASSERT_EQ(Fgr_Sub_AddUseSkil(c, skil), 1);
  Fgr* good = Make(fgrMetkaZak);
  good->MagikVers = 1;
  ASSERT_EQ(Fgr_Sub_AddMetGd(c, good, 0), 1);
  Fgr* bad = Make(fgrMetkaZak);
  bad->MagikVers = 2;
  ASSERT_EQ(Fgr_Sub_AddMetBd(c, bad, 0), 1);
  for (int frame = 0; frame < 3; frame++) {  // the container's order: counters, then marks
    UN_UpdCounters(c);
    Fgr_CaptainMarksUpd(c);
    EXPECT_EQ(Now(c, bcCaptHP_), 1000 + 300 + 250 - 230);
    EXPECT_EQ(Now(c, bcCaptHP), 350);  // the good spell heals once
  }
  c->trueCaptain = 0;  // not a captain: the maximum stays its base
  UN_UpdCounters(c);
  Fgr_CaptainMarksUpd(c);
  EXPECT_EQ(Now(c, bcCaptHP_), 1000);
}

TEST_F(CombatTest, TerrainSetsChangeTheDamageThatGetsThrough) {
  Fgr* a = MakeFighter(2, 0, 0, 1);
  Sta* sta = &a->P2_Sub_UseGun->item->sta;
  Sta_ResetTable(sta);
  Sta_Add(sta, bcNormHP, 100, 1, 0, 0);
  const int cell = 20 * kLandSide + 20;
  // tile code (the cell's third byte), bunkerHost, panic -> least and most NormHP lost per hit.
  const int kCase[][5] = {
      {0, 0, 0, 100, 100},              // no set
      {2, 0, 0, 120, 140},              // exposed: +40 % rolled from half
      {10, 205, 0, 70, 80},             // covered: -30 % rolled from 67 %
      {10, fgrAngBunker, 0, 120, 140},  // exposed for the other host
      {1, 0, 1, 105, 110},              // panicking: only the panic set, +10 % rolled from half
  };
  for (const auto& k : kCase) {
    Fgr* t = MakeFighter(3, 205, 205, 0, 100000);
    t->KleX1 = cell;
    Land.LandSurface.kle[cell].cursor = (uint8_t)k[0];
    t->bunkerHost = k[1];
    t->panic = k[2];
    UN_RebuildFBu(t);
    int lo = 1 << 30, hi = 0;
    for (int i = 0; i < 400; i++) {
      int before = Now(t, bcNormHP);
      Boe_Damage(a, nullptr, sta, &a->P2_Sub_UseGun->item->fku, t, 0);
      int lost = before - Now(t, bcNormHP);
      lo = std::min(lo, lost), hi = std::max(hi, lost);
    }
    EXPECT_EQ(lo, k[3]) << "tile " << k[0] << " host " << k[1];
    EXPECT_EQ(hi, k[4]) << "tile " << k[0] << " host " << k[1];
  }
}

TEST_F(CombatTest, TheAreaStepPassesAnAreaWithoutRadiusAndRunsTheRest) {
  Fgr* u = MakeFighter(2, 100, 100, 1);
  Fgr* friendU = MakeFighter(2, 110, 100, 1);
  Fgr* enemy = MakeFighter(3, 120, 100, 1);
  Fgr* aura = Make(fgrDetUnit);  // an item whose bonus table an aura hands out
  FKu_Add(&aura->item->fku, bcArmor, 3, 5, 0, 0, 100, 1);
  FKu_Add(&aura->item->fku, bcFire, 2, 7, 0, 0, 100, 1);

  DecalQueue.count = 0;
  Queue(friendU, 1, 1, 0, 1, 2);                // a yield area of a figure without size
  Queue(friendU, 3, 2, 50, 0)->w2 = aura->nom;  // an aura of the own side
  Queue(enemy, 1, 3, 40, 0, 3)->pair[1] = 1;    // an enemy's detector
  Queue(u, 3, 1, 50, 0)->w2 = aura->nom;        // the unit's own: never for itself
  Queue(enemy, 3, 2, 50, 0)->w2 = aura->nom;    // the enemy side's aura
  Boe_AreaStep(u);
  EXPECT_EQ(u->tactic, 1);
  EXPECT_EQ(u->UN->fbu.count, 2);
  EXPECT_EQ(u->UN->stealthOk, 0);
  // The friend's detector flag is not raised by its own side's detector.
  Boe_AreaStep(enemy);
  EXPECT_EQ(enemy->UN->stealthOk, 1);
  EXPECT_EQ(enemy->tactic, 1);

  // An orb: a captain that touches it draws 1..orb experience from it; others draw nothing.
  DecalQueue.count = 0;
  friendU->xExpToOrbit = 40;
  Queue(friendU, 1, 1, 50, 1, 1);
  Boe_AreaStep(enemy);
  EXPECT_EQ(friendU->xExpToOrbit, 40);
  u->trueCaptain = 4;
  Boe_AreaStep(u);
  EXPECT_GE(u->xExpNow, 1);
  EXPECT_EQ(u->xExpNow + friendU->xExpToOrbit, 40);

  // Two walking units of one mode and speed meet: only the later-made one brakes, 500..999 ms.
  DecalQueue.count = 0;
  u->onPath = friendU->onPath = 1;
  u->trueCaptain = 0;
  friendU->xExpToOrbit = 0;  // an orb left over would count as an orb, not as a yield area
  Queue(u, 1, 1, 10, 1, 2);
  Queue(friendU, 1, 1, 10, 1, 2);
  ASSERT_LT(u->priv_LogIndex, friendU->priv_LogIndex);
  Boe_AreaStep(u);
  Boe_AreaStep(friendU);
  EXPECT_EQ(u->Pritormozi, 0);
  EXPECT_GE(friendU->Pritormozi, 500);
  EXPECT_LE(friendU->Pritormozi, 999);

  // Skill areas pass captains and units off the walking layers by.
  DecalQueue.count = 0;
  AreaReq* s = Queue(friendU, 1, 1, 50, 0);
  s->w9 = fgrAbilSkil;
  friendU->AbilSkilVers = 1, friendU->SkilRangBase = 3;
  Boe_AreaStep(u);
  EXPECT_EQ((int)u->UN->rangAura, 3);
  u->trueCaptain = 2;
  Boe_AreaStep(u);
  EXPECT_EQ((int)u->UN->rangAura, 0);
}

TEST_F(CombatTest, AnEquipmentPulseHurtsTheEnemiesInItsCircleOncePerPeriod) {
  FrameClock.KadrStep = 50;
  Fgr* e = MakeFighter(3, 130, 100, 1);
  Fgr* mate = MakeFighter(3, 140, 100, 1);
  Fgr* u = MakeFighter(2, 100, 100, 1);
  Fgr* far = MakeFighter(2, 300, 100, 1);
  for (Fgr* f : {e, mate, u, far}) f->DontUseGunMode = 1;
  Fgr* piece = Make(fgrDetUnit);
  piece->detPlace = 4, piece->detRadial = 2, piece->imiter = 3;  // a pulse that hits other sides
  piece->get_RadiusVis_ = 50;
  piece->waitFull = 1000;
  Sta_Add(&piece->item->sta, bcNormHP, 10, 1, 0, 0);
  e->Sub_UseKm_max = 2;
  ASSERT_EQ(Fgr_Sub_AddUseKm(e, piece, 0), 1);
  for (int i = 0; i < 200; i++) Frame();  // 10 s: a pulse at 0 ms and one a second after
  EXPECT_EQ(Now(u, bcNormHP), 1000 - 10 * 10);
  EXPECT_EQ(beams[5], 10);  // a marker at the unit for every pulse that hurt it
  EXPECT_EQ(Now(mate, bcNormHP), 1000);
  EXPECT_EQ(Now(far, bcNormHP), 1000);
  EXPECT_EQ(Now(e, bcNormHP), 1000);
}
