// Sub chains: the fixed cases, then seeded random adds and removals with every chain checked
// after each step.
#include <map>
#include <set>
#include <vector>

#include "figures/chains.h"
#include "figures/upkeep.h"
#include "figures_fixture.h"

namespace {

class ChainsTest : public FiguresTest {
 protected:
  static Fgr* Gun() {
    Fgr* f = Make(301);
    f->isUnitWork = 2;
    f->detPlace = 2;
    return f;
  }
  static Fgr* Unit(int kind = 112) {
    Fgr* f = Make(kind);
    f->isUnitWork = 1;
    return f;
  }
  static Fgr* Squad(int max) {
    Fgr* f = Make(113);
    f->isUnitWork = 3;
    f->Sub_Unit_max = max;
    return f;
  }
  static std::vector<Fgr*> Walk(Fgr* head) {
    std::vector<Fgr*> v;
    for (Fgr* m = head; m && v.size() < 2000; m = m->pTail) v.push_back(m);
    return v;
  }
};

TEST_F(ChainsTest, LimitsCloseTheChain) {
  Fgr* h = Unit(101);
  Fgr* g1 = Gun();
  EXPECT_EQ(Fgr_Sub_AddUseGun(h, g1), 0);  // a limit of 0 closes the chain
  h->Sub_UseGun_max = 2;
  EXPECT_EQ(Fgr_Sub_AddUseGun(h, g1), 1);
  EXPECT_EQ(Fgr_Sub_AddUseGun(h, Gun()), 1);
  EXPECT_EQ(Fgr_Sub_AddUseGun(h, Gun()), 0);
  EXPECT_EQ(h->Sub_UseGun_now, 2);
  EXPECT_EQ(Fgr_Sub_AddUseGun(h, Make(17)), 0);  // the member test
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 1, 1), g1);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 1, 3), nullptr);
  EXPECT_EQ(Fgr_Sub_xLink_pFgr(h, 10, 1), nullptr);
}

TEST_F(ChainsTest, ASergeantLeadsTheSquad) {
  Fgr* s = Squad(5);
  Fgr* a = Unit();
  Fgr* b = Unit();
  Fgr* c = Unit();
  ASSERT_EQ(Fgr_Sub_AddUnit(s, a, 0), 1);
  ASSERT_EQ(Fgr_Sub_AddUnit(s, b, 0), 1);
  ASSERT_EQ(Fgr_Sub_AddUnit(s, c, 0), 1);
  Fgr* sarj = Unit();
  sarj->trueSarj = 1;
  ASSERT_EQ(Fgr_Sub_AddUnit(s, sarj, 0), 1);
  EXPECT_EQ(Walk(s->P2_Sub_Unit), (std::vector<Fgr*>{sarj, a, b, c}));
  EXPECT_EQ(sarj->pPrev, nullptr);
  EXPECT_EQ(a->pPrev, sarj);
  EXPECT_EQ(s->Sub_Unit_now, 4);
  EXPECT_EQ(Fgr_Sub_AddUnit(Make(101), Unit(), 0), 0);  // not a squad holder

  // A guest comes beyond the limit, is not counted and leaves through KickGuest.
  Fgr* full = Squad(1);
  ASSERT_EQ(Fgr_Sub_AddUnit(full, Unit(), 0), 1);
  Fgr* guest = Unit();
  ASSERT_EQ(Fgr_Sub_AddUnit(full, guest, 1), 1);
  EXPECT_EQ(full->P_Guest, guest);
  EXPECT_EQ(full->Sub_Unit_now, 1);
  EXPECT_EQ(Fgr_Sub_KickGuest(full), 1);
  EXPECT_EQ(full->P_Guest, nullptr);
  EXPECT_EQ(guest->pPrev, nullptr);
  EXPECT_EQ(full->Sub_Unit_now, 1);
  EXPECT_EQ(Fgr_Sub_KickGuest(full), 0);
}

