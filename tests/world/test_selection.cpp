// The selection: picking under a headless GL context through a known camera, the list's rules, its
// tidy step and the marks, and the small figure operations beside the procedures.
#include "frames_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "figures/chains.h"
#include "platform/platform.h"
#include "render/scene.h"
#include "world/figure_ops.h"

namespace {

constexpr int kW = 320, kH = 240;

class Picking : public FramesTest {
 protected:
  static void SetUpTestSuite() { sOk = Plat_HeadlessContext(kW, kH) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    FramesTest::SetUp();
    ASSERT_TRUE(sOk) << "no headless GL context";
    // The main view: from above and behind (500, 300, 300) down onto (500, 0, 500).
    PickView = RendView{};
    PickView.viewport[2] = kW;
    PickView.viewport[3] = kH;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, (double)kW / kH, 1.0, 2000.0);
    glGetDoublev(GL_PROJECTION_MATRIX, PickView.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(500, 300, 300, 500, 0, 500, 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, PickView.modelview);
  }
  // Where a point one unit above the ground at (x, z) shows in the window.
  static void Screen(const Fgr* f, int* sx, int* sy) {
    ASSERT_EQ(
        Proj_ToScreen(f->priv_position_x, f->priv_position_y + 1, f->priv_position_z, sx, sy, &PickView),
        1);
  }
  // An 8 by 8 click box around the figure, as the game update makes it.
  static int Click(const Fgr* f) {
    int sx, sy;
    Screen(f, &sx, &sy);
    return SelectFgrsInRect(&SelList, sx - 4.0f, sy - 4.0f, 8, 8, 1);
  }
  static bool sOk;
};
bool Picking::sOk = false;

TEST_F(Picking, ADragTakesTheOwnUnitsAndAClickTheNearestFigureOfAnySide) {
  Fgr* own[3] = {Unit(2, 470, 500), Unit(2, 500, 500), Unit(2, 530, 500)};
  Fgr* enemy = Unit(3, 500, 540);
  Fgr* below = Unit(2, 500, 470);
  below->UnderGround = 1;  // on the floor not shown
  int x0, y0, x2, y2;
  Screen(own[0], &x0, &y0);
  Screen(own[2], &x2, &y2);
  int left = std::min(x0, x2) - 20, right = std::max(x0, x2) + 20;  // the enemy lies inside too
  EXPECT_EQ(SelectFgrsInRect(&SelList, left, 10, right - left, kH - 20, 0), 3);
  ASSERT_EQ(SelList.count, 3);
  for (int i = 0; i < 3; i++) EXPECT_EQ(SelList_Contains(own[i]), 1);
  EXPECT_EQ(SelList_Contains(enemy), 0);
  EXPECT_EQ(SelList_Contains(below), 0);

  EXPECT_EQ(Click(enemy), 1);  // an enemy may be selected alone
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(SelList.e[1], enemy);

  // On the line from the camera to own[1], 30 units up: nearer the camera.
  Fgr* above = Unit(3, 500, 500 - 200.0f * 30 / 299);
  above->priv_position_y = 30;
  int sx, sy;
  Screen(own[1], &sx, &sy);
  EXPECT_EQ(SelectFgrsInRect(&SelList, sx - 4.0f, sy - 4.0f, 8, 8, 1), 1);
  EXPECT_EQ(SelList.e[1], above);
  EXPECT_EQ(PickFgrAtCursor(&Fgrs, sx - 4.0f, sy - 4.0f, 8, 8, 1), nullptr);  // unseen enemy
  above->KlientVidit = 1;
  EXPECT_EQ(PickFgrAtCursor(&Fgrs, sx - 4.0f, sy - 4.0f, 8, 8, 1), above);
  above->isMort = 100;
  EXPECT_EQ(PickFgrAtCursor(&Fgrs, sx - 4.0f, sy - 4.0f, 8, 8, 0), nullptr);  // dying
  EXPECT_EQ(Click(above), 0);
  EXPECT_EQ(SelList.count, 0);

  // The empty sky, and a free slot left where a figure stood: nothing.
  EXPECT_EQ(SelectFgrsInRect(&SelList, 2, kH - 10.0f, 8, 8, 1), 0);
  own[0]->Sbros();
  EXPECT_EQ(Click(own[0]), 0);
}

TEST_F(Picking, AFigureThatRefusesMassSelectionStaysOnlyWhileAlone) {
  Fgr* loner = Unit(2, 470, 500);
  loner->nonMassSelect = 1;
  Fgr* a = Unit(2, 500, 500);
  Fgr* b = Unit(2, 530, 500);
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kW, kH, 0), 2);
  EXPECT_EQ(SelList_Contains(loner), 0);
  EXPECT_EQ(SelList_Contains(a) + SelList_Contains(b), 2);
  a->Sbros();
  b->Sbros();
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kW, kH, 0), 1);
  EXPECT_EQ(SelList.e[1], loner);
}

