// The figure container: slot hand-out, refusals, newborn state, sweep, reset and lookups.
#include "figures/chains.h"
#include "figures/upkeep.h"
#include "figures_fixture.h"
#include "world/fgrs_update.h"

using ContainerTest = FiguresTest;

TEST_F(ContainerTest, BaseSlotsGoLowestFirstAndRefuseWhenAllAreLive) {
  for (int i = 1; i <= 500; i++) {
    Fgr* f = Fgrs.AddFgr(20, 1);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->nom, i);
  }
  int before = LogCount();
  EXPECT_EQ(Fgrs.AddFgr(20, 1), nullptr);
  EXPECT_EQ(LogCount(), before + 1);
  EXPECT_NE(LogText().find("\nerr: priv_AddFgr (нет свободных для_базы из 500)"), std::string::npos);
  Fgrs.mf[37].Sbros();
  EXPECT_EQ(Fgrs.AddFgr(20, 1)->nom, 37);
}

// The program's own container is only ever built: nobody numbers its slots by hand.
TEST_F(ContainerTest, ABuiltContainerNumbersItsSlotsAndAddAnswersTheSlotUsed) {
  static t_Fgrs built;
  for (int i = 0; i < kFgrsSlots; i++) ASSERT_EQ(built.mf[i].nom, i);
  EXPECT_EQ(built.AddFgr(20, 1), &built.mf[1]);
  EXPECT_EQ(built.AddFgr(112, 0), &built.mf[501]);
  built.mf[2].nom = 0;  // a slot whose number went wrong is still the slot handed out, and mended
  EXPECT_EQ(built.AddFgr(20, 1), &built.mf[2]);
  EXPECT_EQ(built.mf[2].nom, 2);
  EXPECT_EQ(built.mf[1].status, 20);
}

TEST_F(ContainerTest, LocationSlotsGoRoundRobinFromTheCursorAndRefuseWhenAllAreLive) {
  EXPECT_EQ(Fgrs.AddFgr(20, 0)->nom, 501);
  EXPECT_EQ(Fgrs.AddFgr(20, 0)->nom, 502);
  Fgrs.mf[501].Sbros();
  EXPECT_EQ(Fgrs.AddFgr(20, 0)->nom, 503);  // the freed slot waits for the cursor to come round
  for (int i = 504; i <= 999; i++) ASSERT_EQ(Fgrs.AddFgr(20, 0)->nom, i);
  EXPECT_EQ(Fgrs.AddFgr(20, 0)->nom, 501);  // wrapped
  EXPECT_EQ(Fgrs.cursor, 502);
  EXPECT_EQ(Fgrs.AddFgr(20, 0), nullptr);
  EXPECT_NE(LogText().find("\nerr: priv_AddFgr (нет свободных для_локацыи из 500)"), std::string::npos);
  Fgrs.mf[700].Sbros();
  EXPECT_EQ(Fgrs.AddFgr(20, 0)->nom, 700);
  EXPECT_EQ(Fgrs.cursor, 701);
}

TEST_F(ContainerTest, NewFigureStateAndRefusals) {
  EXPECT_EQ(Fgrs.AddFgr(0, 0), nullptr);
  Fgrs.busy = 1;
  EXPECT_EQ(Fgrs.AddFgr(20, 0), nullptr);
  Fgrs.busy = 0;

  Fgr* f = Fgrs.AddFgr(112, 0);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->status, 112);
  EXPECT_EQ(f->novorod, 1);
  EXPECT_EQ(f->IndKlv, 12);
  EXPECT_EQ(f->Ind[1], 5u);
  EXPECT_EQ(f->Ind[11], 5u);
  EXPECT_GE(f->AnimFlagKan, 0);
  EXPECT_LE(f->AnimFlagKan, 2);
  EXPECT_GT(f->priv_LogIndex, 0);
  EXPECT_EQ(f->UN->isUse, 1);  // a unit kind takes a unit record
  EXPECT_EQ(f->item, empty_item_adr());
  f->active = 1;
  EXPECT_EQ(Fgr::Active(f), 0);
  Fgrs.ClearNovorod();
  EXPECT_EQ(Fgr::Active(f), 1);
  Fgr* g = Fgrs.AddFgr(301, 0);
  EXPECT_EQ(g->item->isUse, 1);
  EXPECT_GT(g->priv_LogIndex, f->priv_LogIndex);

  // An empty unit pool refuses a unit figure and leaves the slot free.
  for (int i = 1; i < kRecPool; i++) UN_PoolAt(i)->isUse = 1;
  int cursor = Fgrs.cursor;
  EXPECT_EQ(Fgrs.AddFgr(101, 0), nullptr);
  EXPECT_EQ(Fgrs.mf[cursor].status, 0);
  EXPECT_NE(Fgrs.AddFgr(17, 0), nullptr);  // a kind without a record still comes
}

