// The game frame: a player's orders carried out through the pending mouse action under a headless
// GL context and a known camera, the steps of the game update, and the cursor code of a hovered
// cell.
#include "frames_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "figures/stage.h"
#include "platform/platform.h"
#include "render/scene.h"
#include "world/mode_frames.h"
#include "world/movement.h"
#include "world/procs.h"

namespace {

constexpr int kW = 320, kH = 240;

class GameOrders : public FramesTest {
 protected:
  static void SetUpTestSuite() { sOk = Plat_HeadlessContext(kW, kH) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    FramesTest::SetUp();
    ASSERT_TRUE(sOk) << "no headless GL context";
    // The main view: from (505, 300, 300) down onto (505, 0, 505).
    PickView = RendView{};
    PickView.viewport[2] = kW;
    PickView.viewport[3] = kH;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, (double)kW / kH, 1.0, 2000.0);
    glGetDoublev(GL_PROJECTION_MATRIX, PickView.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(505, 300, 300, 505, 0, 505, 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, PickView.modelview);
    OrderWaitMs = 0;
    MouseAction = 0;
    MouseOnMiniMap = 0;
    MouseTaken = 0;
  }
  // Points the cursor at a world point (x, y, z) and runs the armed action.
  static void Act(int action, float x, float y, float z) {
    int sx, sy;
    ASSERT_EQ(Proj_ToScreen(x, y, z, &sx, &sy, &PickView), 1);
    MouseXf = (float)sx;
    MouseYf = (float)sy;
    MouseAction = action;
    MouseSelectByTool();
    EXPECT_EQ(MouseAction, 0);
  }
  static void At(const Fgr* f, int action) { Act(action, f->priv_position_x, 1.0f, f->priv_position_z); }
  // Frames of the game's clock step at 100 ms.
  static void Frames(int n) {
    for (int i = 0; i < n; i++) Game_TickUpd();
  }
  static int Lasers() {
    int n = 0;
    for (const Fgr& f : Fgrs.mf) n += f.Status() == fgrLaser;
    return n;
  }
  static bool sOk;
};
bool GameOrders::sOk = false;

constexpr int Cell(int col, int row) { return row * 256 + col; }

TEST_F(GameOrders, SelectAttackAndMoveWithAWaypointInsideTheOrderWindow) {
  Fgr* own[3] = {MakeUnit(2, Cell(47, 50)), MakeUnit(2, Cell(50, 50)), MakeUnit(2, Cell(53, 50))};
  Fgr* enemy = MakeUnit(3, Cell(50, 54));
  enemy->KlientVidit = 1;  // the player sees it

  // A drag over all four selects the player's three: from beyond own[0] and nearer the camera to
  // beyond own[2] and the enemy.
  ASSERT_EQ(Proj_ToScreen(460, 1, 495, &FieldDragStartX, &FieldDragStartY, &PickView), 1);
  Act(2, 550, 1, 555);
  ASSERT_EQ(SelList.count, 3);
  for (Fgr* u : own) EXPECT_EQ(SelList_Contains(u), 1);

  // A click takes the figure under the cursor alone.
  At(own[1], 1);
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(SelList.e[1], own[1]);
  SelList_Clear();
  for (Fgr* u : own) SelList_Add(&SelList, u, 0), u->P_AutoTarg = enemy;

  // An order on the enemy makes it the fire target of every selected unit, with a marker.
  int lasers = Lasers();
  At(enemy, 3);
  for (Fgr* u : own) {
    EXPECT_EQ(u->P_FireTarg, enemy);
    EXPECT_EQ(u->P_AutoTarg, nullptr);
  }
  EXPECT_EQ(Lasers(), lasers + 1);

  // An order on the ground: the route target; a second one 1.2 s later sets the waypoint.
  Frames(1);
  Act(3, 505, 0, 605);
  const int first = Cell(50, 60), second = Cell(60, 60), third = Cell(40, 58);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, first);
    EXPECT_EQ(u->targPathKle2, 0);
  }
  EXPECT_EQ(LastOrderX, 505);
  EXPECT_EQ(LastOrderZ, 605);
  EXPECT_EQ(LandQuad2.cell, first);
  Frames(12);
  Act(3, 605, 0, 605);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, first);
    EXPECT_EQ(u->targPathKle2, second);
  }
  // Outside the window an order replaces the target and drops the waypoint.
  Frames(16);
  Act(3, 405, 0, 585);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, third);
    EXPECT_EQ(u->targPathKle2, 0);
  }
  // A selection closes the window: the next ground order is a new target again.
  Act(3, 505, 0, 605);
  Frames(1);
  At(own[0], 1);
  Frames(1);
  Act(3, 605, 0, 605);
  EXPECT_EQ(own[0]->targPathKle, second);
  EXPECT_EQ(own[0]->targPathKle2, 0);
}