TEST_F(Picking, SquadMembersSelectTheirHolderOnceAndShowTheSquadMark) {
  Fgr* squad = Make(fgrSquadHolder);
  squad->isUnitWork = 3;
  squad->Sub_Unit_max = 10;
  Fgr* m[3] = {Unit(2, 470, 500), Unit(2, 500, 500), Unit(2, 530, 500)};
  for (Fgr* u : m) ASSERT_EQ(Fgr_Sub_AddUnit(squad, u, 0), 1);
  Fgr* single = Unit(2, 500, 470);
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kW, kH, 0), 2);
  EXPECT_EQ(SelList_Contains(squad), 1);
  EXPECT_EQ(SelList_Contains(single), 1);
  Fgr_IsSelectedUpd(squad);
  for (Fgr* u : m) Fgr_UpdSelMark(u);
  Fgr_UpdSelMark(single);
  EXPECT_EQ(squad->isSelected, 1);
  EXPECT_EQ(m[0]->isSelected, 2);
  EXPECT_EQ(single->isSelected, 1);
  EXPECT_EQ(pFgrSelectedOne(1), nullptr);  // two selected
  EXPECT_EQ(Click(m[2]), 1);
  EXPECT_EQ(pFgrSelectedOne(0), squad);
  EXPECT_EQ(pFgrSelectedOne(1), m[0]);
}

using Selection = FramesTest;

TEST_F(Selection, TheListTakesAtMost199AndOnlyActiveFiguresOutsideTheEditor) {
  Fgr* u = Unit(2, 50, 50);
  for (int i = 1; i <= 199; i++) ASSERT_EQ(SelList_Add(&SelList, u, 0), 1) << i;
  EXPECT_EQ(SelList_Add(&SelList, u, 0), 0);
  EXPECT_EQ(SelList.count, 199);
  SelList_Clear();
  Fgr* off = Unit(2, 60, 50);
  off->active = 0;
  EXPECT_EQ(SelList_Add(&SelList, off, 0), 0);
  SelList_SetOne(&SelList, off, 0);
  EXPECT_EQ(SelList.count, 0);
  ProgMode = 3;
  EXPECT_EQ(SelList_Add(&SelList, off, 0), 1);
  ProgMode = 2;
  PointOrderFgr = u;
  PointOrderSig = 7;
  SelList_SetOne(&SelList, u, 0);
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(PointOrderFgr, nullptr);  // a waiting point order is dropped
  EXPECT_EQ(PointOrderSig, 0);
}

TEST_F(Selection, TheTidyStepDropsForeignMixesAndDeadFirstEntriesTwiceASecond) {
  Fgr* a = Unit(2, 50, 50);
  Fgr* b = Unit(2, 60, 50);
  Fgr* enemy = Unit(3, 70, 50);
  a->Sub_Kno_max = 18;
  Fgr* kno[20];
  for (int i = 0; i < 20; i++) {
    kno[i] = Make(fgrKnoUnit);
    Fgr_Sub_AddKno(a, kno[i]);
  }
  SelList_Add(&SelList, enemy, 0);
  SelList_Add(&SelList, a, 0);
  for (int frame = 1; frame <= 4; frame++) SelList_Tidy(&SelList);  // 400 ms
  EXPECT_EQ(SelList.count, 2);
  SelList_Tidy(&SelList);  // 500 ms: a mix with a foreign figure is dropped
  EXPECT_EQ(SelList.count, 0);

  SelList_SetOne(&SelList, enemy, 0);  // alone it stays
  for (int frame = 1; frame <= 10; frame++) SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.count, 1);

  SelList_SetOne(&SelList, a, 0);
  SelList_Tidy(&SelList);
  for (int i = 1; i <= 18; i++) EXPECT_EQ(SelList.kno[i], kno[i - 1]);  // the first 18 buttons
  EXPECT_EQ(Fgr_MayCommand(a, 3), 1);
  kno[2]->active = 0;
  EXPECT_EQ(Fgr_MayCommand(a, 3), 0);
  EXPECT_EQ(Fgr_MayCommand(a, 19), 0);

  SelList_Add(&SelList, b, 0);
  SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.kno[1], nullptr);  // no buttons for two
  a->isMort = 500;                     // the first entry dies: the last takes its place
  for (int frame = 1; frame <= 5; frame++) SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(SelList.e[1], b);

  EditModeOn = 1;  // the editor keeps everything
  b->active = 0;
  for (int frame = 1; frame <= 10; frame++) SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.count, 1);
}

