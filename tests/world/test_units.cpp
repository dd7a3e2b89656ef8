// The fighting figures' procedures: who sees whom, the bunker's orders and its panel signal, and a
// squad holder that lost its units.
#include "frames_fixture.h"

#include "figures/chains.h"
#include "world/procs.h"

namespace {

using Units = FramesTest;

// One frame of the figures: the side lists the container's update fills, then the update pass.
void Frame() {
  FillSideLists();
  Fgrs_ProcAll(&Fgrs);
}

TEST_F(Units, AUnitIsSeenTheFrameAfterAnEnemyComesWithinItsSightAndSize) {
  Fgr* mine = Unit(2, 100, 100);  // the player's, blind
  Fgr* theirs = Unit(3, 200, 100, 50);
  mine->ProcNomUpd2 = theirs->ProcNomUpd2 = 25;
  Frame();
  EXPECT_EQ(mine->VidSide[3], 0);
  EXPECT_EQ(theirs->VidSide[2], 0);

  theirs->priv_position_x = 154.9f;  // 54.9 apart: the sight of 50 touches the size of 5
  Frame();
  EXPECT_EQ(mine->VidSide[3], 1);
  EXPECT_EQ(mine->KlientVidit, 0);   // seen by side 3, not by the player
  EXPECT_EQ(theirs->VidSide[2], 0);  // a sight of 0 sees nothing

  mine->get_RadiusVis_ = 60;  // the player sees them now: the enemy may be selected
  Frame();
  EXPECT_EQ(theirs->VidSide[2], 1);
  EXPECT_EQ(theirs->KlientVidit, 1);
  SelList_SetOne(&SelList, theirs, 0);
  theirs->isSelected = 1;

  theirs->UnderGround = 1;  // on the other floor nobody sees anybody
  Frame();
  EXPECT_EQ(mine->VidSide[3], 0);
  EXPECT_EQ(theirs->KlientVidit, 0);
  EXPECT_EQ(SelList.count, 0);  // a selected enemy out of sight drops the selection
}

// A bunker with five panel buttons: each button's panel procedure is the trigger's, which
// (attached to the bunker) signals back and disarms itself, so a disarmed button got the signal.
TEST_F(Units, AComputerBunkerOrdersFourOrFiveEachOneTimeInFourAndPassesTheSignal) {
  for (int side : {3, 2}) {
    Fgr* bunker = Make(fgrAngBunker);
    bunker->baner = side, bunker->ProcNomUpd2 = r_Proc_Bunker, bunker->waitFull = 1000,
    bunker->Sub_Kno_max = 18;
    Fgr* kno[6];
    for (int i = 1; i <= 5; i++) {
      ASSERT_EQ(Fgr_Sub_AddKno(bunker, kno[i] = Make(fgrKnoUnit)), 1);
      kno[i]->baner = side, kno[i]->ProcNomOnK = r_Triger_Upd;
    }
    int seen[6] = {};
    for (int round = 0; round < 800; round++) {
      for (int i = 1; i <= 5; i++) kno[i]->active = 1, kno[i]->waitFull = 1;
      bunker->waitNow = 0;
      Frame();
      EXPECT_EQ(bunker->waitNow, 1000);
      EXPECT_EQ(bunker->fromPultSig, 0);
      for (int i = 1; i <= 5; i++) seen[i] += kno[i]->active == 0;
    }
    EXPECT_EQ(seen[1] + seen[2] + seen[3], 0);
    if (side == Sides.PlayerSide) {
      EXPECT_EQ(seen[4] + seen[5], 0);  // the player's bunker never orders by itself
    } else {
      EXPECT_NEAR(seen[4], 200, 50);
      EXPECT_NEAR(seen[5], 200, 50);
      EXPECT_EQ(seen[4] + seen[5] < 600, true);
    }
    Fgrs.ResetAll();
  }
  Fgr* notBunker = Make(fgrZavBunker);  // kinds past 205 are no bunker to the procedure
  notBunker->waitFull = 1000;
  notBunker->waitNow = 0;
  notBunker->baner = 3;
  for (int i = 0; i < 20; i++) ProcFgr(22, notBunker);
  EXPECT_EQ(notBunker->waitNow, 0);
}

TEST_F(Units, ASquadHolderWithoutUnitsOrWithOnlyAGuestIsReset) {
  Fgr* squad = Make(fgrSquadHolder);
  squad->isUnitWork = 3;
  squad->Sub_Unit_max = 10;
  squad->ProcNomUpd2 = 24;
  Fgr* a = Unit(2, 50, 50);
  Fgr* b = Unit(2, 60, 50);
  ASSERT_EQ(Fgr_Sub_AddUnit(squad, a, 0), 1);
  ASSERT_EQ(Fgr_Sub_AddUnit(squad, b, 0), 1);
  squad->P_Guest = b;
  Frame();
  EXPECT_EQ(squad->status, fgrSquadHolder);  // two units, one of them a guest
  ASSERT_EQ(Fgr_Sub_KickUnit(squad, a), 1);
  Frame();
  EXPECT_EQ(squad->status, 0);  // the guest alone
  EXPECT_EQ(b->status, 0);      // resetting a holder resets its members

  Fgr* lone = Make(fgrSquadHolder);
  lone->isUnitWork = 3;
  lone->ProcNomUpd2 = 24;
  Frame();
  EXPECT_EQ(lone->status, 0);
}

}  // namespace