TEST_F(GameOrders, RouteTargetHoverAndPointOrderFindTheGroundUnderTheCursor) {
  Fgr* u = MakeUnit(2, Cell(50, 50));
  SelList_SetOne(&SelList, u, 0);
  Act(5, 605, 0, 605);
  EXPECT_EQ(u->targPathKle, Cell(60, 60));
  EXPECT_EQ(LandQuad1.cell, Cell(60, 60));

  Act(4, 505, 0, 505);  // hover over the unit
  EXPECT_EQ(HoverFgr, u);
  EXPECT_EQ(HoverCell, Cell(50, 50));
  Act(4, 405, 0, 605);  // over open ground
  EXPECT_EQ(HoverFgr, nullptr);
  EXPECT_EQ(HoverCell, Cell(40, 60));

  PointOrderFgr = u;
  PointOrderSig = 7;
  Act(6, 555, 0, 555);
  EXPECT_EQ(u->fromPultSig, 107);
  EXPECT_EQ(PointOrderX, 555);
  EXPECT_EQ(LandQuad2.cell, Cell(55, 55));
  for (double& m : PickView.projection) m = 0;  // no ground under the cursor: the order is dropped
  MouseAction = 6;
  MouseSelectByTool();
  EXPECT_EQ(u->fromPultSig, 0);
  EXPECT_EQ(PointOrderFgr, nullptr);
  MouseAction = 6;
  MouseSelectByTool();
  EXPECT_EQ(PointOrderSig, 0);
}

using GameUpdateSteps = FramesTest;

TEST_F(GameUpdateSteps, WithoutALocationPlayEndsBeforeAnyFigureIsUpdated) {
  Fgr* t = LiveFgr(fgrTriger);
  Fgr* slot = LiveFgr(fgrDekor);
  slot->active = 0;
  t->ProcNomUpd2 = 4;
  t->activateFgr = slot->nom;
  HoverPickTimer = 1000000;
  EtapLocationNom = 0;
  EtapLoadReqLoc = 0;
  GameUpdate();
  EXPECT_EQ(ProgMode, 1);
  EXPECT_EQ(slot->active, 0);
  ProgMode = 2;
  EtapLocationNom = 1;
  GameUpdate();
  EXPECT_EQ(ProgMode, 2);
  EXPECT_EQ(slot->active, 1);
  EtapLocationNom = 0;
}

TEST_F(GameUpdateSteps, TheSideSwitchChangesThePlayerBetweenTwoAndThreeAndDropsTheSelection) {
  Fgr* u = Unit(2, 50, 50);
  SelList_SetOne(&SelList, u, 0);
  SideSwitchReq = 1;
  Game_TickUpd();
  EXPECT_EQ(PlayerSide, 3);
  EXPECT_EQ(SelList.count, 0);
  EXPECT_EQ(SideSwitchReq, 0);
  SideSwitchReq = 1;
  Game_TickUpd();
  EXPECT_EQ(PlayerSide, 2);
  PlayerSide = 5;
  SideSwitchReq = 1;
  Game_TickUpd();
  EXPECT_EQ(PlayerSide, 3);
}

// What a cell offers the player, by its cursor kind and the side's level.
TEST_F(GameUpdateSteps, TheCursorKindsOfferTheirCodesAtTheirLevels) {
  struct Row {
    int kind, level, code;
  };
  for (const Row& r :
       {Row{0, 100, 0}, Row{1, 49, 0}, Row{1, 50, 80}, Row{2, 0, 81}, Row{3, 49, 0}, Row{3, 50, 82},
        Row{4, 75, 83}, Row{5, 100, 0}, Row{6, 100, 0}, Row{7, 99, 0}, Row{7, 100, 84}, Row{8, 75, 0},
        Row{8, 100, 85}, Row{9, 100, 0}, Row{10, 100, 0}, Row{11, 100, 0}})
    EXPECT_EQ(Cell_OfferCode(r.kind, r.level), r.code) << r.kind << " at " << r.level;

  // Through the game update: the hovered cell of the shown floor, kinds 9 and 10 by the bunker.
  HoverPickTimer = 1000000;
  EtapLocationNom = 1;
  struct Hover {
    int kind, bunker, cell, code;
  };
  const int valid = Cell(40, 40), border = Cell(255, 40);
  for (const Hover& h :
       {Hover{2, 0, valid, 81}, Hover{9, fgrAngBunker, valid, 80}, Hover{9, fgrNekBunker, valid, 81},
        Hover{9, fgrHasBunker, valid, 0}, Hover{10, fgrAngBunker, valid, 81},
        Hover{10, fgrNekBunker, valid, 80}, Hover{2, 0, border, 0}, Hover{1, 0, valid, 0}}) {
    Land_Layer(0)[h.cell].cursor = (uint8_t)h.kind;
    SideTab[PlayerSide - 1][kSideBunker] = h.bunker;
    CursorCode = 55;
    HoverCell = h.cell;
    GameUpdate();
    EXPECT_EQ(CursorCode, h.code) << "kind " << h.kind << " bunker " << h.bunker;
    EXPECT_EQ(HoverCell, 0);
  }
  GameUpdate();  // nothing hovered: the code stays
  EXPECT_EQ(CursorCode, 0);
  EtapLocationNom = 0;
}

}  // namespace