TEST_F(ChainsTest, RemovingTheHeadMiddleAndLastKeepsBothDirections) {
  Fgr* h = Unit(101);
  h->Sub_Kno_max = 9;
  std::vector<Fgr*> k;
  for (int i = 0; i < 4; i++) {
    k.push_back(Make(402));
    ASSERT_EQ(Fgr_Sub_AddKno(h, k.back()), 1);
  }
  ASSERT_EQ(Fgr_Sub_KickKno(h, k[0]), 1);
  EXPECT_EQ(h->P2_Sub_Kno, k[1]);
  EXPECT_EQ(k[1]->pPrev, nullptr);
  EXPECT_EQ(k[0]->pTail, nullptr);
  EXPECT_EQ(k[0]->pParent, nullptr);
  ASSERT_EQ(Fgr_Sub_KickKno(h, k[2]), 1);
  EXPECT_EQ(k[1]->pTail, k[3]);
  EXPECT_EQ(k[3]->pPrev, k[1]);  // the standard unlink mends the back link
  EXPECT_EQ(k[1]->pPrev, nullptr);
  ASSERT_EQ(Fgr_Sub_KickKno(h, k[3]), 1);
  EXPECT_EQ(k[1]->pTail, nullptr);
  EXPECT_EQ(h->Sub_Kno_now, 1);
  EXPECT_EQ(Fgr_Sub_KickKno(h, k[3]), 0);
  Fgr_Sub_xLinkKick(h, 9, 1);
  EXPECT_EQ(h->P2_Sub_Kno, nullptr);
  EXPECT_EQ(h->Sub_Kno_now, 0);
  EXPECT_EQ(Fgr_Sub_KickKno(h, k[1]), 0);
  EXPECT_EQ(h->Sub_Kno_now, 0);  // never below 0
}

TEST_F(ChainsTest, CargoRoomAndBunkers) {
  Fgr* h = Unit(101);
  h->Sub_Gruz_max = 3;
  Fgr* two = Make(20);
  two->gruzZaimem = 2;
  Fgr* twoMore = Make(20);
  twoMore->gruzZaimem = 2;
  ASSERT_EQ(Fgr_Sub_AddGruz(h, two), 1);
  EXPECT_EQ(Fgr_Sub_AddGruz(h, twoMore), 0);
  EXPECT_EQ(twoMore->pParent, nullptr);
  Fgr* big = Make(20);
  big->gruzZaimem = 3;
  Fgr* bunker = Unit(203);
  bunker->Sub_Gruz_max = 3;
  EXPECT_EQ(Fgr_Sub_AddGruz(h, big), 0);  // room above 2 needs a bunker holder
  EXPECT_EQ(Fgr_Sub_AddGruz(bunker, big), 1);
}

TEST_F(ChainsTest, AFigureInOneChainIsRefusedByEveryOther) {
  Fgr* h1 = Unit(101);
  Fgr* h2 = Unit(101);
  h1->Sub_MetGd_max = h2->Sub_MetGd_max = h2->Sub_MetBd_max = 5;
  Fgr* a = Make(17);
  Fgr* b = Make(17);
  ASSERT_EQ(Fgr_Sub_AddMetGd(h1, a, 0), 1);
  ASSERT_EQ(Fgr_Sub_AddMetGd(h1, b, 0), 1);
  // a heads a chain (no pPrev), b is its last member (no pTail): neither may join another.
  EXPECT_EQ(Fgr_Sub_AddMetGd(h2, a, 0), 0);
  EXPECT_EQ(Fgr_Sub_AddMetBd(h2, b, 0), 0);
  EXPECT_EQ(Fgr_Sub_AddMetBd(h2, b, 1), 0);
  EXPECT_EQ(Fgr_Sub_AddMetBd(h1, a, 1), 0);
  EXPECT_EQ(h2->Sub_MetGd_now + h2->Sub_MetBd_now, 0);
  EXPECT_EQ(b->pParent, h1);
  EXPECT_EQ(Fgr_Sub_AddMetGd(a, a, 1), 0);  // nor its own holder
}

TEST_F(ChainsTest, ARefusedAppendLeavesParentAndCountsAndAnswersZero) {
  Fgr* h = Unit(101);
  h->Sub_UseDet_max = 5;
  // Forced members take the chain to 99 links: the checked add's append limit.
  std::vector<Fgr*> parts;
  for (int i = 0; i < 99; i++) {
    Fgr* p = Make(303);
    p->isUnitWork = 2;
    ASSERT_EQ(Fgr_Sub_AddUseDet(h, p, 1), 1);
  }
  EXPECT_EQ(h->Sub_UseDet_now, 0);
  Fgr* late = Make(303);
  late->isUnitWork = 2;
  EXPECT_EQ(Fgr_Sub_AddUseDet(h, late, 0), 0);
  EXPECT_EQ(late->pParent, nullptr);
  EXPECT_EQ(late->pPrev, nullptr);
  EXPECT_EQ(h->Sub_UseDet_now, 0);
  EXPECT_EQ(Walk(h->P2_Sub_UseDet).size(), 99u);
}

