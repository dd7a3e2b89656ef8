// Every combination: the figures and chains it builds (from the sheet: gun, buttons, skills, spell
// book, squad members up to the squad's room), in base and location slots, how many figures it made
// and kept and which slot the next figure takes; what a container too full for it leaves behind.
// Then the unit makers beside the kombis.
#include <vector>

#include "catalogue/kombi.h"
#include "catalogue_fixture.h"
#include "figures/land.h"

namespace {

struct KRow {
  int n;
  int kind, born;    // the main figure and its bornTehnola
  int gunBorn;       // bornTehnola of its gun (0: none)
  int knos, knoOnK;  // its buttons
  int skills, book, trueCaptain;
  int members, memberBorn, memberKnos;
  int made, alive;        // figures made (members without room included) and those kept
  int nextLoc, nextBase;  // the slot a figure made next takes
};

// clang-format off
const KRow kKombis[] = {
    {-1, 111, 35, 0, 8, 37, 0, 0, 0, 0, 0, 0,        9, 9, 510, 10},
    {-2, 111, 35, 0, 1, 37, 0, 0, 0, 0, 0, 0,        2, 2, 503, 3},
    {-3, 112, 33, 46, 0, 0, 0, 0, 0, 0, 0, 0,        2, 2, 503, 3},
    {-4, 112, 89, 46, 0, 0, 0, 0, 0, 0, 0, 0,        2, 2, 503, 3},
    {-5, 112, 36, 46, 5, 38, 0, 0, 0, 0, 0, 0,       7, 7, 508, 8},
    {-6, 112, 90, 47, 2, 39, 0, 0, 0, 0, 0, 0,       4, 4, 505, 5},
    {-7, 112, 37, 48, 0, 0, 0, 0, 0, 0, 0, 0,        2, 2, 503, 3},
    {-8, 112, 91, 102, 0, 0, 0, 0, 0, 0, 0, 0,       2, 2, 503, 3},
    {-9, 112, 92, 103, 0, 0, 0, 0, 0, 0, 0, 0,       2, 2, 503, 3},
    {-10, 112, 93, 104, 2, 44, 0, 0, 0, 0, 0, 0,     4, 4, 505, 5},
    {-11, 112, 94, 105, 2, 45, 0, 0, 0, 0, 0, 0,     4, 4, 505, 5},
    {-12, 112, 95, 106, 0, 0, 0, 0, 0, 0, 0, 0,      2, 2, 503, 3},
    {-13, 112, 96, 110, 1, 46, 0, 0, 0, 0, 0, 0,     3, 3, 504, 4},
    {-14, 114, 39, 52, 3, 47, 1, 1, 5, 0, 0, 0,      7, 7, 508, 8},
    {-15, 114, 39, 52, 3, 47, 2, 0, 1, 0, 0, 0,      7, 7, 508, 8},
    {-16, 114, 39, 52, 0, 0, 1, 0, 2, 0, 0, 0,       3, 3, 504, 4},
    // Four members of two figures each into a squad of three: the fourth is made and let go, and in
    // base slots its two slots are the next ones free.
    {-17, 113, 34, 0, 0, 0, 0, 0, 0, 3, 33, 0,       9, 7, 510, 8},
    // Four into a squad of two: the third is let go, the fourth takes its slots and goes too.
    {-18, 113, 97, 0, 0, 0, 0, 0, 0, 2, 89, 0,       9, 5, 510, 6},
    {-19, 113, 38, 0, 2, 48, 0, 0, 0, 2, 0, 0,       9, 9, 510, 10},
    {-20, 113, 38, 0, 2, 49, 0, 0, 0, 3, 37, 0,      9, 9, 510, 10},
    {-21, 113, 38, 0, 2, 50, 0, 0, 0, 3, 90, 2,      15, 15, 516, 16},
    // Four into a squad of three; the buttons come after and take the let-go member's base slots.
    {-22, 113, 38, 0, 2, 51, 0, 0, 0, 3, 92, 0,      11, 9, 512, 10},
    {-23, 113, 100, 0, 2, 52, 0, 0, 0, 4, 95, 0,     11, 11, 512, 12},
};
// clang-format on

struct Census {
  int figures, units, items;
  bool operator==(const Census&) const = default;
};

Census Count() {
  Census c{0, 0, 0};
  for (int i = 1; i < kFgrsSlots; i++) c.figures += Fgrs.mf[i].status != 0;
  for (int i = 1; i < kRecPool; i++) {
    c.units += UN_PoolAt(i)->isUse;
    c.items += item_PoolAt(i)->isUse;
  }
  return c;
}

using KombiTest = CatalogueTest;

void CheckKombi(const KRow& r, Fgr* f, int forBaner, int toBase) {
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->status, r.kind);
  EXPECT_EQ(f->bornTehnola, r.born);
  EXPECT_EQ(Fgr::Owner(f), forBaner);
  EXPECT_EQ(Fgr::IsBase(f), toBase);
  if (toBase) {
    EXPECT_EQ(f->active, 0);
  }
  EXPECT_EQ(ChainLen(f->P2_Sub_UseGun), r.gunBorn ? 1 : 0);
  if (r.gunBorn) {
    EXPECT_EQ(f->P2_Sub_UseGun->bornTehnola, r.gunBorn);
    EXPECT_EQ(f->P2_Sub_UseGun->pParent, f);
    EXPECT_EQ(Fgr::IsBase(f->P2_Sub_UseGun), toBase);
  }
  EXPECT_EQ(ChainLen(f->P2_Sub_Kno), r.knos);
  for (Fgr* k = f->P2_Sub_Kno; k; k = k->pTail) {
    EXPECT_EQ(k->ProcNomOnK, r.knoOnK);
    EXPECT_EQ(Fgr::IsBase(k), toBase);
  }
  EXPECT_EQ(ChainLen(f->P2_Sub_UseSkil), r.skills);
  EXPECT_EQ(ChainLen(f->P2_Sub_UseDet), r.book);
  if (r.trueCaptain) {
    EXPECT_EQ(f->trueCaptain, r.trueCaptain);
  }
  EXPECT_EQ(ChainLen(f->P2_Sub_Unit), r.members);
  EXPECT_EQ(f->Sub_Unit_now, r.members);
  for (Fgr* m = f->P2_Sub_Unit; m; m = m->pTail) {
    if (r.memberBorn) {
      EXPECT_EQ(m->bornTehnola, r.memberBorn);
    }
    EXPECT_EQ(m->baner, forBaner);
    EXPECT_EQ(ChainLen(m->P2_Sub_UseGun), 1);
    EXPECT_EQ(Fgr::IsBase(m), toBase);
  }
  if (r.n == -21) {
    EXPECT_EQ(ChainLen(f->P2_Sub_Unit->P2_Sub_Kno), r.memberKnos);
  }
  EXPECT_EQ(Count().figures, r.alive);
}

}  // namespace