TEST_F(Selection, SmallOperationsKeepToTheirRanges) {
  int tech5 = Side_Tech(0, 5)->w[0];
  for (int side : {0, 6, -1}) Side_TechMark3(5, side);
  for (int n : {0, 500, -3}) Side_TechMark3(n, 1);
  EXPECT_EQ(Side_Tech(0, 5)->w[0], tech5);
  Side_TechMark3(1, 1);
  Side_TechMark3(499, 5);
  EXPECT_EQ(Side_Tech(0, 1)->w[0], 3);
  EXPECT_EQ(Side_Tech(4, 499)->w[0], 3);

  struct Take {
    int store, amount, left, taken;
  };
  for (const Take& t :
       {Take{5, 8, 0, 5}, Take{8, 5, 3, 5}, Take{0, 5, 0, 0}, Take{5, 0, 5, 0}, Take{5, 5, 0, 5}}) {
    int store = t.store, amount = t.amount;
    EXPECT_EQ(IntTakeUpTo(&store, &amount), t.taken);
    EXPECT_EQ(store, t.left);
  }

  struct Kind {
    int kind, preset;
  };
  for (const Kind& k : {Kind{200, 0}, Kind{201, 9651}, Kind{202, 9661}, Kind{203, 9671}, Kind{204, 9681},
                        Kind{205, 9691}, Kind{206, 0}, Kind{0, 0}})
    EXPECT_EQ(Bunker_PropsOfKind(k.kind), k.preset) << k.kind;

  Fgr* f = Make(fgrPultFlag);
  struct Radii {
    int cls, vis, stroi, det, low, high;
  };
  for (const Radii& r : {Radii{4, 120, 0, 15, 21000, 24000}, Radii{5, 90, 45, 15, 32000, 35000},
                         Radii{1, 60, 60, 15, 14000, 16000}}) {
    for (int i = 0; i < 50; i++) {
      Bunker_SetClassRadii(f, r.cls);
      EXPECT_EQ(f->get_RadiusVis_, r.vis);
      EXPECT_EQ(f->get_RadStroi_, r.stroi);
      EXPECT_EQ(f->get_RadDetector_, r.det);
      EXPECT_GE(f->waitNow, r.low);
      EXPECT_LE(f->waitNow, r.high);
      EXPECT_EQ(f->waitFull, f->waitNow);
    }
  }
  Bunker_SetClassRadii(nullptr, 4);

  Fgr* t = Make(fgrTriger);
  t->waitFull = t->waitNow = t->parentSig = t->trigPultKno = 4;
  Fgr_Disarm(t);
  EXPECT_EQ(t->active + t->waitFull + t->waitNow + t->parentSig + t->trigPultKno, 0);
  Fgr_Disarm(nullptr);

  // The flag a capture place holds: its first flag among its parts while that flag's state is up.
  Fgr* place = Make(fgrFieldSpec);
  place->Sub_UseDet_max = 5;
  Fgr* part = Make(fgrTriger);
  Fgr* flag = Make(fgrPultFlag);
  ASSERT_EQ(Fgr_Sub_AddUseDet(place, part, 1), 1);
  ASSERT_EQ(Fgr_Sub_AddUseDet(place, flag, 1), 1);
  EXPECT_EQ(FieldSpec_ActiveFlag(place), nullptr);
  flag->xExpNow = 1;
  EXPECT_EQ(FieldSpec_ActiveFlag(place), flag);
  EXPECT_EQ(FieldSpec_ActiveFlag(flag), nullptr);  // only a capture place holds one
  EXPECT_EQ(FieldSpec_ActiveFlag(nullptr), nullptr);

  EXPECT_EQ(Fgr_NotHoldingPost(nullptr), 1);
  Fgr* post = Unit(2, 50, 50);
  EXPECT_EQ(Fgr_NotHoldingPost(post), 1);  // not holding fire
  post->DontUseGunMode = 1;
  EXPECT_EQ(Fgr_NotHoldingPost(post), 0);
  post->targPathKle = 300;
  EXPECT_EQ(Fgr_NotHoldingPost(post), 1);
  post->targPathKle = 0;
  post->isMort = 10;
  EXPECT_EQ(Fgr_NotHoldingPost(post), 1);
}

}  // namespace
