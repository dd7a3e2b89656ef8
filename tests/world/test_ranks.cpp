// Ranks: experience to rank for ordinary units and captains up to their limits, the weighted
// offers of every class and rank, a computer captain's choice, and the queue of offer sets the
// player chooses from while the game waits.
#include "catalogue/kombi.h"
#include "render/field.h"
#include "world/combat_fixture.h"
#include "world/selection.h"

namespace {

class RankTest : public CombatTest {
 protected:
  void SetUp() override {
    CombatTest::SetUp();
    o2::RangNormUnitMax = 5;
    o2::RangCaptainMax = 10;
    for (auto& s : Ranks.RangQueue) s = {};
    Ranks.RangPanelReq = 0;
    Ranks.RangPanelExists = 1;
    Ranks.RangOfferWaitMs = 0;
    o2::GamePause = 0;
  }

  // A captain of the class with the skills given as (skill, base level).
  static Fgr* Captain(int side, int cls, std::initializer_list<std::pair<int, int>> skills = {}) {
    Fgr* c = MakeFighter(side, 100, 100, 1);
    c->trueCaptain = cls;
    c->Sub_UseSkil_max = 12;
    c->xExpNext = 800;
    for (auto [n, base] : skills) EXPECT_EQ(Unit_SetChars(c, n, base, 0, 0), 1);
    return c;
  }
  // What the unit procedure does each frame with the experience a unit holds.
  static void Frames(Fgr* u, int n) {
    for (int i = 0; i < n; i++)
      if (u->xExpNow >= u->xExpNext) Unit_RangChoice(u, 1);
  }
  // An offer names tier 1, 2 or 3 of a skill 1..12.
  static bool Valid(int v) {
    int n = v > 9999 ? v - 10000 : v > 999 ? v - 1000 : v;
    return n >= 1 && n <= 12;
  }
};

}  // namespace

TEST_F(RankTest, ExperienceToRankForUnitsAndCaptainsUpToTheirLimits) {
  // experience held -> the captain's rank and next threshold (800 + 500 per rank above 1).
  const int kCaptain[][3] = {{0, 1, 800},     {799, 1, 800},    {800, 2, 1300},
                             {1299, 2, 1300}, {1300, 3, 1800},  {1800, 4, 2300},
                             {4799, 9, 4800}, {4800, 10, 5300}, {90000, 10, 5300}};
  for (const auto& row : kCaptain) {
    Fgr* c = Captain(3, 7);
    c->xExpNow = row[0];
    Frames(c, 20);
    EXPECT_EQ((int)c->UN->ExpRang, row[1]) << row[0];
    EXPECT_EQ(c->xExpNext, row[2]) << row[0];
  }
  // An ordinary unit: every rank-up sets a threshold out of reach; at its limit nothing changes.
  Fgr* u = MakeFighter(3, 0, 0, 1);
  u->xExpNext = 100;
  u->xExpNow = 150;
  Frames(u, 1);
  EXPECT_EQ((int)u->UN->ExpRang, 2);
  EXPECT_EQ(u->xExpNext, 188333);
  for (int r = 2; r < 8; r++) Unit_RangChoice(u, 1);
  EXPECT_EQ((int)u->UN->ExpRang, 5);
  u->xExpNext = 7;
  Unit_RangChoice(u, 1);
  EXPECT_EQ(u->xExpNext, 7);
  // A step past the limit stops at it; a unit without a rank never gets one.
  Fgr* c = Captain(3, 7);
  Unit_RangChoice(c, 50);
  EXPECT_EQ((int)c->UN->ExpRang, 10);
  Fgr* none = MakeFighter(3, 0, 0, 0);
  Unit_RangChoice(none, 1);
  EXPECT_EQ((int)none->UN->ExpRang, 0);
}

