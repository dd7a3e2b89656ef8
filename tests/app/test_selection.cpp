// The selection: the left button's click and drag on the field with the shipped key commands,
// squads and figures that refuse mass selection in a dragged rectangle, the list's rules and its
// tidy step, and the small figure operations beside the procedures.
#include <cstdlib>

#include "figures/chains.h"
#include "game_fixture.h"
#include "render/kmd_block.h"
#include "shell/key_commands.h"
#include "world/figure_ops.h"
#include "world/selection.h"

namespace {

using Picking = CameraTest;

// One game frame with the left button down or up and the cursor at (x, y): the button reaches the
// platform's key state and the key-state table as the window procedure leaves them, then the key
// commands and the game update run.
void LeftButtonFrame(int x, int y, int down) {
  Plat_PostMessage(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, 0);
  PlatMsg m;
  while (Plat_PeekMessage(&m)) {
  }
  KeyCmds.KeyDownTable[VK_LBUTTON] = down;
  KeyCmds.MouseX = x, KeyCmds.MouseY = y;
  Kmd_UpdAll();
  GameUpdate();
}

TEST_F(Picking, TheShippedSelectCommandSelectsAtTheCursorOnAClickAndInTheRectangleWhenADragEnds) {
  setenv("TOLV_VIDEO", "headless", 1);
  const std::string keep = KeyCmds.gsFileSig;
  KeyCmds.gsFileSig = SourcePath("uni_files/res/sig.txt");
  Kmd_ResetAll();
  ASSERT_EQ(Kmd_Load(), 1);
  KeyCmds.gsFileSig = keep;
  MiniMapRect = {};
  FieldMouse.FieldDragState = FieldMouse.FieldDragLock = 0;
  StageReq.EtapLocationNom = 1, StageReq.EtapLoadReqLoc = 0;
  Fgr* u[3] = {Unit(2, 470, 500), Unit(2, 500, 500), Unit(2, 530, 500)};
  int sx[3], sy[3];
  for (int i = 0; i < 3; i++)
    ASSERT_EQ(Proj_ToScreen(u[i]->priv_position_x, 1, u[i]->priv_position_z, &sx[i], &sy[i],
                            &RendScene.PickView),
              1);
  auto only = [](std::initializer_list<Fgr*> want) {
    if (SelList.count != (int)want.size()) return false;
    for (Fgr* f : want)
      if (!SelList_Contains(f)) return false;
    return true;
  };
  // A click, the cursor trembling by 3 pixels while the button is down: nothing on the press, the
  // figure under the cursor on the release.
  LeftButtonFrame(sx[0], sy[0], 1);
  EXPECT_EQ(SelList.count, 0) << "a press selects nothing yet";
  LeftButtonFrame(sx[0] + 3, sy[0], 1);
  EXPECT_EQ(FieldMouse.FieldDragState, 1);
  LeftButtonFrame(sx[0] + 3, sy[0], 0);
  EXPECT_TRUE(only({u[0]})) << SelList.count;
  EXPECT_EQ(FieldMouse.FieldDragState, 0);
  // A drag around the other two: their rectangle on the release, and clicks lock for 200 ms.
  const int left = (sx[0] + sx[1]) / 2, right = sx[2] + (sx[2] - sx[1]) / 2;
  LeftButtonFrame(left, sy[1] + 15, 1);
  LeftButtonFrame(left + 10, sy[1], 1);
  LeftButtonFrame(right, sy[1] - 15, 1);
  EXPECT_EQ(FieldMouse.FieldDragState, 2);
  EXPECT_TRUE(only({u[0]})) << "the drag selects nothing while the button is held";
  LeftButtonFrame(right, sy[1] - 15, 0);
  EXPECT_TRUE(only({u[1], u[2]})) << SelList.count;
  EXPECT_EQ(FieldMouse.FieldDragState, 0);
  EXPECT_EQ(FieldMouse.FieldDragLock, 200);
  // A click within the lock is ignored (frames of 50 ms: the release comes 100 ms later); one after
  // it, on the ground, selects nothing.
  FrameClock.KadrStep = 50;
  LeftButtonFrame(sx[0], sy[0], 1);
  LeftButtonFrame(sx[0], sy[0], 0);
  EXPECT_TRUE(only({u[1], u[2]}));
  LeftButtonFrame(left, sy[1] + 40, 1);
  LeftButtonFrame(left, sy[1] + 40, 0);
  EXPECT_EQ(SelList.count, 0) << "the ignored click left no drag behind to start from";
  StageReq.EtapLocationNom = 0;
  Kmd_ResetAll();
}

TEST_F(Picking, SquadsJoinOnceAndAFigureThatRefusesMassSelectionStaysOnlyWhileAlone) {
  Fgr* squad = Make(fgrSquadHolder);
  squad->isUnitWork = 3, squad->Sub_Unit_max = 10;
  Fgr* m[3] = {Unit(2, 470, 500), Unit(2, 500, 500), Unit(2, 530, 500)};
  for (Fgr* u : m) ASSERT_EQ(Fgr_Sub_AddUnit(squad, u, 0), 1);
  Fgr* single = Unit(2, 500, 470);
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kCamW, kCamH, 0), 2);
  EXPECT_EQ(SelList_Contains(squad) + SelList_Contains(single), 2);
  Fgr_IsSelectedUpd(squad);
  for (Fgr* f : {m[0], single}) Fgr_UpdSelMark(f);
  EXPECT_EQ(squad->isSelected, 1);
  EXPECT_EQ(m[0]->isSelected, 2);  // a unit of a selected squad
  EXPECT_EQ(single->isSelected, 1);
  EXPECT_EQ(pFgrSelectedOne(1), nullptr);  // two selected
  At(m[2], 1 /* select */);
  EXPECT_EQ(pFgrSelectedOne(0), squad);
  EXPECT_EQ(pFgrSelectedOne(1), m[0]);

  single->nonMassSelect = 1;  // taken first in slot order, then replaced by the next
  squad->Sbros();
  Fgr* other = Unit(2, 530, 470);
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kCamW, kCamH, 0), 1);
  EXPECT_EQ(SelList.e[1], other);
  other->Sbros();
  EXPECT_EQ(SelectFgrsInRect(&SelList, 0, 0, kCamW, kCamH, 0), 1);
  EXPECT_EQ(SelList.e[1], single);  // alone it stays
}

