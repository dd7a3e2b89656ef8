// Chains that loop back and figures linked into themselves, as a corrupt file can leave them: the
// per-frame dead-link sweep and the reset must end, say so once, and leave no mark behind.
#include <cstring>
#include <vector>

#include "figures/chains.h"
#include "figures_fixture.h"

namespace {

class ChainLoopsTest : public FiguresTest {
 protected:
  void TearDown() override { o2::NeedExit = 0; }

  static int Reset(const Fgr* f) { return f->status == 0 && f->sbrosNow == 0; }
};

TEST_F(ChainLoopsTest, TheSweepStopsOnALoopingChainAndStopsTheGame) {
  Fgr* h = Make(101);
  Fgr* a = Make(301);
  Fgr* b = Make(301);
  Fgr* c = Make(301);
  h->P2_Sub_Gruz = a;
  a->pTail = b;
  b->pTail = c;
  c->pTail = b;  // back into the chain
  o2::NeedExit = 0;
  h->KillDeadLinks();
  EXPECT_EQ(CountOf(LogText(), "\nerr: P2_Sub_Gruz LoopLink"), 1);
  EXPECT_EQ(CountOf(LogText(), "DeadLink"), 0);  // every member is live
  EXPECT_EQ(o2::NeedExit, 1);
  EXPECT_EQ(c->pTail, b);  // the sweep reports, it does not repair

  // The frame's sweep over the whole container ends too.
  o2::NeedExit = 0;
  Fgrs.SweepDead();
  EXPECT_EQ(o2::NeedExit, 1);
}

TEST_F(ChainLoopsTest, TheSweepOverAFigureInItsOwnChain) {
  Fgr* f = Make(101);
  f->P2_Sub_UseGun = f;  // its own member, the chain ends there: not a loop
  o2::NeedExit = 0;
  f->KillDeadLinks();
  EXPECT_EQ(o2::NeedExit, 0);
  EXPECT_EQ(LogCount(), 0);

  f->pTail = f;  // and now its own next member as well
  f->KillDeadLinks();
  EXPECT_EQ(CountOf(LogText(), "\nerr: P2_Sub_UseGun LoopLink"), 1);
  EXPECT_EQ(o2::NeedExit, 1);

  // A dead member inside the loop is still reported as dead.
  Fgr* g = Make(101);
  Fgr* dead = Make(301);
  dead->status = 0;
  g->P2_Sub_Kno = dead;
  dead->pTail = dead;
  g->KillDeadLinks();
  EXPECT_GE(CountOf(LogText(), "\nerr: Sub_Kno DeadLink"), 1);
  EXPECT_EQ(CountOf(LogText(), "\nerr: P2_Sub_Kno LoopLink"), 1);
}

TEST_F(ChainLoopsTest, AHolderResetOverALoopIsWholeAgain) {
  Fgr* h = Make(101);
  Fgr* a = Make(301);
  Fgr* b = Make(301);
  h->P2_Sub_UseDet = a;
  a->pTail = b;
  b->pTail = a;  // back to the head
  h->Sbros();
  EXPECT_TRUE(Reset(h));
  EXPECT_TRUE(Reset(a));
  EXPECT_TRUE(Reset(b));
  EXPECT_EQ(h->P2_Sub_UseDet, nullptr);

  // No mark is left behind: a sound chain under the same holder is reset with it.
  Fgr* d = Make(301);
  Fgr* e = Make(301);
  h->status = 101;
  h->P2_Sub_UseDet = d;
  d->pTail = e;
  h->Sbros();
  EXPECT_TRUE(Reset(d));
  EXPECT_TRUE(Reset(e));
  EXPECT_EQ(LogCount(), 0);
}

TEST_F(ChainLoopsTest, ResettingAFigureInItsOwnChainOrEquipment) {
  Fgr* f = Make(101);
  f->P2_Sub_Unit = f;
  f->Sbros();
  EXPECT_TRUE(Reset(f));
  EXPECT_EQ(f->P2_Sub_Unit, nullptr);
  EXPECT_EQ(CountOf(LogText(), "\nerr: Sbros LoopLink"), 1);

  Fgr* g = Make(101);
  g->P2_UseHelm = g;
  g->Sbros();
  EXPECT_TRUE(Reset(g));
  EXPECT_EQ(g->P2_UseHelm, nullptr);
  EXPECT_EQ(CountOf(LogText(), "\nerr: Sbros LoopLink"), 2);

  // Its own member and its own next member: the walk meets only the figure under reset.
  Fgr* k = Make(101);
  k->P2_Sub_Kno = k;
  k->pTail = k;
  k->Sbros();
  EXPECT_TRUE(Reset(k));
  EXPECT_EQ(k->pTail, nullptr);
  EXPECT_EQ(CountOf(LogText(), "\nerr: Sbros LoopLink"), 3);  // once, not once per step
  EXPECT_EQ(CountOf(LogText(), "\nerr: P2_Sub_Kno LoopLink"), 1);
}

TEST_F(ChainLoopsTest, ResettingFiguresThatOwnEachOther) {
  Fgr* a = Make(101);
  Fgr* b = Make(101);
  Fgr* c = Make(301);
  a->P2_UseSuit = b;
  b->P2_Sub_Gruz = c;
  c->pTail = nullptr;
  b->P2_UseCar = a;  // back to the first owner
  a->Sbros();
  EXPECT_TRUE(Reset(a));
  EXPECT_TRUE(Reset(b));
  EXPECT_TRUE(Reset(c));
  EXPECT_EQ(b->P2_UseCar, nullptr);
  EXPECT_EQ(CountOf(LogText(), "\nerr: Sbros LoopLink"), 1);
}

// The cap counts members: a sound chain of exactly the cap is walked whole, one more is a loop.
TEST_F(ChainLoopsTest, TheCapLetsAFullLengthChainThrough) {
  for (int extra = 0; extra < 2; extra++) {
    SCOPED_TRACE(extra);
    std::vector<Fgr> v(kChainWalkMax + 1 + extra);
    for (Fgr& f : v) {
      std::memset(static_cast<void*>(&f), 0, sizeof(Fgr));
      f.Sbros();
      f.status = 301;
    }
    for (size_t i = 1; i + 1 < v.size(); i++) v[i].pTail = &v[i + 1];
    Fgr* h = &v[0];
    h->P2_Sub_MetBd = &v[1];
    LogResetCount();
    o2::NeedExit = 0;
    h->KillDeadLinks();
    EXPECT_EQ(o2::NeedExit, extra);
    EXPECT_EQ(LogCount(), extra);

    h->Sbros();
    EXPECT_EQ(LogCount(), 2 * extra);
    EXPECT_TRUE(Reset(&v[kChainWalkMax]));  // the last member the walk may reach
    EXPECT_EQ(v.back().status, extra ? 301 : 0);
  }
}

}  // namespace
