// Creators by kind: the figures a land cell's object code stands for (kind, holder word, marks) on
// a valid and an invalid cell, the button set of a building, a bunker's triggers with the container
// short of room, beams, the ladder pair, and the preconditions of flag and gem collector.
#include <vector>

#include "catalogue/creators.h"
#include "catalogue_fixture.h"
#include "figures/land.h"

namespace {

struct CodeRow {
  int code;
  int kind;     // the figure made (0: none by the catalogue itself)
  int holder;   // it becomes the cell's holder
  int mark[4];  // the cell's four type bytes after, on a valid cell (-1: left as they were)
  int tex;      // its Tex1
  int stro;     // its FieldSpeStro, or activateExt for kinds 21 and 22
};

// clang-format off
const CodeRow kCodes[] = {
    {3, 18, 1, {-1}, 51, 3},
    {4, 18, 1, {-1}, 36, 4},
    {5, 18, 1, {-1}, 52, 5},
    {8, 18, 1, {-1}, 54, 8},
    {12, 18, 1, {-1}, 54, 12},
    {13, 18, 1, {-1}, 54, 13},
    {14, 18, 1, {-1}, 54, 14},
    {15, 18, 1, {-1}, 54, 15},
    {16, 20, 0, {-1}, 38, 0},
    {17, 0, 0, {2, 0, 0, 2}, 0, 0},
    {18, 0, 0, {2, 0, 0, 2}, 0, 0},
    {19, 21, 1, {2, 0, 0, 2}, 61, 1},
    {20, 21, 1, {2, 0, 0, 2}, 62, 2},
    {21, 22, 1, {2, 1, 0, 2}, 63, 1},
    {22, 22, 1, {2, 1, 0, 2}, 64, 2},
    {23, 19, 0, {2, 0, 0, 3}, 7, 0},
    {24, 19, 0, {2, 0, 0, 3}, 7, 0},
    {25, 0, 0, {2, 0, 0, 2}, 0, 0},
    {26, 0, 0, {2, 0, 0, 2}, 0, 0},
    {0, 0, 0, {-1}, 0, 0},
    {1, 0, 0, {-1}, 0, 0},
    {2, 0, 0, {-1}, 0, 0},
    {6, 0, 0, {-1}, 0, 0},
    {7, 0, 0, {-1}, 0, 0},
    {11, 0, 0, {-1}, 0, 0},
    {27, 0, 0, {-1}, 0, 0},
    {255, 0, 0, {-1}, 0, 0},
};
// clang-format on

// The one figure of the location part the call made, or null.
Fgr* OnlyNew() {
  Fgr* got = nullptr;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++) {
    if (!Fgrs.mf[i].status) continue;
    if (got) return nullptr;
    got = &Fgrs.mf[i];
  }
  return got;
}

using CreatorsTest = CatalogueTest;

}  // namespace

TEST_F(CreatorsTest, ObjectCodesMakeTheirFiguresHoldersAndMarks) {
  const int valid = 40 * 256 + 41, border = 255;  // column 255 is never valid
  for (const CodeRow& r : kCodes) {
    for (int cell : {valid, border}) {
      SCOPED_TRACE(testing::Message() << "code " << r.code << " cell " << cell);
      Fresh();
      LandKle& k = Land.LandSurface.kle[cell];
      k = LandKle{};
      k.tile = 7;
      k.objCode = static_cast<uint8_t>(r.code);
      k.cursor = 9;
      k.flag = 9;
      int c = cell;
      Fgr_CreateByCode(Land.LandSurface.kle, &c);
      Fgr* f = OnlyNew();
      EXPECT_EQ(Fgr::Status(f), r.kind);
      EXPECT_EQ(k.holder, r.holder ? f : nullptr);
      std::vector<int> bytes = {k.tile, k.objCode, k.cursor, k.flag};
      if (r.mark[0] >= 0 && cell == valid) {
        EXPECT_EQ(bytes, std::vector<int>(r.mark, r.mark + 4));
      } else {
        EXPECT_EQ(bytes, std::vector<int>({7, r.code, 9, 9}));
      }
      if (!f) continue;
      EXPECT_EQ(f->Tex1, r.tex);
      if (r.kind == 18) {
        EXPECT_EQ(f->FieldSpeStro, r.stro);
      }
      if (r.kind == 21 || r.kind == 22) {
        EXPECT_EQ(f->activateExt, r.stro);
      }
      if (r.kind == 19) {
        EXPECT_EQ(f->baner, 1);
        EXPECT_EQ(f->LandKleLUp, cell == valid ? cell - 257 : 0);
      }
    }
  }
  int none = -1;
  Fgr_CreateByCode(Land.LandSurface.kle, &none);  // off the floor: nothing, no write
  Fgr_CreateByCode(Land.LandSurface.kle, nullptr);
  int far = kLandCells;
  Fgr_CreateByCode(Land.LandSurface.kle, &far);
}