TEST_F(KombiTest, EveryKombiBuildsItsFiguresInLocationAndBaseSlots) {
  for (const KRow& r : kKombis) {
    for (int toBase = 0; toBase <= 1; toBase++) {
      SCOPED_TRACE(testing::Message() << "kombi " << r.n << " toBase " << toBase);
      Fresh();
      const int id0 = NextId();
      CheckKombi(r, KombiPreset(r.n, 3, toBase), 3, toBase);
      EXPECT_EQ(NextId() - id0 - 1, r.made);  // every figure made took a figure number
      const Fgr* next = Fgrs.AddFgr(fgrDekor, toBase);
      ASSERT_NE(next, nullptr);
      EXPECT_EQ(next->nom, toBase ? r.nextBase : r.nextLoc);
    }
  }
  EXPECT_EQ(KombiPreset(0, 1, 0), nullptr);
  EXPECT_EQ(KombiPreset(-24, 1, 0), nullptr);
  EXPECT_EQ(Fgr_Create(5, 1, 0), nullptr);
  EXPECT_EQ(Fgr_Create(0, 1, 0), nullptr);
  Fgr* g = Fgr_Create(-3, 0, 0);  // side 0 sets no owner
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->baner, 0);
}

// A full container. Kombi -17 with room for only two members leaves a squad of two and returns it
// (a third member whose gun finds no slot takes its unit along); with room for none the squad goes
// and none is answered. A body that fails after its main figure was made answers none and leaves
// what it made: -5 with room for its unit, gun and two of five buttons; -23 with room for one member
// and one button (the slot a member without its gun gave back) or for four members and one button; -19,
// whose squad stays even without a member.
TEST_F(KombiTest, AFullContainerGivesASmallerSquadOrLeavesWhatWasMade) {
  struct Row {
    int n, free;
    bool answered;
    int alive, members, knos;
  };
  const Row rows[] = {
      {-17, 5, true, 5, 2, 0},    {-17, 6, true, 5, 2, 0},  {-17, 1, false, 0, 0, 0},
      {-17, 0, false, 0, 0, 0},   {-5, 4, false, 4, 0, 2},  {-5, 1, false, 0, 0, 0},
      {-19, 1, false, 1, 0, 0},   {-19, 3, false, 3, 1, 0}, {-23, 4, false, 4, 1, 1},
      {-23, 10, false, 10, 4, 1}, {-1, 3, false, 3, 0, 2},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "kombi " << r.n << " free " << r.free);
    Fresh();
    Records_ResetPools();
    FillLocation(r.free);
    const Census before = Count();
    Fgr* got = KombiPreset(r.n, 2, 0);
    EXPECT_EQ(got != nullptr, r.answered);
    EXPECT_EQ(Count().figures - before.figures, r.alive);
    // The main figure is the first one made, in the first free slot.
    if (!r.alive) continue;
    Fgr* main = &Fgrs.mf[kFgrsSlots - r.free];
    if (r.answered) {
      EXPECT_EQ(got, main);
    }
    EXPECT_EQ(ChainLen(main->P2_Sub_Unit), r.members);
    EXPECT_EQ(main->Sub_Unit_now, r.members);
    EXPECT_EQ(ChainLen(main->P2_Sub_Kno), r.knos);
  }
}