using Selection = FramesTest;

TEST_F(Selection, TheListTakes199ActiveFiguresAndItsTidyStepRunsTwiceASecond) {
  Fgr* a = Unit(2, 50, 50);
  Fgr* b = Unit(2, 60, 50);
  Fgr* enemy = Unit(3, 70, 50);
  for (int i = 1; i <= 199; i++) ASSERT_EQ(SelList_Add(&SelList, a, 0), 1) << i;
  EXPECT_EQ(SelList_Add(&SelList, a, 0), 0);
  SelList_Clear();
  b->active = 0;
  EXPECT_EQ(SelList_Add(&SelList, b, 0), 0);  // inactive: only in the editor
  ModeWords.ProgMode = kModeEditor;
  EXPECT_EQ(SelList_Add(&SelList, b, 0), 1);
  ModeWords.ProgMode = kModePlay;
  b->active = 1;
  WorldMouse.PointOrderFgr = a, WorldMouse.PointOrderSig = 7;
  SelList_SetOne(&SelList, enemy, 0);
  EXPECT_EQ(WorldMouse.PointOrderFgr, nullptr);  // a waiting point order is dropped
  EXPECT_EQ(WorldMouse.PointOrderSig, 0);

  SelList_Add(&SelList, a, 0);
  for (int frame = 1; frame <= 4; frame++) SelList_Tidy(&SelList);  // 400 ms
  EXPECT_EQ(SelList.count, 2);
  SelList_Tidy(&SelList);  // 500 ms: a mix with a foreign figure is dropped
  EXPECT_EQ(SelList.count, 0);
  SelList_SetOne(&SelList, enemy, 0);  // an enemy alone stays
  for (int frame = 1; frame <= 10; frame++) SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.count, 1);

  a->Sub_Kno_max = 18;
  Fgr* kno[18];
  for (Fgr*& k : kno) Fgr_Sub_AddKno(a, k = Make(fgrKnoUnit));
  SelList_SetOne(&SelList, a, 0);
  SelList_Tidy(&SelList);
  for (int i = 1; i <= 18; i++) EXPECT_EQ(SelList.PanelBtnFgrs[i], kno[i - 1]);
  EXPECT_EQ(Fgr_MayCommand(a, 3), 1);
  kno[2]->active = 0;
  EXPECT_EQ(Fgr_MayCommand(a, 3), 0);
  SelList_Add(&SelList, b, 0);
  SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.PanelBtnFgrs[1], nullptr);  // no buttons for two
  a->isMort = 500;                              // the first entry dies: the last takes its place
  for (int frame = 1; frame <= 5; frame++) SelList_Tidy(&SelList);
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(SelList.e[1], b);
}