TEST_F(ChainsTest, KitRoomFollowsTheSuit) {
  Fgr* h = Unit(101);
  Fgr* suit = Make(303);
  suit->dXKlv = 1;
  h->P2_UseSuit = suit;
  h->Sub_UseKm_max = 10;
  auto kit = [] {
    Fgr* k = Make(303);
    k->isUnitWork = 2;
    k->detPlace = 4;
    return k;
  };
  EXPECT_EQ(Fgr_Sub_AddUseKm(h, kit(), 0), 1);
  EXPECT_EQ(h->Sub_UseKm_max, 1);
  EXPECT_EQ(Fgr_Sub_AddUseKm(h, kit(), 0), 0);
  EXPECT_EQ(Fgr_Sub_AddUseKm(h, kit(), 1), 1);
}

// Every chain of every holder is a consistent doubly linked list that agrees with the model.
void CheckChains(const std::vector<Fgr*>& holders, const std::map<Fgr*, std::vector<Fgr*>> (&model)[9]) {
  for (Fgr* h : holders) {
    for (int n = 1; n <= 9; n++) {
      Fgr* head = Fgr_Sub_Head(h, n);
      const std::vector<Fgr*>& want = model[n - 1].count(h) ? model[n - 1].at(h) : std::vector<Fgr*>{};
      std::vector<Fgr*> got;
      Fgr* prev = nullptr;
      for (Fgr* m = head; m; m = m->pTail) {
        ASSERT_LT(got.size(), 200u);
        ASSERT_EQ(m->pPrev, prev);
        ASSERT_EQ(m->pParent, h);
        got.push_back(m);
        prev = m;
      }
      ASSERT_EQ(got, want) << "holder " << h->nom << " chain " << n;
    }
  }
}

TEST_F(ChainsTest, SeededRandomAddsAndRemovalsKeepEveryChainConsistent) {
  std::vector<Fgr*> holders;
  for (int i = 0; i < 4; i++) {
    Fgr* h = Unit(101);
    h->Sub_MetGd_max = 3;
    h->Sub_MetBd_max = 4;
    h->Sub_Kno_max = 5;
    h->Sub_UseGun_max = 2;
    holders.push_back(h);
  }
  std::vector<Fgr*> members;
  for (int i = 0; i < 12; i++) members.push_back(Make(17));
  for (int i = 0; i < 8; i++) members.push_back(Make(402));
  for (int i = 0; i < 6; i++) members.push_back(Gun());

  std::map<Fgr*, std::vector<Fgr*>> model[9];
  std::map<Fgr*, std::pair<Fgr*, int>> where;  // member -> holder, chain
  const int chains[] = {1, 5, 6, 9};
  auto maxOf = [](Fgr* h, int n) {
    return n == 1   ? h->Sub_UseGun_max
           : n == 5 ? h->Sub_MetGd_max
           : n == 6 ? h->Sub_MetBd_max
                    : h->Sub_Kno_max;
  };
  auto nowOf = [](Fgr* h, int n) {
    return n == 1   ? h->Sub_UseGun_now
           : n == 5 ? h->Sub_MetGd_now
           : n == 6 ? h->Sub_MetBd_now
                    : h->Sub_Kno_now;
  };
  auto fits = [](Fgr* m, int n) {
    int k = m->status;
    return n == 1 ? k == 301 : n == 9 ? k == 402 : k == 17;
  };

  RandSeed(777);
  for (int step = 0; step < 4000; step++) {
    Fgr* h = holders[Rand() % holders.size()];
    Fgr* m = members[Rand() % members.size()];
    int n = chains[Rand() % 4];
    std::vector<Fgr*>& list = model[n - 1][h];
    if (Rand() % 3) {
      bool expect = !where.count(m) && fits(m, n) && (int)list.size() < maxOf(h, n);
      int before = nowOf(h, n);
      Fgr* parentBefore = m->pParent;
      Fgr_Sub_xLinkAdd(h, n, m);
      bool linked = m->pParent == h && nowOf(h, n) == before + 1;
      ASSERT_EQ(linked, expect) << "step " << step;
      if (expect) {
        list.push_back(m);
        where[m] = {h, n};
      } else {
        ASSERT_EQ(nowOf(h, n), before);
        ASSERT_EQ(m->pParent, parentBefore);
      }
    } else if (!list.empty()) {
      int place = Rand() % (int)list.size();
      Fgr_Sub_xLinkKick(h, n, place + 1);
      where.erase(list[place]);
      ASSERT_EQ(list[place]->pParent, nullptr);
      list.erase(list.begin() + place);
    }
    ASSERT_EQ(nowOf(h, n), (int)model[n - 1][h].size());
    CheckChains(holders, model);
    if (HasFatalFailure()) return;
  }
}