TEST_F(KombiTest, SkillsAndSpellBooks) {
  Fgr* c = KombiPreset(kombi_Captain1, 2, 0);
  ASSERT_NE(c, nullptr);
  Fgr* s3 = c->P2_Sub_UseSkil->pTail;
  ASSERT_NE(s3, nullptr);
  EXPECT_EQ(s3->AbilSkilVers, 3);
  EXPECT_EQ(std::vector<int>({s3->SkilRangBase, s3->SkilRangExt2, s3->SkilRangExt3}),
            std::vector<int>({4, 1, 1}));
  for (Fgr* k = c->P2_Sub_Kno; k; k = k->pTail) EXPECT_EQ(k->ProcNomOnR, 56);
  EXPECT_EQ(c->P2_Sub_Kno->pTail->Kno_MsgTitul, 81);
  EXPECT_EQ(c->P2_Sub_Kno->pTail->Kno_MsgHint2, 83);

  int before = Count().figures;
  EXPECT_EQ(Unit_SetChars(c, 13, 1, 1, 1), 0);  // no such skill: nothing made
  EXPECT_EQ(Unit_SetChars(c, 4, 100, 100, 100), 0);
  EXPECT_EQ(Unit_SetChars(c, 4, 0, -1, -1), 0);
  EXPECT_EQ(Unit_SetChars(nullptr, 4, 1, 1, 1), 0);
  EXPECT_EQ(Unit_SetChars(c, 99, 1, 1, 1), 0);
  EXPECT_EQ(Count().figures, before);
  // Levels beyond the adder's clamp, and relative levels without a skill to add to.
  EXPECT_EQ(Unit_SetChars(c, 4, 9, -3, 2), 1);
  Fgr* s4 = c->P2_Sub_UseSkil->pTail->pTail;
  EXPECT_EQ(std::vector<int>({s4->AbilSkilVers, s4->SkilRangBase, s4->SkilRangExt2, s4->SkilRangExt3}),
            std::vector<int>({4, 4, 0, 2}));
  EXPECT_EQ(Unit_SetChars(c, 6, 103, 100, 102), 1);
  Fgr* s6 = s4->pTail;
  EXPECT_EQ(std::vector<int>({s6->AbilSkilVers, s6->SkilRangBase, s6->SkilRangExt2, s6->SkilRangExt3}),
            std::vector<int>({6, 1, 1, 1}));
  EXPECT_EQ(Unit_SetChars(c, 7, 1, 1, 1), 0);  // the captain's four skill places are taken

  Fgr* u = KombiPreset(kombi_Captain2, 2, 0);
  ASSERT_EQ(Unit_AddBookZak(u, 1), 1);
  Fgr* first = u->P_PrepZak1;
  ASSERT_EQ(Unit_AddBookZak(u, 2), 1);
  Fgr* second = u->P_PrepZak2;
  ASSERT_EQ(Unit_AddBookZak(u, 3), 1);
  EXPECT_EQ(u->P_PrepZak1, first);
  EXPECT_NE(u->P_PrepZak2, second);
  EXPECT_EQ(u->P_PrepZak2->MagikVers, 3);
  EXPECT_EQ(first->MagikVers, 1);
  EXPECT_EQ(Unit_AddBookZak(nullptr, 1), 0);
}