TEST_F(Selection, SmallOperationsKeepToTheirRanges) {
  for (int side : {0, 6}) Side_TechMark3(5, side);
  for (int n : {0, 500}) Side_TechMark3(n, 1);
  Side_TechMark3(499, 5);
  EXPECT_EQ(Side_Tech(0, 5)->w[0] + Side_Tech(0, 0)->w[0], 0);
  EXPECT_EQ(Side_Tech(4, 499)->w[0], 3);

  struct Take {
    int store, amount, left, taken;
  };
  for (const Take& t : {Take{5, 8, 0, 5}, Take{8, 5, 3, 5}, Take{0, 5, 0, 0}, Take{5, 0, 5, 0}}) {
    int store = t.store, amount = t.amount;
    EXPECT_EQ(IntTakeUpTo(&store, &amount), t.taken);
    EXPECT_EQ(store, t.left);
  }

  Fgr* f = Make(fgrPultFlag);
  struct Radii {
    int cls, vis, stroi, low, high;
  };
  for (const Radii& r :
       {Radii{4, 120, 0, 21000, 24000}, Radii{5, 90, 45, 32000, 35000}, Radii{1, 60, 60, 14000, 16000}})
    for (int i = 0; i < 50; i++) {
      Bunker_SetClassRadii(f, r.cls);
      EXPECT_EQ(f->get_RadiusVis_ * 1000 + f->get_RadStroi_, r.vis * 1000 + r.stroi);
      EXPECT_EQ(f->get_RadDetector_, 15);
      EXPECT_TRUE(f->waitNow >= r.low && f->waitNow <= r.high && f->waitFull == f->waitNow)
          << f->waitNow;
    }

  Fgr* t = Make(fgrTriger);
  t->waitFull = t->waitNow = t->parentSig = t->trigPultKno = 4;
  Fgr_Disarm(t);
  EXPECT_EQ(t->active + t->waitFull + t->waitNow + t->parentSig + t->trigPultKno, 0);

  // The flag a capture place holds: its first flag among its parts while that flag's state is up.
  Fgr* place = Make(fgrFieldSpec);
  place->Sub_UseDet_max = 5;
  ASSERT_EQ(Fgr_Sub_AddUseDet(place, Make(fgrTriger), 1), 1);
  ASSERT_EQ(Fgr_Sub_AddUseDet(place, f, 1), 1);
  EXPECT_EQ(FieldSpec_ActiveFlag(place), nullptr);
  f->xExpNow = 1;
  EXPECT_EQ(FieldSpec_ActiveFlag(place), f);
  EXPECT_EQ(FieldSpec_ActiveFlag(f), nullptr);

  Fgr* post = Unit(2, 50, 50);
  EXPECT_EQ(Fgr_NotHoldingPost(post), 1);  // not holding fire
  post->DontUseGunMode = 1;
  EXPECT_EQ(Fgr_NotHoldingPost(post), 0);
  post->targPathKle = 300;
  EXPECT_EQ(Fgr_NotHoldingPost(post), 1);
}

}  // namespace
