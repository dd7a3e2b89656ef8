// Sides and income: the fixed-price spends and refunds against the spending side's own stock,
// technologies, bring rates on their timers, a gem mine, and a flag that changes hands.
#include "figures/chains.h"
#include "world/income.h"
#include "world/sides.h"
#include "world_fixture.h"

class Income : public WorldTest {
 protected:
  static int* Side(int s) { return Sides.SideTab[s - 1]; }
  static void Stock(int s, int ener, int mat) {
    Side(s)[kSideEner] = ener;
    Side(s)[kSideMat] = mat;
  }
};

TEST_F(Income, SpendsAndRefundsTestTheSpendingSidesOwnStock) {
  enum Op { S50, R50, S240, R240, S80_21, R80_21, S300_120, S180_60, S90_15 };
  struct Row {
    Op op;
    int side, ener, mat;      // the side and its stocks before
    int result, ener2, mat2;  // the answer (-1 none) and the stocks after
  };
  const Row kRows[] = {
      {S50, 2, 49, 0, 0, 49, 0},
      {S50, 2, 50, 0, 1, 0, 0},
      {R50, 2, 9990, 0, -1, 9999, 0},
      {S240, 3, 240, 5, 1, 0, 5},
      {S240, 3, 239, 5, 0, 239, 5},
      {R240, 3, 100, 5, -1, 340, 5},
      {S80_21, 2, 30, 10, -1, 0, 0},
      {S80_21, 2, 100, 50, -1, 20, 29},
      {R80_21, 2, 9950, 9990, -1, 9999, 9999},
      {S300_120, 2, 300, 119, 0, 300, 119},
      {S300_120, 2, 300, 120, 1, 0, 0},
      {S180_60, 3, 179, 60, 0, 179, 60},
      {S180_60, 3, 200, 70, 1, 20, 10},
      {S90_15, 2, 90, 14, 0, 90, 14},
      {S90_15, 2, 95, 15, 1, 5, 0},
  };
  for (const Row& r : kRows) {
    Stock(2, 9999, 9999);  // both are rich: a spend must look at its own side only
    Stock(3, 9999, 9999);
    Stock(r.side, r.ener, r.mat);
    SideShown.SideEnerCur = SideShown.SideMatCur = -7;
    int got = -1;
    switch (r.op) {
      case S50: got = Side_Spend50(r.side); break;
      case R50: Side_Refund50(r.side); break;
      case S240: got = Side_Spend240(r.side); break;
      case R240: Side_Refund240(r.side); break;
      case S80_21: Side_Spend80_21(r.side); break;
      case R80_21: Side_Refund80_21(r.side); break;
      case S300_120: got = Side_Spend300_120(r.side); break;
      case S180_60: got = Side_Spend180_60(r.side); break;
      case S90_15: got = Side_Spend90_15(r.side); break;
    }
    SCOPED_TRACE(testing::Message() << "row op " << r.op << " side " << r.side << " " << r.ener << "/"
                                    << r.mat);
    EXPECT_EQ(got, r.result);
    EXPECT_EQ(Side(r.side)[kSideEner], r.ener2);
    EXPECT_EQ(Side(r.side)[kSideMat], r.mat2);
    // The shown stocks follow the player's side only, and only what changed.
    EXPECT_EQ(SideShown.SideEnerCur, r.side == 2 && r.ener2 != r.ener ? r.ener2 : -7);
    EXPECT_EQ(SideShown.SideMatCur, r.side == 2 && r.mat2 != r.mat ? r.mat2 : -7);
    EXPECT_EQ(Side(5 - r.side)[kSideEner], 9999) << "the other side untouched";
    EXPECT_EQ(Side(5 - r.side)[kSideMat], 9999);
  }
  // Sides outside 1..5 spend nothing and show nothing.
  SideShown.SideEnerCur = 5;
  EXPECT_EQ(Side_Spend50(0), 0);
  EXPECT_EQ(Side_Spend50(6), 0);
  Side_Refund240(6);
  EXPECT_EQ(SideShown.SideEnerCur, 5);
}

