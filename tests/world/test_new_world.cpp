// A new game world: its standing figures hold together, the sides' records as the program starts,
// the bunkers placed for the sides, and a stage saved from it that loads back to the same bytes.
#include <algorithm>
#include <vector>

#include "catalogue/new_world.h"
#include "figures/chains.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "render/field.h"
#include "shell/window_state.h"
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

// A new world holds together: every slot has its own number again, each land chunk of both floors
// is drawn by a patch bound to it, exactly one camera clears the picture and the main view follows
// the window when its size changes, the walkers' frames stay in their pictures, and the base keeps
// one inactive bunker of each of the five kinds.
TEST_F(NewWorld, ItsPatchesCamerasWalkersAndBaseBunkersHoldTogether) {
  Fgrs.mf[700].nom = 3;  // a slot whose number went wrong
  init_ProjX();
  for (int i = 0; i < kFgrsSlots; i++) ASSERT_EQ(Fgrs.mf[i].nom, i);
  for (int floor = 0; floor < 2; floor++)
    for (int n = 0; n < kLandChunks; n++) {
      const LandChunk& c = Land_Floor(floor)->chunk[n];
      ASSERT_NE(c.patch, nullptr) << floor << " " << n;
      EXPECT_EQ(c.patch->speEntry, &c);
      EXPECT_EQ(c.patch->UnderGround, floor);
    }
  int clears = 0;
  std::vector<int> baseKinds;
  for (const Fgr& f : Fgrs.mf) {
    if (f.status == fgrKameraLayer) clears += f.KamClearClr;
    if (f.status != 0 && f.nom <= FgrsBaseLast) {
      baseKinds.push_back(f.status);
      EXPECT_EQ(f.active, 0);
    }
  }
  EXPECT_EQ(clears, 1);
  std::sort(baseKinds.begin(), baseKinds.end());
  EXPECT_EQ(baseKinds,
            (std::vector<int>{fgrHasBunker, fgrNatBunker, fgrAngBunker, fgrAkdBunker, fgrNekBunker}));
  const int w = Win.WinWidth, h = Win.WinHeight;
  Win.WinWidth = w + 224, Win.WinHeight = h + 168;
  Cameras_FitWindow();
  int fitted = 0;
  for (const Fgr& f : Fgrs.mf)
    fitted += f.status == fgrKameraLayer && f.kmra_VPw == Win.WinWidth && f.kmra_VPh == Win.WinHeight;
  Win.WinWidth = w, Win.WinHeight = h;
  EXPECT_EQ(fitted, 2) << "the main view and the flare view";
  for (int k = 0; k < 3; k++) {
    EXPECT_LE(FrameWalks.FrameWalk1.r.frame[k], FrameWalks.FrameWalk1.r.lastFrame);
    EXPECT_LE(FrameWalks.FrameWalk2.r.frame[k], FrameWalks.FrameWalk2.r.lastFrame);
  }
}

TEST_F(NewWorld, SidesStartAndTheirBunkersBringTheirStartStocks) {
  // The records as the program starts them.
  const char* kTags[5] = {"LAkd", "LAng", "LHas", "LNek", "LNat"};
  for (int k = 0; k < kSides; k++) {
    EXPECT_EQ(Sides.SideTab[k][602], k + 1);
    for (int b = 0; b < 5; b++) EXPECT_EQ(memcmp(&Sides.SideTab[k][627 + 9 * b], kTags[b], 4), 0);
    for (int t = 0; t < kSideTechs; t++) ASSERT_EQ(Sides.SideTab[k][673 + 13 * t], 3) << k << " " << t;
    EXPECT_EQ(Sides.SideTab[k][603], 0);
    EXPECT_EQ(Sides.SideTab[k][626], 0);
  }

  // An AngBunker of the player with held cells (object code 16) around its 2 x 2 cells.
  const int cell = 50 * 256 + 50;
  for (int d : {-257, 2, 514}) Land.LandSurface.kle[cell + d].objCode = 16;  // ring cells 3, 7 and 9
  Fgr* b = StaMutBunker(fgrAngBunker, 2, 505.0f, 505.0f, cell);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->baner, 2);
  EXPECT_EQ(b->LandKleLUp, cell);
  EXPECT_EQ(b->dXKlv, cell - 257);
  EXPECT_EQ(b->targPathKle, cell - 257);
  EXPECT_EQ(b->dXKlvMax, cell + 2);
  EXPECT_EQ(Land.LandSurface.kle[cell - 257].holder, b);
  EXPECT_EQ(Land.LandSurface.kle[cell + 2].holder, b);
  EXPECT_EQ(Land.LandSurface.kle[cell + 514].holder, nullptr) << "two held cells at most";
  EXPECT_EQ(Members(b->P2_Sub_UseDet, fgrTriger), 2) << "its two triggers";
  EXPECT_EQ(Members(b->P2_Sub_Kno, fgrKnoUnit), 11) << "an AngBunker's buttons";
  const int* s = Sides.SideTab[1];
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
  Sides.SideTab[1][603] = 7;
  const int cell2 = 80 * 256 + 80;
  Land.LandSurface.kle[cell2 + 255].objCode = 16;
  ASSERT_NE(StaMutBunker(fgrHasBunker, 2, 805.0f, 805.0f, cell2), nullptr);
  EXPECT_EQ(Sides.SideTab[1][603], 7);
  EXPECT_EQ(Sides.SideTab[1][626], fgrAngBunker);
  // A bunker without a held cell is dropped, though its side got its start values first.
  EXPECT_EQ(StaMutBunker(fgrAkdBunker, 4, 1505.0f, 1505.0f, 150 * 256 + 150), nullptr);
  EXPECT_EQ(Sides.SideTab[3][626], fgrAkdBunker);
  EXPECT_EQ(Sides.SideTab[3][630], 99);
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
  Land.LandSurface.kle[cell + 255].objCode = 16;
  ASSERT_NE(StaMutBunker(fgrAngBunker, 2, 605.0f, 605.0f, cell), nullptr);
  StageReq.EtapLocationNom = 1;
  const std::string a = TestFileName("a.etp"), b = TestFileName("b.etp");
  ASSERT_EQ(Etap_Save(a), 1);
  Fgrs.ResetAll();
  memset(Land.LandSurface.kle, 0, sizeof Land.LandSurface.kle);
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
  const int side = Sides.PlayerSide;
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
    FieldRect.CamLookX = FieldRect.CamLookZ = 0;  // as a new world leaves it
    PickPoint_SetToPlayerSide();
    EXPECT_EQ(FieldRect.CamLookX, k.wantX) << k.bx;
    EXPECT_EQ(FieldRect.CamLookZ, k.wantZ) << k.bz;
  }
}