TEST_F(RankTest, ThreeWeightedOffersOfEveryClassAndRank) {
  // A weight of 0 leaves a skill out: with only skill 2 weighted, both offers are tiers of it.
  Fgr* c = Captain(3, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {7, 1}, {9, 1}, {11, 1}});
  for (int i = 0; i < 200; i++) {
    int a = 0, b = 0, k = 77;
    Rang_OfferPick(c, &a, &b, &k, {0, 1, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(a == 2 || a == 1002 || a == 10002) << a;
    EXPECT_TRUE(b == 0 || ((b == 2 || b == 1002 || b == 10002) && b != a)) << b;
    EXPECT_EQ(k, 77);  // the third offer is the caller's
  }
  // The classes with offers of their own, every rank, many seeds: three offers, each none or a
  // tier of a skill 1..12 (rank 8 may turn a missing second offer into 1000, which names
  // nothing); the third offer is the class itself.
  int offered = 0, tried = 0;
  for (int cls : {1, 2, 5}) {
    Fgr* cap = Captain(3, cls, {{1, 1}, {2, 4}, {3, 2}, {5, 3}, {9, 1}, {cls, 1}});
    for (int rank = 2; rank <= 12; rank++)
      for (int seed = 1; seed <= 100; seed++) {
        cap->UN->ExpRang = rank;
        RandSeed(seed);
        int a = 0, b = 0, k = 0;
        if (cls == 1) Rang_OffersClass1(cap, &a, &b, &k);
        if (cls == 2) Rang_OffersClass2(cap, &a, &b, &k);
        if (cls == 5) Rang_OffersClass5(cap, &a, &b, &k);
        EXPECT_TRUE(a == 0 || Valid(a)) << cls << " " << rank << " " << a;
        EXPECT_TRUE(b == 0 || Valid(b) || (rank == 8 && b == 1000)) << cls << " " << rank << " " << b;
        EXPECT_EQ(k, cls);
        offered += (a != 0) + (b != 0);
        tried += 2;
      }
  }
  EXPECT_GT(offered, tried * 9 / 10);  // the skills are there: offers are rarely missing

  // The trigger skill's offer becomes the next open tier of the class's own skill.
  Fgr_FindSkil(c, 1)->SkilRangBase = 4;
  Fgr_FindSkil(c, 1)->SkilRangExt2 = 2;
  int a = 10011, b = 3;  // skill 11 is class 1's trigger
  Rang_OfferTier(c, &a, &b);
  EXPECT_EQ(a, 1001);
  EXPECT_EQ(b, 3);
  EXPECT_STREQ(Skil_Name(10005), "Лёд, мастер");
  EXPECT_STREQ(Skil_Name(1000), "x");
}

// One literal row per class: the set a player's captain queues on reaching the rank. Where a coin
// is drawn, the seed decides it: seed 1 draws 41 (odd, the first choice), seed 3 draws 48.
TEST_F(RankTest, EachClassQueuesTheOffersOfItsTable) {
  const struct {
    int cls, rank, seed, a, b, c;
  } kRows[] = {{1, 6, 1, 5, 7, 1}, {2, 2, 1, 2, 1002, 2}, {2, 2, 3, 2, 10002, 2},
               {5, 6, 1, 1, 7, 5}, {3, 2, 1, 0, 0, 3},    {4, 2, 1, 0, 0, 4},
               {7, 2, 1, 0, 0, 7}, {9, 2, 1, 0, 0, 9},    {11, 2, 1, 0, 0, 11}};
  for (const auto& r : kRows) {
    for (auto& slot : Ranks.RangQueue) slot = {};
    Fgr* c = Captain(Sides.PlayerSide, r.cls);
    c->UN->ExpRang = r.rank - 1;
    RandSeed(r.seed);
    Unit_RangChoice(c, 1);
    const RangOfferSet& q = Ranks.RangQueue[kRangQueueSlots];
    EXPECT_EQ(q.fgr, c->nom);
    EXPECT_EQ(q.a * 100000000LL + q.b * 10000LL + q.c, r.a * 100000000LL + r.b * 10000LL + r.c)
        << "class " << r.cls << " rank " << r.rank << ": " << q.a << " " << q.b << " " << q.c;
  }
}

// The developer runs log their test captains' offers and growth, and take the captains away again.
TEST_F(RankTest, TheDeveloperRunsLogTheirCaptainsAndLeaveNoFigure) {
  int before = 0;
  for (const Fgr& f : Fgrs.mf) before += f.status != 0;
  Unit_RangTestLog();
  Unit_RangTestLog2();
  int after = 0;
  for (const Fgr& f : Fgrs.mf) after += f.status != 0;
  EXPECT_EQ(after, before);
  const std::string log = LogText();
  for (const char* seen :
       {"\n Unit_RangTestLog test1..\n 00005, ", "\n Unit_RangTestLog test2..\n 00001, ",
        "\n\n\n Unit_RangTestLog2 рост Фронтмэна..\n\n--- при переходе в ранг 2\n",
        "\n\n\n Unit_RangTestLog2 рост Доктора..\n\n--- при переходе в ранг 2\n",
        "\n\n\n Unit_RangTestLog2 рост Качка..\n\n--- при переходе в ранг 2\n"})
    EXPECT_NE(log.find(seen), std::string::npos) << seen;
  EXPECT_NE(log.find(",  00005\n Unit_RangTestLog test2.."), std::string::npos);  // rank 10 last
  EXPECT_EQ(log.find("не создан"), std::string::npos);
}

TEST_F(RankTest, AComputerCaptainChoosesAtOnceAndLogsTheChoice) {
  Fgr* c = Captain(3, 5, {{5, 1}});
  c->xExpNow = 800;
  Frames(c, 1);
  Fgr* s = Fgr_FindSkil(c, 5);
  ASSERT_NE(s, nullptr);
  // Offers at rank 2 of class 5: 5, then 1005 or 10005, and the class; one of the first two is
  // taken: exactly one tier of Ice rose by one.
  int raised = (s->SkilRangBase - 1) + s->SkilRangExt2 + s->SkilRangExt3;
  EXPECT_EQ(raised, 1);
  std::string log = LogText();
  const char* tier = s->SkilRangBase == 2 ? "Лёд" : s->SkilRangExt2 ? "Лёд, адепт" : "Лёд, мастер";
  std::string b = log.find("Лёд, адепт <+>") != std::string::npos ? "Лёд, адепт" : "Лёд, мастер";
  EXPECT_NE(log.find("\n\n--- при переходе в ранг 2\nесть выбор: Лёд <> " + b + " <+> Лёд"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find(std::string("\n выбрали: ") + tier), std::string::npos);
  EXPECT_EQ(Ranks.RangQueue[4].fgr, 0);
  EXPECT_EQ(o2::GamePause, 0);
}

TEST_F(RankTest, ThePlayersOffersWaitInTheQueueWhileTheGamePauses) {
  Fgr* cap[5];
  for (int i = 0; i < 5; i++) cap[i] = Captain(2, 2, {{2, 1}});
  // Four rank-ups fill the slots from the fourth toward the first; a fifth is dropped.
  for (int i = 0; i < 5; i++) {
    cap[i]->xExpNow = 800;
    Frames(cap[i], 1);
    EXPECT_EQ(o2::GamePause, 1);
    EXPECT_EQ(Ranks.RangOfferWaitMs, 2000);
  }
  EXPECT_EQ(Ranks.RangPanelReq, kRangPanelShow);
  for (int s = 4; s >= 1; s--) {
    EXPECT_EQ(Ranks.RangQueue[s].fgr, cap[4 - s]->nom) << s;
    EXPECT_EQ(Ranks.RangQueue[s].a, 2);  // class 2 at rank 2: 2, 1002 or 10002, 2
    EXPECT_TRUE(Ranks.RangQueue[s].b == 1002 || Ranks.RangQueue[s].b == 10002);
    EXPECT_EQ(Ranks.RangQueue[s].c, 2);
  }
  EXPECT_EQ((int)cap[4]->UN->ExpRang, 2);  // ranked up all the same

  // Within the 2000 ms the buttons do nothing.
  EXPECT_EQ(Rang_ChoiceTake(2), 0);
  EXPECT_EQ(Ranks.RangQueue[4].fgr, cap[0]->nom);
  // Then button 2 takes the shown set's second offer, and the next set is shown.
  Ranks.RangOfferWaitMs = 0;
  int b = Ranks.RangQueue[4].b;
  EXPECT_EQ(Rang_ChoiceTake(2), 1);
  Fgr* s = Fgr_FindSkil(cap[0], 2);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(b == 1002 ? s->SkilRangExt2 : s->SkilRangExt3, 1);
  EXPECT_EQ(Ranks.RangQueue[4].fgr, cap[1]->nom);
  EXPECT_EQ(Ranks.RangQueue[3].fgr, 0);
  // Button 1 takes the first offer: tier 1 of skill 2 rises to 2.
  EXPECT_EQ(Rang_ChoiceTake(1), 1);
  EXPECT_EQ(Fgr_FindSkil(cap[1], 2)->SkilRangBase, 2);
  EXPECT_EQ(Ranks.RangQueue[4].fgr, cap[2]->nom);
  Rang_ChoiceTake(1);
  EXPECT_EQ(o2::GamePause, 1);
  Rang_ChoiceTake(1);  // the last set: the panel goes and the game runs again
  EXPECT_EQ(Ranks.RangQueue[4].fgr, 0);
  EXPECT_EQ(o2::GamePause, 0);
  EXPECT_EQ(Ranks.RangPanelReq, kRangPanelHide);
  // Without the message panel nothing is queued.
  Ranks.RangPanelExists = 0;
  Ranks.RangPanelReq = 0;
  Fgr* late = Captain(2, 2, {{2, 1}});
  late->xExpNow = 800;
  Frames(late, 1);
  EXPECT_EQ(Ranks.RangQueue[4].fgr, 0);
  EXPECT_EQ(o2::GamePause, 0);
  EXPECT_EQ(Ranks.RangPanelReq, 0);
}

TEST_F(RankTest, TheBuilderPicksAPointPaysAndSleepsWhileItsBuildingGoesUp) {
  Fgr* h = MakeFighter(2, 100, 100, 1);
  h->status = fgrUnitStroi;
  h->KleX1 = 10 * kLandSide + 10;
  Fgr* kno = Make(fgrKnoUnit);
  kno->pParent = h;
  Fgr* base = Make(fgrAngBunker);  // the player's base must see the point
  base->baner = 2;
  base->get_RadiusVis_ = 300;
  base->priv_position_x = 150, base->priv_position_z = 150;
  int* rec = Sides.SideTab[1];
  rec[kSideOwnList + 1] = base->nom;
  rec[kSideOwnCount] = 1;
  const int cell = 10 * kLandSide + 11;
  LandKle& k = Land.LandSurface.kle[cell];
  k.x = 110, k.z = 100, k.objCode = 1;
  WorldMouse.PointOrderFgr = nullptr, WorldMouse.PointOrderSig = 0;

  // Order 6 asks for a point on the field with its cursor; while that is open, orders up to 29
  // wait.
  h->fromPultSig = 6;
  Proc_BuildStep(kno);
  EXPECT_EQ(WorldMouse.PointOrderFgr, h);
  EXPECT_EQ(WorldMouse.PointOrderSig, 6);
  EXPECT_EQ(WorldMouse.CarriedTex, 37);
  h->fromPultSig = 4;
  Proc_BuildStep(kno);
  EXPECT_EQ(WorldMouse.PointOrderSig, 6);
  // The point is given (order 106): too little energy refuses, nothing is made.
  WorldMouse.PointOrderX = 117, WorldMouse.PointOrderZ = 103;
  h->fromPultSig = 106;
  rec[kSideEner] = 89, rec[kSideMat] = 500;
  int before = 0;
  for (const Fgr& f : Fgrs.mf) before += f.status != 0;
  Proc_BuildStep(kno);
  int after = 0;
  for (const Fgr& f : Fgrs.mf) after += f.status != 0;
  EXPECT_EQ(after, before);
  EXPECT_EQ(WorldMouse.PointOrderFgr, nullptr);  // the request is closed
  EXPECT_EQ(h->active, 1);
  // Enough: a building at the cell's corner plus 5, and two wake-up triggers; both sleep.
  rec[kSideEner] = 500;
  Proc_BuildStep(kno);
  EXPECT_EQ(rec[kSideEner], 410);
  EXPECT_EQ(rec[kSideMat], 485);
  Fgr* b = nullptr;
  Fgr* wake[2] = {};
  for (Fgr& f : Fgrs.mf) {
    if (f.status == fgrUnitGen) b = &f;
    if (f.status == fgrTriger) wake[f.activateFgr == h->nom ? 0 : 1] = &f;
  }
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->priv_position_x, 115.0f);
  EXPECT_EQ(b->priv_position_z, 105.0f);
  EXPECT_EQ(b->LandKleLUp, cell);
  EXPECT_EQ(b->baner, 2);
  EXPECT_EQ(b->active, 0);
  EXPECT_EQ(h->active, 0);
  ASSERT_NE(wake[0], nullptr);
  ASSERT_NE(wake[1], nullptr);
  EXPECT_EQ(wake[0]->waitFull, 11000);
  EXPECT_EQ(wake[1]->activateFgr, b->nom);
  EXPECT_EQ(wake[1]->waitFull, 22000);
  // A point out of the builder's 30 units builds nothing.
  h->active = 1;
  WorldMouse.PointOrderX = 157, WorldMouse.PointOrderZ = 103;
  Land.LandSurface.kle[cell + 4].x = 150, Land.LandSurface.kle[cell + 4].z = 100,
                              Land.LandSurface.kle[cell + 4].objCode = 1;
  Proc_BuildStep(kno);
  EXPECT_EQ(rec[kSideEner], 410);
}
