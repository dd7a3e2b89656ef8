// Attacker slots and hits: a scripted duel with a fixed seed (reload ranges, misses standing and
// walking, registered hits, strike back, the damage of every landed shot, an immune target), the
// slot table of focusFire with the spacing rule, squad cover, and the line of fire over the shot map.
#include <algorithm>

#include "world/combat_fixture.h"

namespace {

// The reload values a gun took over a run: each new countdown is the reload just drawn.
struct ReloadWatch {
  Fgr* gun;
  int last = gun->waitNow, count = 0, lo = 1 << 30, hi = 0;
  void Step() {
    if (gun->waitNow > last) {
      count++;
      lo = std::min(lo, gun->waitNow);
      hi = std::max(hi, gun->waitNow);
    }
    last = gun->waitNow;
  }
};

}  // namespace

TEST_F(CombatTest, ScriptedDuelReloadsMissesRegistersAndStrikesBack) {
  RandSeed(2024);
  FrameClock.KadrStep = 50;
  Fgr* a = MakeFighter(2, 100, 100, 2, 100000);  // the player's, rank 2
  Fgr* b = MakeFighter(3, 150, 100, 1, 100000);  // 50 away, rank 1, grants one attacker slot
  b->focusFire = 1;
  ReloadWatch ra{a->P2_Sub_UseGun}, rb{b->P2_Sub_UseGun};

  for (int i = 0; i < 12000; i++) {  // ten minutes, both standing
    Frame();
    ra.Step(), rb.Step();
  }
  // Reload: waitFull 1000 plus 200..750 at rank 2 and 300..999 at rank 1.
  EXPECT_GE(ra.lo, 1200);
  EXPECT_LE(ra.hi, 1750);
  EXPECT_GE(rb.lo, 1300);
  EXPECT_LE(rb.hi, 1999);
  // Every shot left a beam: a miss beam (texture 5), or a shot beam (29 the player's, 28 another
  // side's); the player's registered hits on the one-slot target each left a dark marker (58).
  int shots = ra.count + rb.count;
  ASSERT_GT(shots, 600);
  EXPECT_EQ(beams[5] + beams[28] + beams[29], shots);
  EXPECT_EQ(beams[58], beams[29]);
  double missed = beams[5] / (double)shots;
  EXPECT_GT(missed, 0.20);  // one in four standing
  EXPECT_LT(missed, 0.30);
  EXPECT_EQ(b->P_Ataker1, a);
  // Each landed shot took 20 NormHP (no filters on either side), and each was struck back.
  EXPECT_EQ(BoeCnt_Get(&b->UN->cnt, bcNormHP), 100000 - 20 * beams[29]);
  EXPECT_EQ(BoeCnt_Get(&a->UN->cnt, bcNormHP), 100000 - 20 * beams[28]);
  EXPECT_EQ(a->P_FireTarg, b);
  EXPECT_EQ(b->P_FireTarg, a);

  // Walking, the player's unit misses one shot in two.
  beams.clear();
  a->onPath = 1;
  b->DontUseGunMode = 1;
  ReloadWatch walk{a->P2_Sub_UseGun};
  for (int i = 0; i < 12000; i++) {
    Frame();
    walk.Step();
  }
  ASSERT_GT(walk.count, 300);
  EXPECT_EQ(beams[5] + beams[29], walk.count);
  EXPECT_GT(beams[5] / (double)walk.count, 0.42);
  EXPECT_LT(beams[5] / (double)walk.count, 0.58);

  // An immune target shows the beams but takes nothing and does not strike back.
  beams.clear();
  a->onPath = 0;
  b->ImunZeroTarget = 1;
  b->P_FireTarg = nullptr;
  const int hp = BoeCnt_Get(&b->UN->cnt, bcNormHP);
  for (int i = 0; i < 400; i++) Frame();
  EXPECT_GT(beams[29], 5);
  EXPECT_EQ(BoeCnt_Get(&b->UN->cnt, bcNormHP), hp);
  EXPECT_EQ(b->P_FireTarg, nullptr);
}

