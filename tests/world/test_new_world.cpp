// A new game world: its standing figures in the order of the world start's table, the sides'
// records as the program starts, the bunkers placed for the sides, and a stage saved from it that
// loads back to the same bytes.
#include "catalogue/new_world.h"
#include "figures/chains.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "shell/window_state.h"
#include "render/field.h"
#include "world/land_grid.h"
#include "world/selection.h"
#include "world_fixture.h"

class NewWorld : public WorldTest {
 protected:
  static int Members(const Fgr* first, int kind) {
    int n = 0;
    for (const Fgr* m = first; m && n < 100; m = m->pTail) n += m->status == kind;
    return n;
  }
};

TEST_F(NewWorld, TheStandingFiguresInTheOrderOfTheTable) {
  Fgrs.mf[700].nom = 3;  // a slot whose number went wrong
  init_ProjX();
  for (int i = 0; i < kFgrsSlots; i++) ASSERT_EQ(Fgrs.mf[i].nom, i);
  EXPECT_NE(LogText().find("\n\ninit_ProjX(); ..."), std::string::npos);

  int slot = 501;
  const Fgr& land = Fgrs.mf[slot++];
  EXPECT_EQ(land.status, fgrLandHolder);
  EXPECT_EQ(land.KamStudio, 1);
  EXPECT_EQ(land.landSurf, &LandSurface);
  EXPECT_EQ(land.landUnder, &LandUnder);
  for (int floor = 0; floor < 2; floor++)
    for (int n = 0; n < 64; n++) {
      const Fgr& p = Fgrs.mf[slot++];
      ASSERT_EQ(p.status, fgrLandLosk) << floor << " " << n;
      ASSERT_EQ(p.UnderGround, floor);
      ASSERT_EQ(p.SpeLoskNom, n);  // kept, so that a saved stage binds the patch to its chunk again
      ASSERT_EQ(p.KamStudio, 1);
    }
  const Fgr& d1 = Fgrs.mf[slot++];
  EXPECT_EQ(d1.status, fgrLandDecal);
  EXPECT_EQ(d1.Tex1, 2);
  EXPECT_EQ(d1.fca, 1.0f);
  const Fgr& d2 = Fgrs.mf[slot++];
  EXPECT_EQ(d2.status, fgrLandDecal);
  EXPECT_EQ(d2.Tex1, 8);
  EXPECT_EQ(d2.fcr, 1.0f);
  EXPECT_EQ(d2.fcg, 0.25f);
  EXPECT_EQ(d2.fcb, 0.3f);
  EXPECT_EQ(d2.fca, 0.7f);
  // The decals draw the two cell highlights (cells 1 and 0 at the start) on the surface's mesh.
  EXPECT_EQ(d1.speDecal, &LandQuad1);
  EXPECT_EQ(d2.speDecal, &LandQuad2);
  for (const Fgr* d : {&d1, &d2}) EXPECT_EQ(d->landSurf, &LandSurface);
  EXPECT_EQ(LandQuad1.cell, 1);
  EXPECT_EQ(LandQuad2.cell, 0);
  EXPECT_EQ(LandQuad1.count, 6);
  const Fgr& c1 = Fgrs.mf[slot++];
  const Fgr& c2 = Fgrs.mf[slot++];
  const Fgr& c3 = Fgrs.mf[slot++];
  for (const Fgr* c : {&c1, &c2, &c3}) {
    EXPECT_EQ(c->status, fgrKameraLayer);
    EXPECT_EQ(c->kmra_statusMode, 1);
    EXPECT_EQ(c->kmra_toTex, 0);
  }
  EXPECT_EQ(c1.KamStudio, 1);
  EXPECT_EQ(c1.KamClearClr, 1);
  EXPECT_EQ(c1.kmra_prior, 10);
  EXPECT_EQ(c1.kmra_glavEkran, 1);
  EXPECT_EQ(c2.KamStudio, 0);
  EXPECT_EQ(c2.kmra_prior, 15);
  EXPECT_EQ(c2.kmra_DecalMode, 1);
  EXPECT_EQ(c3.kmra_prior, 20);
  EXPECT_EQ(c3.kmra_Flare2D, 1);
  for (const Fgr* c : {&c1, &c3}) {
    EXPECT_EQ(c->kmra_VPw, Win.WinWidth);
    EXPECT_EQ(c->kmra_VPh, Win.WinHeight);
    EXPECT_EQ(c->priv_position_x, 100.0f);
    EXPECT_EQ(c->priv_position_y, 200.0f);
    EXPECT_EQ(c->priv_position_z, 200.0f);
    EXPECT_EQ(c->laserX, 100.0f);
    EXPECT_EQ(c->laserZ, 0.0f);
    EXPECT_EQ(c->kmra_Proj__ObzorY, 45.0f);
    EXPECT_EQ(c->kmra_ZNear, 1.0f);
    EXPECT_EQ(c->kmra_ZFar, 420.0f);
  }
  EXPECT_EQ(Fgrs.mf[slot].status, 0) << "nothing after the cameras";
  // The base bunkers, inactive, in this order at x 15 and z 25, 45, 65, 85, 105.
  const int kKinds[5] = {204, 203, 201, 205, 202};
  for (int i = 0; i < 5; i++) {
    const Fgr& b = Fgrs.mf[1 + i];
    EXPECT_EQ(b.status, kKinds[i]);
    EXPECT_EQ(b.active, 0);
    EXPECT_EQ(b.priv_position_x, 15.0f);
    EXPECT_EQ(b.priv_position_z, 25.0f + 20.0f * i);
  }
  EXPECT_EQ(Fgrs.mf[6].status, 0);
  EXPECT_EQ(LandQuad1.cell, 1);
  EXPECT_EQ(LandQuad2.cell, 0);
  // The frame walkers.
  EXPECT_EQ(FrameWalk1.r.midFrame, 4);
  EXPECT_EQ(FrameWalk1.r.lastFrame, 7);
  EXPECT_EQ(FrameWalk1.r.on, 1);
  EXPECT_EQ(FrameWalk1.r.range[0][0], 45);
  EXPECT_EQ(FrameWalk1.r.range[0][1], 46);
  EXPECT_EQ(FrameWalk1.wait, 150);
  EXPECT_EQ(FrameWalk2.r.lastFrame, 5);
  EXPECT_EQ(FrameWalk2.r.on, 0);
  EXPECT_EQ(FrameWalk2.period, 190);
  for (int k = 0; k < 3; k++) {
    EXPECT_LT(FrameWalk1.r.frame[k], 8);
    EXPECT_LT(FrameWalk2.r.frame[k], 6);
  }
}