TEST_F(CreatorsTest, FieldColoursAndFlagsOfTheGemPlaces) {
  struct {
    int code;
    float r, g, b;
    int pit;
  } rows[] = {{12, 1, 0, 0, 1}, {13, 0, 0.3f, 1, 1}, {14, 1, 1, 1, 1}, {15, 0, 0.9f, 0, 1}};
  for (const auto& r : rows) {
    Fgr* f = FieldSpec_Create(r.code, 100, 200);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::vector<float>({f->fcr, f->fcg, f->fcb}), std::vector<float>({r.r, r.g, r.b}))
        << r.code;
    EXPECT_EQ(f->FieldSpeStro_PitStatus, r.pit);
  }
  Fgr* f3 = FieldSpec_Create3(7, 0, 0);
  EXPECT_EQ(f3->Tex1, 1);  // other codes keep the preset's texture
  EXPECT_EQ(f3->FieldSpeStro, 7);

  Fresh();
  FieldSpec_CreatePair(7720);
  ASSERT_EQ(LiveOfKind(18), 2);
  Fgr* a = &Fgrs.mf[501];
  Fgr* b = &Fgrs.mf[502];
  EXPECT_EQ(std::vector<float>({a->fcr, a->fcg, a->fcb}), std::vector<float>({1.0f, 0.3f, 0.4f}));
  EXPECT_EQ(std::vector<int>({a->Tex1, a->FieldSpeStro, b->Tex1, b->FieldSpeStro}),
            std::vector<int>({68, 28, 67, 28}));
  EXPECT_EQ(std::vector<float>({b->fcr, b->fcg, b->fcb}), std::vector<float>({1.0f, 1.0f, 0}));
}

TEST_F(CreatorsTest, BuildingButtonsFollowTheTableAndStopAtThePanelsRoom) {
  Fgr* bld = Fgrs.AddFgr(203, 1);
  ASSERT_EQ(PropsFill(9671, bld, 1), 1);  // room for 18
  KnoUnit_CreateSetFor(bld);
  const int onK[11] = {0, 0, 0, 36, 36, 36, 36, 36, 36, 36, 36};
  const int titul[11] = {3, 3, 3, 15, 16, 17, 96, 99, 102, 18, 19};
  const int hint1[11] = {3, 3, 3, 0, 0, 0, 97, 100, 103, 0, 0};  // 0: the preset's, which sets none
  int i = 0;
  for (Fgr* k = bld->P2_Sub_Kno; k; k = k->pTail, i++) {
    ASSERT_LT(i, 11);
    EXPECT_EQ(std::vector<int>({k->ProcNomOnK, k->Kno_MsgTitul, Fgr::IsBase(k)}),
              std::vector<int>({onK[i], titul[i], 1}));
    EXPECT_EQ(k->Kno_MsgHint1, hint1[i]) << i;
  }
  EXPECT_EQ(i, 11);
  EXPECT_EQ(bld->P2_Sub_Kno->pTail->pTail->pTail->pTail->pTail->pTail->pTail->pTail->Kno_MsgHint2, 104);

  Fresh();
  Fgr* small = Fgrs.AddFgr(101, 0);
  ASSERT_EQ(PropsFill(9171, small, 1), 1);  // room for 6
  KnoUnit_CreateSet(small);
  EXPECT_EQ(small->Sub_Kno_now, 6);
  EXPECT_EQ(LiveOfKind(402), 6);  // the buttons without room are not kept

  Fgr* other = Fgrs.AddFgr(204, 0);
  ASSERT_EQ(PropsFill(9681, other, 1), 1);
  KnoUnit_CreateSetFor(other);
  KnoUnit_CreateSetFor(nullptr);
  EXPECT_EQ(LiveOfKind(402), 6);
}