TEST_F(ChainsTest, SkillsClampTheirLevelsAndARefusedSkillIsConsumed) {
  Fgr* cap = Unit(114);
  cap->Sub_UseSkil_max = 1;
  Fgr* s = Make(401);
  s->isUnitWork = 2;
  s->detPlace = 3;
  int b = 0, e2 = 7, e3 = -2;
  ASSERT_EQ(Fgr_Skil_Add(cap, s, b, e2, e3), 1);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(e2, 4);
  EXPECT_EQ(e3, 0);
  EXPECT_EQ(s->SkilRangBase, 1);
  EXPECT_EQ(s->SkilRangExt2, 4);

  Fgr* s2 = Make(401);
  s2->isUnitWork = 2;
  s2->detPlace = 3;
  EXPECT_EQ(Fgr_Skil_Add8(cap, s2, b, e2, e3), 0);
  EXPECT_EQ(s2->status, 0);
  EXPECT_NE(LogText().find("\n не удалось добавить скил"), std::string::npos);

  cap->Sub_UseSkil_max = 3;
  Fgr* s8 = Make(401);
  s8->isUnitWork = 2;
  s8->detPlace = 3;
  b = 1;
  ASSERT_EQ(Fgr_Skil_Add8(cap, s8, b, e2, e3), 1);
  EXPECT_EQ(s8->item->sta.count, 2);
  EXPECT_EQ(s8->item->sta.e[0].id, 3);
  Fgr* s12 = Make(401);
  s12->isUnitWork = 2;
  s12->detPlace = 3;
  ASSERT_EQ(Fgr_Skil_Add12(cap, s12, b, e2, e3), 1);
  EXPECT_EQ(s12->item->fku.count, 1);
  EXPECT_EQ(s12->item->fku.e[0].percent, 60);

  Fgr_Skil_Remove(cap, s8);
  EXPECT_EQ(s8->status, 0);
  EXPECT_EQ(cap->Sub_UseSkil_now, 2);
  Fgr_Skil_Remove(cap, s8);
  EXPECT_NE(LogText().find("\nНе удалось выкинуть Скил."), std::string::npos);

  // A skill without an item record of its own never writes into the shared empty one, not even
  // when a damaged state lets that record read as taken.
  cap->Sub_UseSkil_max = 5;
  empty_item_adr()->isUse = 1;
  for (auto add : {Fgr_Skil_Add8, Fgr_Skil_Add12}) {
    Fgr* bare = Make(20);
    bare->isUnitWork = 2;
    bare->detPlace = 3;
    b = 1;
    add(cap, bare, b, e2, e3);
  }
  EXPECT_EQ(empty_item_adr()->sta.count, 0);
  EXPECT_EQ(empty_item_adr()->fku.count, 0);
  empty_item_adr()->isUse = 0;
}

TEST_F(ChainsTest, MarksLeaveTheirHolderWhenTheirTimeIsUp) {
  Fgr* h = Unit(112);
  h->Sub_MetBd_max = 2;
  Fgr* m = Make(17);
  ASSERT_EQ(Fgr_Sub_AddMetBd(h, m, 0), 1);
  m->waitNow = 15;
  Fgr::KillOnWaitEnd(m);
  EXPECT_EQ(m->status, 17);
  ProcFgr(r_Fgr_KillOnWaitEnd, m);  // a mark's procedure number reaches the same end
  EXPECT_EQ(m->status, 0);
  EXPECT_EQ(h->P2_Sub_MetBd, nullptr);
  EXPECT_EQ(h->Sub_MetBd_now, 0);
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NeedExit, 0);
}

TEST_F(ChainsTest, BoostTriggersServeEachCaptainOnce) {
  Fgr* boost = Make(21, 1);
  Fgr* cap = Unit(114);
  EXPECT_EQ(Fgr_StaticBoost_LinkOnce(boost, cap, 1), 0);  // not a captain yet
  cap->trueCaptain = 1;
  EXPECT_EQ(Fgr_StaticBoost_LinkOnce(boost, cap, 1), 1);
  Fgr* trig = boost->P2_Sub_UseDet;
  ASSERT_NE(trig, nullptr);
  EXPECT_EQ(trig->status, 5);
  EXPECT_LE(trig->nom, 500);  // a base boost places a base trigger
  EXPECT_EQ(trig->P_Guest, cap);
  Fgrs.ClearNovorod();
  EXPECT_EQ(Fgr_StaticBoost_LinkOnce(boost, cap, 1), 0);
  EXPECT_EQ(Fgr_StaticBoost_Link(Make(20), cap), 0);
}

}  // namespace