TEST_F(ContainerTest, ResetKeepsTheSlotNumberAndResetsEquipmentAndMembers) {
  Fgr* h = Make(101);
  Fgr* helm = Make(303);
  Fgr* mark = Make(17);
  h->P2_UseHelm = helm;
  h->Sub_MetGd_max = 5;
  ASSERT_EQ(Fgr_Sub_AddMetGd(h, mark, 0), 1);
  t_UNIT* rec = h->UN;
  int nom = h->nom;
  h->floX = 7;
  h->Sbros();
  EXPECT_EQ(h->status, 0);
  EXPECT_EQ(h->nom, nom);
  EXPECT_EQ(h->floX, 2.0f);
  EXPECT_EQ(h->fca, 1.0f);
  EXPECT_EQ(h->haf, 1.0f);
  EXPECT_EQ(h->UN, empty_UN_adr());
  EXPECT_EQ(rec->isUse, 0);
  EXPECT_EQ(helm->status, 0);
  EXPECT_EQ(mark->status, 0);
  EXPECT_EQ(helm->item, empty_item_adr());
}

TEST_F(ContainerTest, ResettingAHolderWhoseChainLoopsEnds) {
  Fgr* h = Make(101);
  Fgr* a = Make(17);
  Fgr* b = Make(17);
  Fgr* c = Make(17);
  // A corrupt chain as a stage file might hold it: a -> b -> c -> b.
  h->P2_Sub_MetGd = a;
  a->pTail = b;
  b->pTail = c;
  c->pTail = b;
  a->pParent = b->pParent = c->pParent = h;
  h->Sbros();
  EXPECT_EQ(a->status + b->status + c->status + h->status, 0);
  // The lookups and removals walk a loop no further than their cap.
  h = Make(101);
  a = Make(17);
  b = Make(17);
  h->P2_Sub_MetGd = a;
  a->pTail = b;
  b->pTail = a;
  EXPECT_EQ(Fgr_Sub_NthAfter(a, 5000, nullptr), nullptr);
  EXPECT_EQ(Fgr_Sub_KickMetGd(h, c), 0);
}

TEST_F(ContainerTest, SweepCountsLiveFiguresFreesOrphanRecordsAndDropsDeadLinks) {
  Fgr* u = Make(112);
  Fgr* t = Make(112);
  Fgr* equip = Make(303);
  u->P_FireTarg = t;
  u->P2_UseSuit = equip;
  u->activateFgr = t->nom;
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NowFgrKlv_Status, 3);
  EXPECT_EQ(u->P_FireTarg, t);

  equip->active = 0;  // inactive equipment is kept; only a free slot drops it
  t->Sbros();
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NowFgrKlv_Status, 2);
  EXPECT_EQ(u->P_FireTarg, nullptr);
  EXPECT_EQ(u->activateFgr, 0);
  EXPECT_EQ(u->P2_UseSuit, equip);
  equip->status = 0;
  Fgrs.SweepDead();
  EXPECT_EQ(u->P2_UseSuit, nullptr);
  EXPECT_EQ(equip->item->isUse, 0);  // the freed slot's record went back to the pool
  EXPECT_EQ(equip->item, empty_item_adr());
  EXPECT_EQ(o2::NeedExit, 0);
}

TEST_F(ContainerTest, MembersOfADeadHolderAreResetByTheNextSweep) {
  Fgr* h = Make(101);
  Fgr* m = Make(17);
  h->Sub_MetBd_max = 3;
  ASSERT_EQ(Fgr_Sub_AddMetBd(h, m, 0), 1);
  // The holder dies without its chain (a bare status clear, as game code may leave it).
  h->status = 0;
  Fgrs.SweepDead();
  EXPECT_EQ(m->status, 0);
}

TEST_F(ContainerTest, DeadMemberInAChainIsLoggedPerMemberAndEndsTheProgram) {
  Fgr* h = Make(101);
  Fgr* a = Make(402);
  Fgr* b = Make(402);
  h->Sub_Kno_max = 5;
  ASSERT_EQ(Fgr_Sub_AddKno(h, a), 1);
  ASSERT_EQ(Fgr_Sub_AddKno(h, b), 1);
  a->status = 0;  // reset on its own without leaving the chain: a consistency fault
  b->status = 0;
  a->pParent = nullptr;
  b->pParent = nullptr;
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NeedExit, 1);
  std::string log = LogText();
  size_t first = log.find("\nerr: Sub_Kno DeadLink");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(log.find("\nerr: Sub_Kno DeadLink", first + 1), std::string::npos);
}

TEST_F(ContainerTest, UpdateRunsLiveFiguresAndCountsDyingOnesDown) {
  Fgr* u = Make(112);
  u->isMort = 25;
  Fgr* skip = Make(112);
  skip->isMort = 25;
  skip->woUpdate = 1;
  Fgrs_UpdAll(&Fgrs);
  EXPECT_EQ(Fgrs.busy, 0);
  EXPECT_EQ(u->isMort, 15);
  EXPECT_EQ(skip->isMort, 25);
  Fgrs_UpdAll(&Fgrs);
  Fgrs_UpdAll(&Fgrs);
  EXPECT_EQ(u->status, 0);  // ran out: reset
  o2::GamePause = 1;
  skip->woUpdate = 0;
  Fgrs_UpdAll(&Fgrs);
  EXPECT_EQ(skip->isMort, 25);
}