TEST_F(CombatTest, AttackerSlotsFollowFocusFireAndTheSpacing) {
  Fgr* t = MakeFighter(3, 100, 100, 0);
  Fgr* a1 = MakeFighter(2, 110, 110, 1);  // north-east of the target
  Fgr* a2 = MakeFighter(2, 120, 105, 1);  // the same quadrant
  Fgr* a3 = MakeFighter(2, 90, 90, 1);    // opposite in x and in z
  Fgr* a4 = MakeFighter(2, 160, 40, 1);   // x side of a1 70 below it, z side of a3 70 right of it
  Fgr* gun = a1->P2_Sub_UseGun;
  auto add = [&](Fgr* a) { return Fgr_AddAtaker(a, gun, t); };

  t->focusFire = 1;
  EXPECT_EQ(add(a1), 0);
  EXPECT_EQ(t->P_Ataker1, a1);
  EXPECT_EQ(add(a1), 0);  // already in
  EXPECT_EQ(add(a3), 1);  // the one slot is taken

  t->focusFire = 2;
  EXPECT_EQ(add(a2), 1);  // crowds a1
  EXPECT_EQ(add(a3), 0);
  EXPECT_EQ(t->P_Ataker2, a3);

  t->focusFire = 3;
  EXPECT_EQ(add(a2), 1);  // apart from a3 but not from a1
  EXPECT_EQ(add(a4), 0);
  EXPECT_EQ(t->P_Ataker3, a4);
  EXPECT_EQ(add(a2), 1);  // all three taken

  // A lone occupant of the third slot moves into the first before a newcomer is tested.
  t->P_Ataker1 = t->P_Ataker2 = nullptr;
  t->P_Ataker3 = a1;
  t->focusFire = 2;
  EXPECT_EQ(add(a3), 0);
  EXPECT_EQ(t->P_Ataker1, a1);
  EXPECT_EQ(t->P_Ataker2, a3);
  EXPECT_EQ(t->P_Ataker3, nullptr);

  // Outside 1..3 every hit counts and nothing registers; a panicking attacker is refused; guns
  // of kind 2 are never refused, of kind 1 only a panicking attacker's, half the time.
  t->P_Ataker1 = t->P_Ataker2 = nullptr;
  t->focusFire = 0;
  EXPECT_EQ(add(a2), 0);
  EXPECT_EQ(t->P_Ataker1, nullptr);
  t->focusFire = 3;
  a2->panic = 1;
  EXPECT_EQ(add(a2), 1);
  gun->GunSpec = 2;
  EXPECT_EQ(add(a2), 0);
  gun->GunSpec = 1;
  int refused = 0;
  for (int i = 0; i < 1000; i++) refused += add(a2);
  EXPECT_GT(refused, 400);
  EXPECT_LT(refused, 600);
  EXPECT_EQ(t->P_Ataker1, nullptr);

  // Spacing: same x side, z sides apart but closer than 60 is crowding; 60 or more is apart.
  EXPECT_EQ(Ataker_SpacingOk(0, 0, 10, 10, 20, -40), 0);
  EXPECT_EQ(Ataker_SpacingOk(0, 0, 10, 10, 20, -50), 1);
  EXPECT_EQ(Ataker_SpacingOk(0, 0, -10, 10, 45, 20), 0);  // same z side, 55 apart in x
  EXPECT_EQ(Ataker_SpacingOk(0, 0, 0, 10, 0, -10), 1);    // on the target's line: no side
}

TEST_F(CombatTest, TheLineOfFireStopsAtMarkedCellsUnlessTheyAreTileOne) {
  Fgr* a = MakeFighter(2, 105, 105, 1);  // cell column 10, row 10
  Fgr* t = MakeFighter(3, 165, 105, 1);  // column 16, the same row: 60 away
  EXPECT_EQ(Fgr_InFireLine(a, t), 1);
  auto mark = [](int col, int row) { Land.LandSurface.paf[0][col * kLandSide + row] = 1; };
  mark(13, 10);
  EXPECT_EQ(Fgr_InFireLine(a, t), 0);
  Land.LandSurface.kle[10 * kLandSide + 13].tile = 1;  // a tile-1 cell does not stop a shot
  EXPECT_EQ(Fgr_InFireLine(a, t), 1);
  // Out of reach: the gun's circle less 10 must touch the target's.
  t->priv_position_x = 201;
  EXPECT_EQ(Fgr_InFireLine(a, t), 0);
  // An attacker on a border cell always fires.
  t->priv_position_x = 165;
  a->priv_position_x = 5;
  a->priv_position_z = 105;
  t->priv_position_x = 60;
  mark(3, 10);
  Land.LandSurface.kle[10 * kLandSide + 3].tile = 2;
  EXPECT_EQ(Fgr_InFireLine(a, t), 1);
  // The floor below has a map of its own.
  a->priv_position_x = 105, t->priv_position_x = 165;
  Land.LandSurface.kle[10 * kLandSide + 13].tile = 2;
  a->UnderGround = t->UnderGround = 1;
  EXPECT_EQ(Fgr_InFireLine(a, t), 1);
}

TEST_F(CombatTest, SquadCoverByTheGuestCaptainOrAHealthierNeighbour) {
  Fgr* a = MakeFighter(2, 100, 60, 1);
  Fgr* squad = Make(fgrSquadHolder);
  squad->isUnitWork = 3;
  squad->Sub_Unit_max = 5;
  Fgr* t = MakeFighter(3, 100, 100, 1, 100);
  Fgr* near = MakeFighter(3, 110, 110, 1, 500);  // inside the 30 x 30 square, healthier
  Fgr* weak = MakeFighter(3, 95, 105, 1, 50);    // inside, weaker
  Fgr* away = MakeFighter(3, 140, 100, 1, 900);  // outside
  for (Fgr* m : {t, near, weak, away}) ASSERT_EQ(Fgr_Sub_AddUnit(squad, m, 0), 1);
  int covered = 0, kept = 0;
  for (int i = 0; i < 400; i++) {
    Fgr* c = Fgr_SquadCover(a, t);
    ASSERT_TRUE(c == nullptr || c == near);
    covered += c == near, kept += c == nullptr;
  }
  EXPECT_GT(covered, 150);  // one hit in two
  EXPECT_GT(kept, 150);
  // An unseen member covers nobody; a guest captain set to guard takes every hit.
  near->VidSide[2] = 0;
  for (int i = 0; i < 50; i++) EXPECT_EQ(Fgr_SquadCover(a, t), nullptr);
  Fgr* guest = MakeFighter(3, 500, 500, 1);
  ASSERT_EQ(Fgr_Sub_AddUnit(squad, guest, 1), 1);
  guest->CapZero_ZagradSquad = 1;
  for (int i = 0; i < 50; i++) EXPECT_EQ(Fgr_SquadCover(a, t), guest);
}