TEST_F(KombiTest, UnitsAtACellWithTheirGuns) {
  const int cell = 40 * 256 + 40;
  Fgr* u = Unit_CreateAtCell(112, 9421, 4, cell, 0, 0, 301, 9821, 0, 0);
  ASSERT_NE(u, nullptr);
  EXPECT_EQ(u->baner, 4);
  EXPECT_EQ(ChainLen(u->P2_Sub_UseGun), 1);
  Census c = Count();
  // No first part, a second part without room, a kind that is no unit: nothing stays.
  EXPECT_EQ(Unit_CreateAtCell(112, 9421, 4, cell, 0, 0, 0, 9821, 0, 0), nullptr);
  EXPECT_EQ(Unit_CreateAtCell(112, 9421, 4, cell, 0, 0, 301, 9821, 301, 9801), nullptr);
  EXPECT_EQ(Unit_CreateAtCell(113, 9561, 4, cell, 0, 0, 301, 9821, 0, 0), nullptr);
  EXPECT_EQ(Count(), c);
  Fgr* w = Unit_CreateAtCell(112, 9491, 4, cell, 0, 0, 301, 9871, 301, 9881);  // two guns fit
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(ChainLen(w->P2_Sub_UseGun), 2);

  EXPECT_NE(Unit_CreateNear(112, 9421, 1, 1000, 1000, 20, 0, 301, 9821), nullptr);
  EXPECT_EQ(Unit_CreateNear(112, 9421, 1, -500, 1000, 20, 0, 301, 9821), nullptr);
  EXPECT_EQ(Unit_CreateNear(112, 9421, 1, 1.0e30f, 1000, 20, 0, 301, 9821), nullptr);

  Fresh();
  Fgr_CreateForOwner(nullptr);
  EXPECT_EQ(Count().figures, 0);
  Fgr_CreateForPlayer(cell);
  Fgr* b = Fgrs.AddFgr(203, 0);
  ASSERT_EQ(PropsFill(9671, b, 1), 1);
  Fgr::SetBanerChain(b, 3);
  Fgr_CreateForOwner(b);
  int builders[6] = {};
  for (Fgr& f : Fgrs.mf)
    if (f.status == 111) builders[f.baner]++;
  EXPECT_EQ(builders[2], 1);
  EXPECT_EQ(builders[3], 1);
}