TEST_F(NewWorld, SidesStartAndTheirBunkersBringTheirStartStocks) {
  // The records as the program starts them.
  const char* kTags[5] = {"LAkd", "LAng", "LHas", "LNek", "LNat"};
  for (int k = 0; k < kSides; k++) {
    EXPECT_EQ(SideTab[k][602], k + 1);
    for (int b = 0; b < 5; b++) EXPECT_EQ(memcmp(&SideTab[k][627 + 9 * b], kTags[b], 4), 0);
    for (int t = 0; t < kSideTechs; t++) ASSERT_EQ(SideTab[k][673 + 13 * t], 3) << k << " " << t;
    EXPECT_EQ(SideTab[k][603], 0);
    EXPECT_EQ(SideTab[k][626], 0);
  }

  // An AngBunker of the player with held cells (object code 16) around its 2 x 2 cells.
  const int cell = 50 * 256 + 50;
  for (int d : {-257, 2, 514}) LandSurface.kle[cell + d].objCode = 16;  // ring cells 3, 7 and 9
  Fgr* b = StaMutBunker(fgrAngBunker, 2, 505.0f, 505.0f, cell);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->baner, 2);
  EXPECT_EQ(b->LandKleLUp, cell);
  EXPECT_EQ(b->dXKlv, cell - 257);
  EXPECT_EQ(b->targPathKle, cell - 257);
  EXPECT_EQ(b->dXKlvMax, cell + 2);
  EXPECT_EQ(LandSurface.kle[cell - 257].holder, b);
  EXPECT_EQ(LandSurface.kle[cell + 2].holder, b);
  EXPECT_EQ(LandSurface.kle[cell + 514].holder, nullptr) << "two held cells at most";
  EXPECT_EQ(Members(b->P2_Sub_UseDet, fgrTriger), 2) << "its two triggers";
  EXPECT_EQ(Members(b->P2_Sub_Kno, fgrKnoUnit), 11) << "an AngBunker's buttons";
  const int* s = SideTab[1];
  EXPECT_EQ(s[626], fgrAngBunker);
  EXPECT_EQ(s[603], 800);
  EXPECT_EQ(s[604], 100);
  EXPECT_EQ(s[606], 1);
  EXPECT_EQ(s[637], 1);
  EXPECT_EQ(s[638], 4);
  EXPECT_EQ(s[610], 3);
  EXPECT_EQ(s[612], 3);
  EXPECT_EQ(s[673 + 13 * 6], 1);
  EXPECT_EQ(s[673 + 13 * 6 + 1], 5000);
  EXPECT_EQ(s[673 + 13 * 6 + 3], 9);

  // A second bunker of the side leaves its stocks as they are.
  SideTab[1][603] = 7;
  const int cell2 = 80 * 256 + 80;
  LandSurface.kle[cell2 + 255].objCode = 16;
  ASSERT_NE(StaMutBunker(fgrHasBunker, 2, 805.0f, 805.0f, cell2), nullptr);
  EXPECT_EQ(SideTab[1][603], 7);
  EXPECT_EQ(SideTab[1][626], fgrAngBunker);
  // A bunker without a held cell is dropped, though its side got its start values first.
  EXPECT_EQ(StaMutBunker(fgrAkdBunker, 4, 1505.0f, 1505.0f, 150 * 256 + 150), nullptr);
  EXPECT_EQ(SideTab[3][626], fgrAkdBunker);
  EXPECT_EQ(SideTab[3][630], 99);
  // Kinds without a bunker preset make nothing.
  int live = 0;
  for (const Fgr& f : Fgrs.mf) live += f.status != 0;
  EXPECT_EQ(StaMutBunker(206, 3, 505.0f, 505.0f, cell), nullptr);
  EXPECT_EQ(StaMutBunker(200, 3, 505.0f, 505.0f, cell), nullptr);
  int after = 0;
  for (const Fgr& f : Fgrs.mf) after += f.status != 0;
  EXPECT_EQ(after, live);
}