TEST_F(CreatorsTest, BunkerTriggersWithRoomForTwoOneAndNone) {
  for (int free : {2, 1, 0}) {
    SCOPED_TRACE(free);
    Fresh();
    Fgr* bunker = Fgrs.AddFgr(203, 1);
    ASSERT_EQ(PropsFill(9671, bunker, 1), 1);
    Fgr::SetBanerChain(bunker, 3);
    FillLocation(free);
    EXPECT_EQ(Bunker_AddTriger(bunker), free == 2 ? 1 : 0);
    EXPECT_EQ(bunker->Sub_UseDet_now, 0);  // they hang there without counting as parts
    int n = 0;
    for (Fgr* t = bunker->P2_Sub_UseDet; t; t = t->pTail, n++) {
      EXPECT_EQ(std::vector<int>({t->status, t->waitNow, t->baner, t->Tex1, Fgr::IsBase(t)}),
                std::vector<int>({5, 0, 3, 0, 0}));
    }
    EXPECT_EQ(n, free);
    EXPECT_EQ(LiveOfKind(5), free);
  }
  EXPECT_EQ(Bunker_AddTriger(nullptr), 0);
}

TEST_F(CreatorsTest, BeamsTriggersAndStandingFigures) {
  visUnderGround = 1;
  struct {
    int floor, imitate, under;
  } rows[] = {{-1, 0, 1}, {0, 1, 0}, {1, 0, 1}, {7, 1, 1}};
  for (const auto& r : rows) {
    Fgr* l = Laser_Create({9001, 1, 2, 3, 4, 5, 6, 29, r.imitate, 2, r.floor, 0.1f, 0.2f, 0.3f, 0.4f});
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(std::vector<int>({l->status, l->Tex1, l->UnderGround, l->baner, l->imiter}),
              std::vector<int>({3, 29, r.under, 2, r.imitate}));
    EXPECT_EQ(std::vector<float>({l->fcr, l->fcg, l->fcb, l->fca}),
              std::vector<float>({0.1f, 0.2f, 0.3f, 0.4f}));
    if (r.imitate) {
      EXPECT_FLOAT_EQ(l->haf, 4);
    } else {
      EXPECT_EQ(std::vector<float>({l->laserX, l->laserY, l->laserZ}), std::vector<float>({4, 5, 6}));
    }
  }
  Fgr* t = Triger_Create(1, 5, 3, 0, 1);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(std::vector<int>({t->status, t->Tex1, Fgr::IsBase(t), t->ProcNomUpd2}),
            std::vector<int>({5, 0, 1, 4}));
  Fgr* d = Dekor_Create(9, 0, 0);
  EXPECT_EQ(d->Tex1, 66);

  Fresh();
  FillLocation(0);
  EXPECT_EQ(Laser_Create({9001, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 1, 1, 1, 1}), nullptr);
  EXPECT_EQ(BoxPrize_Create(0, 0), nullptr);
  EXPECT_EQ(StaticBoost_Create2(0, 0), nullptr);
  FieldSpec_CreatePair(7720);
  EXPECT_EQ(LiveOfKind(18), 0);
}

TEST_F(CreatorsTest, FlagAndGemCollectorNeedAUnitOnAHeldCell) {
  const int cell = 60 * 256 + 60;
  LandKle& k = Land.LandSurface.kle[cell];
  k = LandKle{};
  k.objCode = 4;
  Fgr* unit = Fgrs.AddFgr(112, 0);
  ASSERT_EQ(PropsFill(9421, unit, 1), 1);
  Fgr* plain = Fgrs.AddFgr(20, 0);

  PultFlag_Create(cell, unit);  // no holder
  PultFlag_Create(cell, plain);
  EXPECT_EQ(LiveOfKind(6), 0);

  Fgr* holder = FieldSpec_Create3(4, 605, 605);
  k.holder = holder;
  PultFlag_Create(255, unit);  // invalid cell
  PultFlag_Create(cell, plain);
  EXPECT_EQ(LiveOfKind(6), 0);
  PultFlag_Create(cell, unit);
  ASSERT_EQ(LiveOfKind(6), 1);
  Fgr* flag = holder->P2_Sub_UseDet;
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(std::vector<int>({flag->status, flag->baner, flag->ProcNomUpd2}),
            std::vector<int>({6, 0, 7}));
  EXPECT_EQ(flag->P_FireTarg, unit);
  EXPECT_EQ(flag->pParent, holder);

  // A gem collector wants a gem cell (12..15) whose place has a working pit.
  k.objCode = 11;
  holder->FieldSpeStro_PitStatus = 1;
  GetGemX_Create(cell, unit);
  GetGemX_Create(cell, plain);
  EXPECT_EQ(LiveOfKind(7), 0);
}