TEST_F(Income, TechnologiesAndProductionSlots) {
  TechEntry* t = Side_Tech(1, 7);  // side 2, technology 7
  const int off[5] = {0, 5, 499, 500, -1};
  for (int i = 0; i < 5; i++) t->w[8 + i] = off[i];
  for (int n : {5, 499, 6}) Side_Tech(1, n)->w[0] = 3;
  Side_TechReset(7, 2);
  EXPECT_EQ(Side_TechIs2(7, 2), 1);
  EXPECT_EQ(Side_TechFree(5, 2), 1);
  EXPECT_EQ(Side_TechFree(499, 2), 1);
  EXPECT_EQ(Side_TechIs3(6, 2), 1);
  EXPECT_EQ(Side_TechIs3(0, 2), 0);
  EXPECT_EQ(Side_TechFree(500, 2), 1);
  EXPECT_EQ(Side_TechFree(7, 6), 1);
  EXPECT_EQ(Side_TechIs1(7, 0), 0);
  Side_TechReset(500, 2);
  Side_TechReset(7, 0);

  Fgr* b = Make(fgrAngBunker);
  Fgr* s1 = Make(fgrTriger);
  Fgr* s2 = Make(fgrTriger);
  EXPECT_EQ(Fgr_ProdSlotFree(b, 4), nullptr) << "fewer than two slots";
  Fgr_Sub_AddUseDet(b, s1, 1);
  Fgr_Sub_AddUseDet(b, s2, 1);
  EXPECT_EQ(Fgr_ProdSlotFree(b, 4), s1);
  Fgr_ProdSlotStart(s1, 4, 5500);
  EXPECT_EQ(s1->parentSig, 104);
  EXPECT_EQ(s1->waitNow, 5500);
  EXPECT_EQ(Fgr_ProdSlotFree(b, 4), nullptr) << "the same order runs already";
  EXPECT_EQ(Fgr_ProdSlotFree(b, 5), s2);
}

TEST_F(Income, BringRatesPayOnTheirTimers) {
  FrameClock.KadrStep = 100;
  Stock(2, 100, 0);
  Stock(3, 100, 0);
  Side(3)[kSideGem1] = 98;
  Fgr* mine = MakeUnit(2, 300);
  mine->BringEner = 5;
  mine->BringAllWaitFull = mine->BringAllWaitNow = 1000;
  Fgr* theirs = MakeUnit(3, 400);
  theirs->BringEner = 5;
  theirs->BringGem1 = 1;
  theirs->BringAllWaitFull = theirs->BringAllWaitNow = 1000;
  SideShown.SideEnerCur = -1;
  for (int ms = 100; ms <= 3000; ms += 100) {
    Fgr_BringTick(mine);
    int shown = SideShown.SideEnerCur;
    Fgr_BringTick(theirs);
    EXPECT_EQ(Side(2)[kSideEner], 100 + 5 * (ms / 1000)) << ms;
    EXPECT_EQ(SideShown.SideEnerCur, shown) << "a computer side's income is not shown";
  }
  EXPECT_EQ(SideShown.SideEnerCur, 115);
  EXPECT_EQ(Side(3)[kSideEner], 115);
  EXPECT_EQ(Side(3)[kSideGem1], 99) << "gems stop at 99";
  Side(2)[kSideEner] = 9998;
  Side_AddEner(mine, 5);
  EXPECT_EQ(Side(2)[kSideEner], 9999);
  Side_AddMat(nullptr, 5);
  Side_AddMat(mine, 0);
  EXPECT_EQ(Side(2)[kSideMat], 0);
}