TEST_F(ContainerTest, ADyingCargoUnitLeavesItsHolderBeforeItIsReset) {
  Fgr* carrier = Make(101);
  carrier->Sub_Gruz_max = 4;
  Fgr* u = Make(112);
  u->isUnitWork = 1;
  u->gruzZaimem = 1;
  Fgr* other = Make(112);
  other->gruzZaimem = 1;
  ASSERT_EQ(Fgr_Sub_AddGruz(carrier, u), 1);
  ASSERT_EQ(Fgr_Sub_AddGruz(carrier, other), 1);
  u->isMort = 5;
  Fgrs_UpdAll(&Fgrs);
  EXPECT_EQ(u->status, 0);
  EXPECT_EQ(carrier->P2_Sub_Gruz, other);
  EXPECT_EQ(other->pPrev, nullptr);
  EXPECT_EQ(carrier->Sub_Gruz_now, 1);
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NeedExit, 0);
}

TEST_F(ContainerTest, LookupsAndOperationsByNumber) {
  EXPECT_EQ(Fgrs_pFgr(0), nullptr);
  EXPECT_EQ(Fgrs_pFgr(1000), nullptr);
  EXPECT_EQ(Fgrs_pFgr(999), &Fgrs.mf[999]);
  EXPECT_EQ(Etap_pFgrFromNom(3, 1), &Fgrs.mf[503]);
  EXPECT_EQ(Etap_pFgrFromNom(-500, 1), nullptr);
  EXPECT_EQ(Fgr_NomForLink(nullptr, 1), -500);
  EXPECT_EQ(Fgr_NomForLink(&Fgrs.mf[37], 1), -463);
  EXPECT_EQ(Etap_pFgrFromNom(Fgr_NomForLink(&Fgrs.mf[612], 1), 1), &Fgrs.mf[612]);

  Fgr* trig = Make(5);
  trig->active = 0;
  trig->trigDamba = 1;
  Fgrs_DecDambaOrActivate(trig->nom);
  EXPECT_EQ(trig->trigDamba, 0);
  EXPECT_EQ(trig->active, 0);
  Fgrs_DecDambaOrActivate(trig->nom);
  EXPECT_EQ(trig->active, 1);
  Fgrs_DecDambaOrActivate(2000);

  Fgr* f = Make(20);
  f->baner = 2;
  f->priv_position_x = 10;
  f->priv_position_z = 20;
  EXPECT_EQ(Fgrs.FindKindNear(20, 2, 0, 0, 10, 20, 1), 1);  // edges belong to the rectangle
  EXPECT_EQ(Fgrs.FindKindNear(20, 3, 0, 0, 10, 20, 1), 0);
  EXPECT_EQ(Fgrs.FindKindNear(20, 0, 11, 0, 30, 30, 0), 0);

  Fgrs.ResetDynamic();
  EXPECT_EQ(f->status, 0);
  EXPECT_EQ(Fgrs.cursor, 501);
}

TEST_F(ContainerTest, PredicatesAndSides) {
  Fgr* squad = Make(113);
  squad->isUnitWork = 3;
  squad->baner = 4;
  EXPECT_EQ(Fgr::Owner(squad), 4);
  Fgr* u = Make(112);
  u->isUnitWork = 1;
  u->baner = 1;
  squad->Sub_Unit_max = 5;
  ASSERT_EQ(Fgr_Sub_AddUnit(squad, u, 0), 1);
  EXPECT_EQ(Fgr::Owner(squad), 1);
  EXPECT_EQ(Fgr::SetBanerChain(squad, 6), 0);
  EXPECT_EQ(Fgr::SetBanerChain(squad, -1), 0);
  EXPECT_EQ(u->baner, 1);
  EXPECT_EQ(Fgr::SetBanerChain(squad, 3), 1);
  EXPECT_EQ(u->baner, 3);
  EXPECT_EQ(u->banerFirst, 3);
  EXPECT_EQ(squad->baner, 4);
  EXPECT_EQ(Fgr::IsUnit(nullptr), 0);
  EXPECT_EQ(Fgr::IsUnit(u), 1);
  EXPECT_EQ(Fgr::IsBase(u), 0);

  Fgr* part = Make(303);
  part->isUnitWork = 2;
  part->detPlace = 3;
  part->get_RadiusVis_ = 5;
  Fgr* helm = Make(303);
  helm->get_RadiusVis_ = 40;
  part->P2_UseHelm = helm;
  EXPECT_EQ(Fgr::RadiusVis(part), 40);
  helm->detPlace = 3;
  helm->P2_UseHelm = part;  // a loop of helmets still answers
  EXPECT_GT(Fgr::RadiusVis(part), 0);

  Fgr_SetItemName(part, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_STREQ(part->item->name, "ABCDEFGHIJKLMNO");
  EXPECT_STREQ(Fgr_ItemNameText(part), "ABCDEFGHIJKLMNO");
  EXPECT_STREQ(Fgr_ItemNameText(&Fgrs.mf[998]), "@_not_status");
  UN_MakeRandomName(u, 1);
  EXPECT_EQ(std::string(u->UN->name).size(), 7u);
}