TEST_F(NewWorld, AStageSavedFromItLoadsBackTheSame) {
  init_ProjX();
  const int cell = 60 * 256 + 60;
  LandSurface.kle[cell + 255].objCode = 16;
  ASSERT_NE(StaMutBunker(fgrAngBunker, 2, 605.0f, 605.0f, cell), nullptr);
  EtapLocationNom = 1;
  const std::string a = TestFileName("a.etp"), b = TestFileName("b.etp");
  ASSERT_EQ(Etap_Save(a), 1);
  Fgrs.ResetAll();
  memset(LandSurface.kle, 0, sizeof LandSurface.kle);
  ASSERT_EQ(EtapFile_Load(a), 1);
  ASSERT_EQ(Etap_Save(b), 1);
  EXPECT_EQ(ReadAll(a), ReadAll(b));
  EXPECT_EQ(ReadAll(a + "01"), ReadAll(b + "01"));
  EXPECT_GT(ReadAll(a + "01").size(), 1000000u) << "the land floors are in the location";
  // Every chunk of both floors is drawn by a patch of its own number and floor after the load.
  for (int floor = 0; floor < 2; floor++)
    for (int n = 0; n < 64; n++) {
      const Fgr* p = Land_Floor(floor)->chunk[n].patch;
      ASSERT_NE(p, nullptr) << floor << " " << n;
      EXPECT_EQ(p->SpeLoskNom, n);
      EXPECT_EQ(p->UnderGround, floor);
      EXPECT_EQ(p->speEntry, &Land_Floor(floor)->chunk[n]);
    }
}

// A loaded stage's view: on the player's bunker when the bunker is out of the view window, kept
// where it is when the bunker is in it, and never outside 110 .. 2450 on either axis.
TEST_F(NewWorld, TheViewOpensOnThePlayersBunkerInsideTheWorld) {
  init_ProjX();
  const int side = PlayerSide;
  struct Case {
    float bx, bz, wantX, wantZ;
  } kCases[] = {{1605, 1205, 1605, 1205}, {130, 90, 110, 110}, {2555, 2500, 2450, 2450}};
  for (const Case& k : kCases) {
    Fgrs.ResetDynamic();
    Fgr* enemy = Fgrs.AddFgr(fgrHasBunker, 0);  // another side's bunker comes first and is passed
    ASSERT_NE(enemy, nullptr);
    enemy->baner = side + 1, enemy->priv_position_x = 900, enemy->priv_position_z = 900;
    Fgr* b = Fgrs.AddFgr(fgrAngBunker, 0);
    ASSERT_NE(b, nullptr);
    b->baner = side, b->priv_position_x = k.bx, b->priv_position_z = k.bz;
    FieldRect.centreX = FieldRect.centreZ = 0;  // as a new world leaves it
    PickPoint_SetToPlayerSide();
    EXPECT_EQ(CamLookX, k.wantX) << k.bx;
    EXPECT_EQ(CamLookZ, k.wantZ) << k.bz;
  }
}