TEST_F(Income, AFlagChangesHandsAndAMineHandsOutItsPlacesGems) {
  FrameClock.KadrStep = 100;
  const int cell = 120 * kLandSide + 120;
  Fgr* place = Make(fgrFieldSpec);
  place->FieldSpeStro = 4;
  Land.LandSurface.kle[cell].holder = place;
  Fgr* flag = Make(fgrPultFlag);
  ASSERT_EQ(Fgr_Sub_AddUseDet(place, flag, 1), 1);
  flag->xExpNow = 1;
  flag->baner = 3;
  flag->waitFull = flag->waitNow = 5000;
  EXPECT_EQ(Flag_HolderSide(place), 3);
  EXPECT_EQ(Place_StateFor(place, 3), 1);
  EXPECT_EQ(Place_StateFor(place, 2), 4);

  // A gem mine of the place: 3 of gem 2 a period from a stock of 7, to the flag's side.
  Fgr* mineFig = Make(fgrGetGemX);
  ASSERT_EQ(Fgr_Sub_AddUseKm(place, mineFig, 1), 1);
  mineFig->BringGem2 = 3;
  mineFig->BringAllWaitFull = 1000;
  place->BringGem2 = 7;
  for (int want : {3, 6, 7, 7}) {
    for (int i = 0; i < 10; i++) AnPultFlag_FromParent(mineFig);
    EXPECT_EQ(Side(3)[kSideGem1 + 1], want);
  }

  // A unit of side 2 that may take flags down arrives on the cell: it starts taking the flag.
  Fgr* u = MakeUnit(2, cell);
  u->AbilConrtolDown = 1;
  u->AbilConrtolUp = 1;
  Unit_CellPickup(u);
  EXPECT_EQ(flag->xExpNow, 2);
  EXPECT_EQ(flag->P_FireTarg, u);
  EXPECT_EQ(u->DontUseGunMode, 1);
  EXPECT_GE(flag->dXKlv, 9000);
  EXPECT_LE(flag->dXKlv, 12000);
  // While it is taken the flag still pays side 3, 10 material each 5000 ms.
  int frames = 0;
  while (flag->xExpNow == 2 && frames < 200) AnPultFlag__Upd(flag), frames++;
  EXPECT_GE(frames, 90);
  EXPECT_LE(frames, 120);
  EXPECT_EQ(Side(3)[kSideMat], frames >= 100 ? 20 : 10);
  // Taken down: neutral; the unit may raise its own, so it keeps the flag with class 4's hold time.
  EXPECT_EQ(flag->xExpNow, 0);
  EXPECT_EQ(flag->baner, 0);
  EXPECT_EQ(flag->P_FireTarg, u);
  EXPECT_EQ(flag->get_RadiusVis_, 120);
  EXPECT_EQ(flag->get_RadDetector_, 15);
  EXPECT_GE(flag->waitNow, 21000);
  EXPECT_LE(flag->waitNow, 24000);
  frames = 0;
  while (flag->xExpNow == 0 && frames < 300) AnPultFlag__Upd(flag), frames++;
  EXPECT_GE(frames, 210);
  EXPECT_LE(frames, 240);
  EXPECT_EQ(flag->xExpNow, 1);
  EXPECT_EQ(flag->baner, 2) << "the flag changed hands";
  EXPECT_EQ(flag->P_FireTarg, nullptr);
  EXPECT_EQ(u->DontUseGunMode, 0);
  EXPECT_EQ(u->GoAwayMove, 1) << "the taker steps off";
  EXPECT_EQ(flag->waitFull, 5000);

  // A side-3 unit starts taking it back but moves away: the flag stays with side 2.
  Fgr* v = MakeUnit(3, cell);
  v->AbilConrtolDown = 1;
  Unit_CellPickup(v);
  EXPECT_EQ(flag->xExpNow, 2);
  for (int i = 0; i < 10; i++) AnPultFlag__Upd(flag);
  v->targPathKle = cell + 1;
  AnPultFlag__Upd(flag);
  EXPECT_EQ(flag->xExpNow, 1);
  EXPECT_EQ(flag->baner, 2);
  EXPECT_EQ(v->DontUseGunMode, 0);
}
